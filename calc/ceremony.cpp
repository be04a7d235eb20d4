#include "calc/ceremony.h"

#include "calc/words.h"
#include "common/captions.h"

#include <QStringList>

#include <algorithm>
#include <limits>

namespace {

using Kind = CeremonyPart::Kind;

// "Bir devirde verilen altın: 30 g × 3 fakir = 90 g", where it can be counted exactly.
void addGoldPerRound(CeremonyPart &part, const RecordFigures::Rounds &rounds)
{
    const auto atHand = Decimal::fromShown(rounds.goldAtHand);
    const auto poor = Decimal::fromShown(rounds.poorPeople);
    const auto perRound = atHand && poor ? multiply(*atHand, *poor) : std::nullopt;
    if (perRound)
        part.steps.append({Step::Kind::GoldPerRound, *atHand, *poor, *perRound});
}

// The steps of the screen's own arithmetic, in its order, in exact figures from the
// figures as typed; the years, the gold and the worth of the part. A step whose
// figures grow past what can be counted exactly ends the list: the steps before it
// still hold.
void settle(CeremonyPart &part, Expiation expiation)
{
    const RecordFigures &f = part.figures;
    const auto age = Decimal::fromShown(f.hijriAge);
    const auto wheat = Decimal::fromShown(f.wheatPrice);
    const auto gold = Decimal::fromShown(f.goldPrice);
    const Decimal obligation = Decimal::fromUnits(qint64(ageOfObligation(f.sex)), 0);
    if (!age || !wheat || !gold)
        return;
    if (*age < obligation) {
        part.steps.append({Step::Kind::NoYears, *age, obligation, {}});
        part.years = Decimal{};
    } else {
        part.years = subtract(*age, obligation);
        if (!part.years)
            return;
        part.steps.append({Step::Kind::Years, *age, obligation, *part.years});
    }
    if (expiation == Expiation::Prayers) {
        const Decimal perYear = *Decimal::fromShown(wheatKgPerYearOfPrayers);
        const auto wheatKg = multiply(*part.years, perYear);
        if (!wheatKg)
            return;
        part.steps.append({Step::Kind::PrayerWheat, *part.years, perYear, *wheatKg});
        part.value = multiply(*wheatKg, *wheat);
        if (part.value)
            part.steps.append({Step::Kind::WheatValue, *wheatKg, *wheat, *part.value});
    } else {
        const auto atPrice = multiply(*part.years, *wheat);
        part.value = atPrice ? multiply(*atPrice, *Decimal::fromShown(wheatKgPerYearOfFasts)) : std::nullopt;
        if (part.value)
            part.steps.append({Step::Kind::FastingValue, *part.years, *wheat, *part.value});
    }
    const auto shown = part.value ? divideToShownDigits(*part.value, *gold) : std::nullopt;
    const auto weighed = part.value ? divide(*part.value, *gold, 2, Rounding::Up) : std::nullopt;
    if (!shown || !weighed)
        return;
    part.steps.append({Step::Kind::GoldWorth, *part.value, *gold, shown->value});
    part.gold = weighed->value.units(2);
    if (f.rounds)
        addGoldPerRound(part, *f.rounds);
}

QString yearsWritten(const CeremonyPart &part)
{
    return part.years ? part.years->written(turkishLocale()) : turkishFigure(part.figures.years);
}

CeremonyPart expiationPart(Kind kind, Expiation expiation, const ScreenState &state, const CeremonyNames &names)
{
    CeremonyPart part{.kind = kind, .standing = state.standing};
    if (!part.inRecord())
        return part;
    part.figures = state.figures;
    settle(part, expiation);
    if (!part.gold) // figures too large to count exactly: the screen's, rounded up
        part.gold = hundredths(state.figures.goldNeeded, Rounding::Up);
    part.words = handoverWords(kind, names, state.figures.sex, yearsWritten(part));
    if (const auto &rounds = state.figures.rounds) {
        part.roundsCounted = true;
        part.plan = part.gold ? planRounds(Decimal::fromUnits(*part.gold, 2), rounds->goldAtHand, rounds->poorPeople)
                              : std::nullopt;
    }
    return part;
}

// One round with the gold at hand, each poor person once: with the prayer screen's
// figures where it counted rounds, else with the fasting screen's.
CeremonyPart closingRound(Kind kind, const std::optional<RecordFigures::Rounds> &rounds, const RecordFigures &figures,
                          const CeremonyNames &names)
{
    CeremonyPart part{.kind = kind};
    part.words = handoverWords(kind, names, figures.sex, {});
    if (!rounds)
        return part;
    part.roundsCounted = true;
    addGoldPerRound(part, *rounds);
    part.plan = oneRound(rounds->goldAtHand, rounds->poorPeople);
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
    const Decimal kg = *Decimal::fromShown(wheatKgPerFitra);
    const auto wheat = Decimal::fromShown(f.wheatPrice);
    const auto value = wheat ? multiply(kg, *wheat) : std::nullopt;
    const auto perPoor = value ? roundTo(*value, 2, Rounding::Up) : std::nullopt;
    fitra.perPoor = perPoor ? perPoor->units(2) : std::nullopt;
    if (!fitra.perPoor || *fitra.perPoor > std::numeric_limits<qint64>::max() / fitraKefaretForFasts)
        return fitra;
    fitra.value = Step{Step::Kind::FitraValue, kg, *wheat, *value};
    fitra.oathKefaret = *fitra.perPoor * fitraKefaretForOaths;
    fitra.fastKefaret = *fitra.perPoor * fitraKefaretForFasts;
    return fitra;
}

// What a checklist line of this round costs of the cap: a hand-over each, or one line
// for a round among many poor.
qint64 lineCost(const RoundPlan &plan, const RoundPlan::Pass &pass)
{
    return plan.poorPeople > maxHandoversInALine ? 1 : pass.handovers();
}

// Numbers the rounds through the whole ceremony and lists them: the first and the last
// round of every part always, the rounds between them while the cap allows, and the
// rest of those as one line.
void listRounds(QList<CeremonyPart> &parts)
{
    qint64 next = 1;
    qint64 handedOver = 0;
    qint64 left = maxListedHandovers;
    for (CeremonyPart &part : parts) {
        if (!part.inRecord() || !part.plan || part.plan->totalRounds == 0)
            continue;
        part.firstRound = next;
        part.firstHandover = handedOver;
        next += part.plan->totalRounds;
        handedOver += part.plan->handovers();
        left -= lineCost(*part.plan, part.plan->pass(1));
        if (part.plan->totalRounds > 1)
            left -= lineCost(*part.plan, part.plan->pass(part.plan->totalRounds));
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
        const qint64 cost = middle > 0 ? lineCost(plan, plan.pass(2)) : 1;
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
    std::optional<Decimal> value = Decimal{};
    bool counted = true;
    bool weighed = true;
    for (const CeremonyPart &part : std::as_const(ceremony.parts)) {
        if (!part.inRecord())
            continue;
        if (!part.closesCeremony()) {
            weighed = weighed && part.gold;
            gold += part.gold.value_or(0);
            value = value && part.value ? add(*value, *part.value) : std::nullopt;
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
    if (weighed)
        ceremony.totalGold = gold;
    ceremony.totalValue = value;
}

// Every calculated part settles no year: the deceased died before the age of obligation.
bool owesNothing(const QList<CeremonyPart> &parts)
{
    const auto calculated = [](const CeremonyPart &part) { return part.inRecord(); };
    const auto noYears = [](const CeremonyPart &part) { return !part.inRecord() || part.figures.years <= 0; };
    return std::any_of(parts.cbegin(), parts.cend(), calculated) && std::all_of(parts.cbegin(), parts.cend(), noYears);
}

// "vefat edenin yaşı "NAMAZ İSKATI" ekranında 75, "ORUÇ İSKATI" ekranında 70".
template<typename Figure, typename Write>
std::optional<QString> differs(const QString &what, Figure RecordFigures::*figure, const RecordFigures &prayers,
                               const RecordFigures &fasts, Write write)
{
    if (prayers.*figure == fasts.*figure)
        return std::nullopt;
    return QStringLiteral("%1 %2 ekranında %3, %4 ekranında %5")
        .arg(what, quotedScreenName(Expiation::Prayers), write(prayers.*figure), quotedScreenName(Expiation::Fasts),
             write(fasts.*figure));
}

} // namespace

std::optional<QString> twoDeceased(const ScreenState &prayers, const ScreenState &fasts)
{
    if (prayers.standing != Standing::Calculated || fasts.standing != Standing::Calculated)
        return std::nullopt;
    QStringList differences;
    for (const auto &difference :
         {differs(QStringLiteral("vefat edenin hicri yaşı"), &RecordFigures::hijriAge, prayers.figures, fasts.figures,
                  turkishFigure),
          differs(QStringLiteral("cinsiyeti"), &RecordFigures::sex, prayers.figures, fasts.figures, sexWord)}) {
        if (difference)
            differences.append(*difference);
    }
    if (differences.isEmpty())
        return std::nullopt;
    return QStringLiteral("İki ekran iki ayrı kimse için hesaplanmış: %1. Namaz ve oruç iskâtı aynı kimse içindir; "
                          "yanlış olan ekranda yaşı ya da cinsiyeti düzeltip doğru olan %2 O zamana kadar bu çizelge "
                          "yazdırılamaz ve kaydedilemez.")
        .arg(differences.join(QStringLiteral("; ")), pressAdvice(AdvisedButton::Sex, true));
}

QString quotedScreenName(Expiation expiation)
{
    return quoted(expiation == Expiation::Prayers ? Caption::prayerScreen : Caption::fastingScreen);
}

Ceremony planCeremony(const ScreenState &prayers, const ScreenState &fasts, const CeremonyNames &names)
{
    Ceremony ceremony{.names = names, .twoDeceased = twoDeceased(prayers, fasts)};
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
    switch (standing) {
    case Standing::Changed:
        return {QStringLiteral("fiyatlar ya da yaş son hesaptan sonra değiştirildi"),
                pressAdvice(AdvisedButton::Sex, true)};
    case Standing::RoundsChanged:
        return {QStringLiteral("mevcut altın, fakir sayısı ya da gereken altın devir hesabından sonra değişti"),
                pressAdvice(AdvisedButton::CountRounds, true)};
    case Standing::NotCalculated:
        return {{}, QStringLiteral("fiyatları ve vefat edenin yaşını yazıp ") + pressAdvice(AdvisedButton::Sex)};
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
