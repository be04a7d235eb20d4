#pragma once

#include "calc/ceremony.h"
#include "calc/iskatfile.h"

#include <QObject>

// Where the prayer and the fasting screens stand, and the names typed on the record,
// kept in one place for the record of the whole ceremony: each screen writes its own
// standing whenever its boxes or its calculations change, a record window the names
// as they are typed, and an open record is written again from it.
class CeremonyBook : public QObject
{
    Q_OBJECT
public:
    // Emits changed() when the standing differs from the one kept. `saved` is what an
    // iskât file keeps of the screen as it is now.
    void update(Expiation expiation, const ScreenState &state, const ScreenCase &saved);
    // Why the record cannot be opened, printed or saved from the screen of `opener`
    // now; nothing when it can.
    std::optional<QString> refusal(Expiation opener) const;
    // Why the record cannot be printed or saved from the screen of `opener` now: as it
    // could not be opened, or as the two screens were calculated for two people.
    std::optional<QString> printRefusal(Expiation opener) const;

    const CeremonyNames &names() const { return m_names; }
    // Emits changed() when the names differ from the ones kept.
    void setNames(const CeremonyNames &names);
    // The ceremony as the record shows it now, with the hand-overs done where the
    // progress belongs to its plan.
    Ceremony ceremony() const;
    // The case as an iskât file keeps it, its progress included.
    IskatCase savedCase() const;

    // How far the ceremony carried out on screen has come. Emits progressChanged().
    const std::optional<CeremonyProgress> &progress() const { return m_progress; }
    void setProgress(const std::optional<CeremonyProgress> &progress);
    // What of the screens' figures changed since the progress was made, naming it;
    // nothing while the progress belongs to the plan the screens give.
    std::optional<QString> progressMismatch() const;
    // The iskât file the case came from or was last saved to; empty: none.
    const QString &casePath() const { return m_casePath; }
    void setCasePath(const QString &path) { m_casePath = path; }
    // Why the progress could not be kept on the disk, where it could not. Emits progressChanged().
    const QString &keepTrouble() const { return m_keepTrouble; }
    void setKeepTrouble(const QString &why);

signals:
    void changed();
    void progressChanged();

private:
    // What progressMismatch() names, for a sentence: "namaz ekranının buğday fiyatı".
    QStringList progressChanges() const;

    ScreenState m_prayers;
    ScreenState m_fasts;
    ScreenCase m_savedPrayers;
    ScreenCase m_savedFasts;
    CeremonyNames m_names;
    std::optional<CeremonyProgress> m_progress;
    QString m_casePath;
    QString m_keepTrouble;
};
