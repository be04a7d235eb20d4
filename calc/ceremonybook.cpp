#include "calc/ceremonybook.h"

const ScreenState &CeremonyBook::state(Expiation expiation) const
{
    return expiation == Expiation::Prayers ? m_prayers : m_fasts;
}

void CeremonyBook::update(Expiation expiation, const ScreenState &state)
{
    ScreenState &kept = expiation == Expiation::Prayers ? m_prayers : m_fasts;
    if (kept == state)
        return;
    kept = state;
    emit changed();
}
