#include "calc/ceremony.h"

#include "calc/words.h"
#include "common/errors.h"

#include <algorithm>
#include <limits>

namespace {

using Kind = CeremonyPart::Kind;

// The steps of the screen's own arithmetic, in its order, with its figures; the gold
// and lira of the part. A step that would not give a finite number ends the list:
// the steps before it still hold.
void settle(CeremonyPart &part, Expiation expiation)
{
    const RecordFigures &f = part.figures;
    const double obligation = ageOfObligation(f.sex);
    part.steps.append(
        {f.hijriAge >= obligation ? Step::Kind::Years : Step::Kind::NoYears, f.hijriAge, obligation, f.years});
    try {
        double value = 0;
        if (expiation == Expiation::Prayers) {
            const double wheatKg = prayerWheat(f.years);
            part.steps.append({Step::Kind::PrayerWheat, f.years, wheatKgPerYearOfPrayers, wheatKg});
            value = wheatValue(wheatKg, f.wheatPrice);
            part.steps.append({Step::Kind::WheatValue, wheatKg, f.wheatPrice, value});
        } else {
            value = fastingValue(fastingYearsAtPrice(f.years, f.wheatPrice));
            part.steps.append({Step::Kind::FastingValue, f.years, f.wheatPrice, value});
        }
        part.lira = hundredths(value, Rounding::Nearest);
        part.steps.append({Step::Kind::GoldWorth, value, f.goldPrice, goldWorth(value, f.goldPrice)});
        if (f.rounds) {
            const double perRound = goldPerRound(f.rounds->goldAtHand, f.rounds->poorPeople);
            part.steps.append({Step::Kind::GoldPerRound, f.rounds->goldAtHand, f.rounds->poorPeople, perRound});
        }
    } catch (const CalculationError &) {
    }
}

CeremonyPart expiationPart(Kind kind, Expiation expiation, const ScreenState &state, const CeremonyNames &names)
{
    CeremonyPart part{.kind = kind, .standing = state.standing};
    if (!part.inRecord())
        return part;
    part.figures = state.figures;
    settle(part, expiation);
    part.gold = hundredths(state.figures.goldNeeded, Rounding::Up);
    part.words = handoverWords(kind, names, state.figures.sex, state.figures.years);
    if (const auto &rounds = state.figures.rounds) {
        part.roundsCounted = true;
        part.plan = planRounds(state.figures.goldNeeded, rounds->goldAtHand, rounds->poorPeople);
    }
    return part;
}

// One round with the gold at hand, each poor person once: with the prayer screen's
// figures where it counted rounds, else with the fasting screen's.
CeremonyPart closingRound(Kind kind, const std::optional<RecordFigures::Rounds> &rounds, const RecordFigures &figures,
                          const CeremonyNames &names)
{
    CeremonyPart part{.kind = kind};
    part.words = handoverWords(kind, names, figures.sex, figures.years);
    if (!rounds)
        return part;
    part.roundsCounted = true;
    try {
        const double perRound = goldPerRound(rounds->goldAtHand, rounds->poorPeople);
        part.steps.append({Step::Kind::GoldPerRound, rounds->goldAtHand, rounds->poorPeople, perRound});
        part.plan = oneRound(rounds->goldAtHand, rounds->poorPeople);
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
    Fitra fitra{.value = {Step::Kind::FitraValue, wheatKgPerFitra, f.wheatPrice, 0}, .fromPrayerScreen = fromPrayers};
    try {
        fitra.value.result = fitraValue(f.wheatPrice);
        fitra.lira = hundredths(fitra.value.result, Rounding::Nearest);
        if (fitra.lira && *fitra.lira <= std::numeric_limits<qint64>::max() / 60) {
            fitra.oathKefaret = *fitra.lira * 10;
            fitra.fastKefaret = *fitra.lira * 60;
        }
    } catch (const CalculationError &) {
    }
    return fitra;
}

// What a checklist line of this round costs of the cap: a hand-over each, or one line
// for a round among many poor.
qint64 lineCost(const RoundPlan::Pass &pass)
{
    const qint64 handovers = pass.handovers();
    return handovers > maxHandoversInALine ? 1 : handovers;
}

// Numbers the rounds through the whole ceremony and lists them: the first and the last
// round of every part always, the rounds between them while the cap allows, and the
// rest of those as one line.
void listRounds(QList<CeremonyPart> &parts)
{
    qint64 next = 1;
    qint64 left = maxListedHandovers;
    for (CeremonyPart &part : parts) {
        if (!part.inRecord() || !part.plan || part.plan->totalRounds == 0)
            continue;
        part.firstRound = next;
        next += part.plan->totalRounds;
        left -= lineCost(part.plan->pass(1));
        if (part.plan->totalRounds > 1)
            left -= lineCost(part.plan->pass(part.plan->totalRounds));
    }
    for (CeremonyPart &part : parts) {
        if (part.firstRound == 0)
            continue;
        const RoundPlan &plan = *part.plan;
        const auto line = [&](qint64 number) {
            const qint64 at = part.firstRound + number - 1;
            part.checklist.append({at, at, plan.pass(number), true});
        };
        line(1);
        const qint64 middle = std::max<qint64>(0, plan.totalRounds - 2);
        const qint64 cost = middle > 0 ? lineCost(plan.pass(2)) : 1;
        const qint64 listed = std::min(middle, std::max<qint64>(0, left) / cost);
        left -= listed * cost;
        for (qint64 number = 2; number < 2 + listed; ++number)
            line(number);
        if (listed < middle)
            part.checklist.append(
                {part.firstRound + 1 + listed, part.firstRound + plan.totalRounds - 2, plan.pass(2 + listed), false});
        if (plan.totalRounds > 1)
            line(plan.totalRounds);
    }
}

void addTotals(Ceremony &ceremony)
{
    qint64 rounds = 0;
    qint64 handovers = 0;
    qint64 gold = 0;
    qint64 lira = 0;
    bool counted = true;
    bool weighed = true;
    for (const CeremonyPart &part : std::as_const(ceremony.parts)) {
        if (!part.inRecord())
            continue;
        if (!part.closesCeremony()) {
            weighed = weighed && part.gold && part.lira;
            gold += part.gold.value_or(0);
            lira += part.lira.value_or(0);
        }
        counted = counted && part.plan;
        if (part.plan) {
            rounds += part.plan->totalRounds;
            handovers += part.plan->handovers();
        }
    }
    if (counted) {
        ceremony.totalRounds = rounds;
        ceremony.totalHandovers = handovers;
    }
    if (weighed) {
        ceremony.totalGold = gold;
        ceremony.totalLira = lira;
    }
}

// Every calculated part settles no year: the deceased died before the age of obligation.
bool owesNothing(const QList<CeremonyPart> &parts)
{
    const auto calculated = [](const CeremonyPart &part) { return part.inRecord(); };
    const auto noYears = [](const CeremonyPart &part) { return !part.inRecord() || part.figures.years <= 0; };
    return std::any_of(parts.cbegin(), parts.cend(), calculated) && std::all_of(parts.cbegin(), parts.cend(), noYears);
}

} // namespace

Ceremony planCeremony(const ScreenState &prayers, const ScreenState &fasts, const CeremonyNames &names)
{
    Ceremony ceremony{.names = names};
    ceremony.parts.append(expiationPart(Kind::Prayers, Expiation::Prayers, prayers, names));
    ceremony.parts.append(expiationPart(Kind::Fasts, Expiation::Fasts, fasts, names));
    ceremony.nothingOwed = owesNothing(ceremony.parts);
    if (ceremony.nothingOwed)
        return ceremony;

    const auto prayerRounds = countedRounds(prayers);
    const auto fastingRounds = countedRounds(fasts);
    ceremony.differentRounds = prayerRounds && fastingRounds &&
                               (prayerRounds->goldAtHand != fastingRounds->goldAtHand ||
                                prayerRounds->poorPeople != fastingRounds->poorPeople);
    const auto closing = prayerRounds ? prayerRounds : fastingRounds;
    const RecordFigures &deceased = prayers.standing == Standing::Calculated ? prayers.figures : fasts.figures;
    ceremony.parts.append(closingRound(Kind::ZakatSacrificeFitr, closing, deceased, names));
    ceremony.parts.append(closingRound(Kind::Rights, closing, deceased, names));

    listRounds(ceremony.parts);
    ceremony.fitra = fitraOf(prayers, fasts);
    addTotals(ceremony);
    return ceremony;
}

StandingAdvice adviceFor(Standing standing)
{
    const QString settle = QStringLiteral("\"Kadın\" veya \"Erkek\" düğmesine");
    switch (standing) {
    case Standing::Changed:
        return {QStringLiteral("fiyatlar ya da yaş son hesaptan sonra değiştirildi"),
                settle + QStringLiteral(" yeniden basınız.")};
    case Standing::RoundsChanged:
        return {QStringLiteral("mevcut altın, fakir sayısı ya da gereken altın devir hesabından sonra değişti"),
                QStringLiteral("\"H E S A P L A\" düğmesine yeniden basınız.")};
    case Standing::NotCalculated:
        return {{}, QStringLiteral("fiyatları ve vefat edenin yaşını yazıp ") + settle + QStringLiteral(" basınız.")};
    case Standing::Calculated:
        break;
    }
    return {};
}

std::optional<QString> recordRefusal(const ScreenState &opener, const ScreenState &other)
{
    if (opener.standing == Standing::Calculated ||
        (opener.standing == Standing::NotCalculated && other.standing == Standing::Calculated))
        return std::nullopt;
    const StandingAdvice advice = adviceFor(opener.standing);
    const QString first = QStringLiteral("Devir çizelgesi için önce ") + advice.press;
    if (advice.change.isEmpty())
        return first;
    return capitalised(advice.change) + QStringLiteral(". ") + first;
}
