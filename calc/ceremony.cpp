#include "calc/ceremony.h"

#include "common/errors.h"

namespace {

using Kind = CeremonyPart::Kind;

// The steps of the screen's own arithmetic, in its order, with its figures. A step
// that would not give a finite number ends the list: the steps before it still hold.
QList<Step> settlingSteps(Expiation expiation, const RecordFigures &f)
{
    QList<Step> steps;
    const double obligation = ageOfObligation(f.sex);
    steps.append({f.hijriAge >= obligation ? Step::Kind::Years : Step::Kind::NoYears, f.hijriAge, obligation, f.years});
    try {
        double value = 0;
        if (expiation == Expiation::Prayers) {
            const double wheatKg = prayerWheat(f.years);
            steps.append({Step::Kind::PrayerWheat, f.years, wheatKgPerYearOfPrayers, wheatKg});
            value = wheatValue(wheatKg, f.wheatPrice);
            steps.append({Step::Kind::WheatValue, wheatKg, f.wheatPrice, value});
        } else {
            const double atPrice = fastingYearsAtPrice(f.years, f.wheatPrice);
            steps.append({Step::Kind::FastingYearsAtPrice, f.years, f.wheatPrice, atPrice});
            value = fastingValue(atPrice);
            steps.append({Step::Kind::FastingValue, atPrice, wheatKgPerYearOfFasts, value});
        }
        steps.append({Step::Kind::GoldWorth, value, f.goldPrice, goldWorth(value, f.goldPrice)});
        if (f.rounds) {
            const double perRound = goldPerRound(f.rounds->goldAtHand, f.rounds->poorPeople);
            steps.append({Step::Kind::GoldPerRound, f.rounds->goldAtHand, f.rounds->poorPeople, perRound});
            steps.append({Step::Kind::Rounds, f.goldNeeded, perRound, f.rounds->rounds});
        }
    } catch (const CalculationError &) {
    }
    return steps;
}

// Lists the rounds of a part within what the checklist may still hold, and numbers
// them on from the parts before it.
struct Listing
{
    qint64 listable = maxListedHandovers;
    qint64 nextRound = 1;
    bool cut = false;

    std::optional<RoundPlan> plan(CeremonyPart &part, double goldAtHand, double poorPeople)
    {
        std::optional<RoundPlan> made = planRounds(part.goldNeeded, goldAtHand, poorPeople, cut ? 0 : listable);
        part.firstRound = nextRound;
        if (made) {
            listable -= made->listedHandovers();
            cut = cut || made->unlistedRounds() > 0;
            nextRound += made->totalRounds;
        }
        return made;
    }
};

CeremonyPart expiationPart(Kind kind, Expiation expiation, const ScreenState &state, Listing &listing)
{
    CeremonyPart part{.kind = kind, .standing = state.standing};
    if (!part.inRecord())
        return part;
    part.figures = state.figures;
    part.steps = settlingSteps(expiation, state.figures);
    part.goldNeeded = state.figures.goldNeeded;
    if (const auto &rounds = state.figures.rounds) {
        part.roundsCounted = true;
        part.plan = listing.plan(part, rounds->goldAtHand, rounds->poorPeople);
    }
    return part;
}

// One round with the gold at hand, each poor person once: with the prayer screen's
// figures where it counted rounds, else with the fasting screen's.
CeremonyPart closingRound(Kind kind, const std::optional<RecordFigures::Rounds> &rounds, Listing &listing)
{
    CeremonyPart part{.kind = kind};
    if (!rounds)
        return part;
    part.roundsCounted = true;
    try {
        const double perRound = goldPerRound(rounds->goldAtHand, rounds->poorPeople);
        part.steps.append({Step::Kind::GoldPerRound, rounds->goldAtHand, rounds->poorPeople, perRound});
        part.goldNeeded = perRound;
        part.plan = listing.plan(part, rounds->goldAtHand, rounds->poorPeople);
    } catch (const CalculationError &) {
    }
    return part;
}

std::optional<RecordFigures::Rounds> countedRounds(const ScreenState &state)
{
    return state.standing == Standing::Calculated ? state.figures.rounds : std::nullopt;
}

std::optional<Fitra> fitraOf(const ScreenState &prayers, const ScreenState &fasts)
{
    const bool fromPrayers = prayers.standing == Standing::Calculated;
    const RecordFigures &f = fromPrayers ? prayers.figures : fasts.figures;
    if (!fromPrayers && fasts.standing != Standing::Calculated)
        return std::nullopt;
    Fitra fitra{.fromPrayerScreen = fromPrayers};
    try {
        const double lira = fitraValue(f.wheatPrice);
        fitra.steps.append({Step::Kind::FitraValue, wheatKgPerFitra, f.wheatPrice, lira});
        fitra.steps.append({Step::Kind::FitraGold, lira, f.goldPrice, goldWorth(lira, f.goldPrice)});
    } catch (const CalculationError &) {
    }
    return fitra;
}

void addTotals(Ceremony &ceremony)
{
    qint64 rounds = 0;
    qint64 handovers = 0;
    for (const CeremonyPart &part : std::as_const(ceremony.parts)) {
        if (!part.inRecord())
            continue;
        if (!part.plan)
            return;
        rounds += part.plan->totalRounds;
        handovers += part.plan->handovers();
    }
    ceremony.totalRounds = rounds;
    ceremony.totalHandovers = handovers;
}

} // namespace

Ceremony planCeremony(const ScreenState &prayers, const ScreenState &fasts)
{
    Ceremony ceremony;
    Listing listing;
    ceremony.parts.append(expiationPart(Kind::Prayers, Expiation::Prayers, prayers, listing));
    ceremony.parts.append(expiationPart(Kind::Fasts, Expiation::Fasts, fasts, listing));

    const auto prayerRounds = countedRounds(prayers);
    const auto fastingRounds = countedRounds(fasts);
    ceremony.differentRounds = prayerRounds && fastingRounds &&
                               (prayerRounds->goldAtHand != fastingRounds->goldAtHand ||
                                prayerRounds->poorPeople != fastingRounds->poorPeople);
    const auto closing = prayerRounds ? prayerRounds : fastingRounds;
    ceremony.parts.append(closingRound(Kind::ZakatSacrificeFitr, closing, listing));
    ceremony.parts.append(closingRound(Kind::Rights, closing, listing));

    ceremony.fitra = fitraOf(prayers, fasts);
    addTotals(ceremony);
    return ceremony;
}

std::optional<QString> recordRefusal(const ScreenState &opener, const ScreenState &other)
{
    switch (opener.standing) {
    case Standing::Calculated:
        return std::nullopt;
    case Standing::Changed:
        return QStringLiteral("Fiyatlar ya da yaş son hesaptan sonra değiştirildi. Devir çizelgesi için önce "
                              "\"Kadın\" veya \"Erkek\" düğmesine yeniden basınız.");
    case Standing::RoundsChanged:
        return QStringLiteral("Mevcut altın, fakir sayısı ya da gereken altın devir hesabından sonra değişti. "
                              "Devir çizelgesi için önce \"H E S A P L A\" düğmesine yeniden basınız.");
    case Standing::NotCalculated:
        break;
    }
    if (other.standing == Standing::Calculated)
        return std::nullopt;
    return QStringLiteral("Devir çizelgesi için önce fiyatları ve vefat edenin yaşını yazıp \"Kadın\" veya "
                          "\"Erkek\" düğmesine basınız.");
}
