#include "calc/recalculation.h"

#include "common/calculationrun.h"
#include "common/errors.h"
#include "common/figures.h"
#include "common/numbers.h"

#include <QList>

#include <cmath>

namespace {

using Box = std::optional<double> ScreenCase::*;

// A screen's boxes as the saved case fills them, and the figures read from them so far.
class Boxes
{
public:
    explicit Boxes(const ScreenCase &saved) : m_saved(saved) {}

    // A typed figure as the screen reads it from its box; a box the case leaves empty
    // is read as empty.
    double read(Box box, Figure figure, Parsing parsing = Parsing::Lenient)
    {
        const std::optional<double> &saved = m_saved.*box;
        const double value = readFigure(saved ? formatNumber(*saved) : QString(), figure, parsing);
        m_read.append({box, value});
        return value;
    }

    UncalculableFigure atFault() const
    {
        const auto farthest = farthestFromOne(m_read.cbegin(), m_read.cend(),
                                              [](const Reading &reading) { return reading.value; });
        if (farthest == m_read.cend())
            return {};
        return {farthest->box, std::fabs(farthest->value) >= 1};
    }

private:
    struct Reading
    {
        Box box;
        double value;
    };
    const ScreenCase &m_saved;
    QList<Reading> m_read;
};

// "Kadın"/"Erkek" on the prayer screen; the text of the gold needed, as its box shows it.
QString settlePrayers(Boxes &boxes, RecordFigures &f)
{
    f.hijriAge = boxes.read(&ScreenCase::hijriAge, Figure::Age);
    const QString years = formatNumber(yearsToSettle(f.hijriAge, f.sex));
    // The 432-gram figure is written first, and can overflow first.
    if (f.sex == Sex::Woman)
        formatNumber(fixedRuleGold(readFigure(years, Figure::Years, Parsing::Lenient)));
    f.years = readFigure(years, Figure::Years, Parsing::Strict);
    const double wheatKg = prayerWheat(f.years);
    f.wheatPrice = boxes.read(&ScreenCase::wheatPrice, Figure::WheatPrice, Parsing::Strict);
    const double value = wheatValue(wheatKg, f.wheatPrice);
    f.goldPrice = boxes.read(&ScreenCase::goldPrice, Figure::GoldPrice, Parsing::Strict);
    f.goldNeeded = goldWorth(value, f.goldPrice);
    return formatNumber(f.goldNeeded);
}

// "H E S A P L A" on the prayer screen.
RecordFigures::Rounds countPrayerRounds(Boxes &boxes, const QString &goldNeeded)
{
    RecordFigures::Rounds rounds;
    rounds.goldAtHand = boxes.read(&ScreenCase::goldAtHand, Figure::GoldAtHand);
    rounds.poorPeople = boxes.read(&ScreenCase::poorPeople, Figure::PoorPeople);
    const QString perRound = formatNumber(goldPerRound(rounds.goldAtHand, rounds.poorPeople));
    const double needed = readFigure(goldNeeded, Figure::GoldNeeded, Parsing::Lenient);
    rounds.rounds = roundsNeeded(needed, Val(perRound));
    formatNumber(rounds.rounds);
    return rounds;
}

QString settleFasts(Boxes &boxes, RecordFigures &f)
{
    f.hijriAge = boxes.read(&ScreenCase::hijriAge, Figure::Age);
    f.years = Val(formatNumber(yearsToSettle(f.hijriAge, f.sex)));
    f.wheatPrice = boxes.read(&ScreenCase::wheatPrice, Figure::WheatPrice);
    f.goldPrice = boxes.read(&ScreenCase::goldPrice, Figure::GoldPrice);
    f.goldNeeded = fastingGold(f.years, f.wheatPrice, f.goldPrice);
    return formatNumber(f.goldNeeded);
}

RecordFigures::Rounds countFastRounds(Boxes &boxes, const QString &goldNeeded)
{
    RecordFigures::Rounds rounds;
    rounds.poorPeople = boxes.read(&ScreenCase::poorPeople, Figure::PoorPeople);
    rounds.goldAtHand = boxes.read(&ScreenCase::goldAtHand, Figure::GoldAtHand);
    const double needed = readFigure(goldNeeded, Figure::GoldNeeded, Parsing::Lenient);
    rounds.rounds = roundsNeeded(needed, goldPerRound(rounds.goldAtHand, rounds.poorPeople));
    formatNumber(rounds.rounds);
    return rounds;
}

ScreenState calculate(Boxes &boxes, const ScreenCase &saved, Expiation expiation)
{
    if (!saved.goldCalculated)
        return {};
    RecordFigures f{.sex = saved.sex, .pricesDay = saved.pricesDay};
    const bool prayers = expiation == Expiation::Prayers;
    const QString goldNeeded = prayers ? settlePrayers(boxes, f) : settleFasts(boxes, f);
    if (saved.roundsCounted)
        f.rounds = prayers ? countPrayerRounds(boxes, goldNeeded) : countFastRounds(boxes, goldNeeded);
    return {Standing::Calculated, f};
}

} // namespace

std::variant<ScreenState, UncalculableFigure> calculateAgain(const ScreenCase &saved, Expiation expiation)
{
    Boxes boxes(saved);
    // The screens meet the same errors in their calculation guard; here they only say
    // which figure a saved case cannot be calculated with.
    ScreenState calculated;
    if (runCalculation([&] { calculated = calculate(boxes, saved, expiation); }))
        return boxes.atFault();
    return calculated;
}
