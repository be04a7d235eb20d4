#include "calc/ceremonybook.h"

std::optional<QString> CeremonyBook::refusal(Expiation opener) const
{
    return opener == Expiation::Prayers ? recordRefusal(m_prayers, m_fasts) : recordRefusal(m_fasts, m_prayers);
}

std::optional<QString> CeremonyBook::printRefusal(Expiation opener) const
{
    if (auto why = refusal(opener))
        return why;
    return twoDeceased(m_prayers, m_fasts);
}

void CeremonyBook::update(Expiation expiation, const ScreenState &state, const ScreenCase &saved)
{
    (expiation == Expiation::Prayers ? m_savedPrayers : m_savedFasts) = saved;
    ScreenState &kept = expiation == Expiation::Prayers ? m_prayers : m_fasts;
    if (kept == state)
        return;
    kept = state;
    emit changed();
}

void CeremonyBook::setNames(const CeremonyNames &names)
{
    if (m_names == names)
        return;
    m_names = names;
    emit changed();
}

Ceremony CeremonyBook::ceremony() const
{
    return planCeremony(m_prayers, m_fasts, m_names);
}

IskatCase CeremonyBook::savedCase() const
{
    return {m_names, m_savedPrayers, m_savedFasts};
}
