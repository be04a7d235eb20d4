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
    // The ceremony as the record shows it now.
    Ceremony ceremony() const;
    // The case as an iskât file keeps it.
    IskatCase savedCase() const;

signals:
    void changed();

private:
    ScreenState m_prayers;
    ScreenState m_fasts;
    ScreenCase m_savedPrayers;
    ScreenCase m_savedFasts;
    CeremonyNames m_names;
};
