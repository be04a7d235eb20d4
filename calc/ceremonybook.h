#pragma once

#include "calc/ceremony.h"

#include <QObject>

// Where the prayer and the fasting screens stand, kept in one place for the record of
// the whole ceremony: each screen writes its own standing whenever its boxes or its
// calculations change, and an open record is written again from it.
class CeremonyBook : public QObject
{
    Q_OBJECT
public:
    const ScreenState &state(Expiation expiation) const;
    // Emits changed() when the standing differs from the one kept.
    void update(Expiation expiation, const ScreenState &state);
    // Why the record cannot be opened, printed or saved from the screen of `opener`
    // now; nothing when it can.
    std::optional<QString> refusal(Expiation opener) const;

signals:
    void changed();

private:
    ScreenState m_prayers;
    ScreenState m_fasts;
};
