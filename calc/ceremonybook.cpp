#include "calc/ceremonybook.h"

#include "calc/words.h"

#include <algorithm>

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
    Ceremony ceremony = planCeremony(m_prayers, m_fasts, m_names);
    if (m_progress && ceremony.totalHandovers && progressChanges().isEmpty()) {
        ceremony.handoversDone = std::min(m_progress->handoversDone, *ceremony.totalHandovers);
        ceremony.began = m_progress->began;
        ceremony.ended = m_progress->ended;
    }
    return ceremony;
}

IskatCase CeremonyBook::savedCase() const
{
    return {m_names, m_savedPrayers, m_savedFasts, m_progress};
}

void CeremonyBook::setProgress(const std::optional<CeremonyProgress> &progress)
{
    m_progress = progress;
    emit progressChanged();
}

QStringList CeremonyBook::progressChanges() const
{
    if (!m_progress)
        return {};
    return planChanges(m_progress->prayers, m_savedPrayers, Expiation::Prayers) +
           planChanges(m_progress->fasts, m_savedFasts, Expiation::Fasts);
}

std::optional<QString> CeremonyBook::progressMismatch() const
{
    const QStringList changes = progressChanges();
    if (changes.isEmpty())
        return std::nullopt;
    return QStringLiteral("Bu devir başladıktan sonra değerler değişti (%1). Yapılan %2 el değiştirme eski değerlerin "
                          "planına aittir ve saklanıyor; devam etmek için eski değerleri yazıp yeniden hesaplayınız.")
        .arg(changes.join(QStringLiteral(", ")), turkishCount(m_progress->handoversDone));
}

void CeremonyBook::setKeepTrouble(const QString &why)
{
    m_keepTrouble = why;
    emit progressChanged();
}
