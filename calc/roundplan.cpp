#include "calc/roundplan.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr qint64 largestUnits = std::numeric_limits<qint64>::max() / 10;
// Units finer than this would leave no room to count whole grams.
constexpr int maxDecimals = 18;

// The figure in units of 10^-decimals, where it has no more decimals than that and
// the count leaves room to count ten times as many.
std::optional<qint64> unitsOf(const Decimal &figure, int decimals)
{
    const std::optional<qint64> units = figure.units(decimals);
    return units && *units <= largestUnits ? units : std::nullopt;
}

qint64 powerOfTen(int exponent)
{
    qint64 power = 1;
    for (int i = 0; i < exponent; ++i)
        power *= 10;
    return power;
}

// a ÷ b rounded up, for a ≥ 0 and b > 0.
qint64 ceilDivide(qint64 a, qint64 b)
{
    return a / b + (a % b > 0 ? 1 : 0);
}

// Units of 10^-decimals rounded up to whole hundredths, still in those units.
qint64 upToHundredths(qint64 units, int decimals)
{
    const qint64 step = powerOfTen(decimals - 2);
    return ceilDivide(units, step) * step;
}

// The plan once the gold owed is in exact units; no gold owed: one full round.
std::optional<RoundPlan> planFor(std::optional<Decimal> owed, double goldAtHand, double poorPeople)
{
    const std::optional<Decimal> atHand = Decimal::fromShown(goldAtHand);
    const bool wholePoor = std::isfinite(poorPeople) && poorPeople >= 1 && poorPeople == std::floor(poorPeople) &&
                           poorPeople <= double(largestUnits);
    if (!atHand || atHand->digits <= 0 || !wholePoor || (owed && owed->digits < 0))
        return std::nullopt;

    RoundPlan plan;
    plan.decimals = std::max({2, atHand->decimals(), owed ? owed->decimals() : 0});
    if (plan.decimals > maxDecimals)
        return std::nullopt;
    const std::optional<qint64> atHandUnits = unitsOf(*atHand, plan.decimals);
    if (!atHandUnits)
        return std::nullopt;
    plan.goldAtHand = *atHandUnits;
    plan.poorPeople = qint64(poorPeople);
    if (plan.goldAtHand > largestUnits / plan.poorPeople)
        return std::nullopt;
    plan.perRound = plan.goldAtHand * plan.poorPeople;
    const std::optional<qint64> owedUnits = owed ? unitsOf(*owed, plan.decimals) : plan.perRound;
    if (!owedUnits)
        return std::nullopt;
    plan.goldNeeded = *owedUnits;
    plan.fullRounds = plan.goldNeeded / plan.perRound;
    const qint64 rest = plan.goldNeeded % plan.perRound;
    plan.lastRound = rest > 0 ? std::min(upToHundredths(rest, plan.decimals), plan.perRound) : 0;
    plan.totalRounds = plan.fullRounds + (plan.lastRound > 0 ? 1 : 0);
    return plan;
}

} // namespace

RoundPlan::Pass RoundPlan::pass(qint64 number) const
{
    if (number <= fullRounds)
        return {number, poorPeople, 0, upToHundredths(goldNeeded - number * perRound, decimals)};
    // The last round: whole gold at hand while more than that is left, then the rest.
    Pass last{number, (lastRound - 1) / goldAtHand, 0, 0};
    const qint64 left = lastRound - last.wholeHandovers * goldAtHand;
    const qint64 weighed = upToHundredths(left, decimals);
    if (weighed >= goldAtHand)
        ++last.wholeHandovers;
    else
        last.restHandover = weighed;
    return last;
}

qint64 RoundPlan::owedAfter(qint64 number, qint64 person) const
{
    const Pass round = pass(number);
    const qint64 given = (number - 1) * perRound + std::min(person, round.wholeHandovers) * goldAtHand +
                         (person > round.wholeHandovers ? round.restHandover : 0);
    return given >= goldNeeded ? 0 : upToHundredths(goldNeeded - given, decimals);
}

qint64 RoundPlan::handovers() const
{
    // Full rounds × poor people fits: it is at most the units of the gold owed.
    return fullRounds * poorPeople + (lastRound > 0 ? pass(totalRounds).handovers() : 0);
}

std::optional<RoundPlan> planRounds(const Decimal &goldOwed, double goldAtHand, double poorPeople)
{
    const std::optional<Decimal> owed = roundTo(goldOwed, 2, Rounding::Up);
    if (!owed)
        return std::nullopt;
    return planFor(*owed, goldAtHand, poorPeople);
}

std::optional<RoundPlan> oneRound(double goldAtHand, double poorPeople)
{
    return planFor(std::nullopt, goldAtHand, poorPeople);
}

std::optional<qint64> hundredths(double value, Rounding rounding)
{
    const std::optional<Decimal> decimal = Decimal::fromShown(value);
    if (!decimal || decimal->digits < 0)
        return std::nullopt;
    const std::optional<Decimal> cut = roundTo(*decimal, 2, rounding);
    return cut ? cut->units(2) : std::nullopt;
}

double unitsToNumber(qint64 units, int decimals)
{
    return double(units) / std::pow(10.0, decimals);
}
