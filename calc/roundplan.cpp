#include "calc/roundplan.h"

#include "common/numbers.h"

#include <QString>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr qint64 largestUnits = std::numeric_limits<qint64>::max() / 10;
// Units finer than this would leave no room to count whole grams.
constexpr int maxDecimals = 18;

// Ten times as many units, where that still fits.
bool timesTen(qint64 &units)
{
    if (units > largestUnits)
        return false;
    units *= 10;
    return true;
}

// A figure as 15 significant digits write it, the way the screens show it: whole
// units of 10^-decimals.
struct Decimal
{
    qint64 units = 0;
    int decimals = 0;
};

std::optional<Decimal> toDecimal(double value)
{
    if (!std::isfinite(value) || value < 0)
        return std::nullopt;
    if (value == 0)
        return Decimal{};
    // "d.dddddddddddddde±x": exactly as many significant digits as a figure is shown with.
    const QString written = QString::number(value, 'e', shownDigits - 1);
    const qsizetype e = written.indexOf(u'e');
    QString digits = written.left(e).remove(u'.');
    int power = written.mid(e + 1).toInt() - (shownDigits - 1);
    while (digits.endsWith(u'0')) {
        digits.chop(1);
        ++power;
    }
    Decimal decimal{digits.toLongLong(), 0};
    for (; power > 0; --power) {
        if (!timesTen(decimal.units))
            return std::nullopt;
    }
    decimal.decimals = -power;
    return decimal;
}

// The same figure with more decimals: 5 as 50000 units of 10^-4.
std::optional<qint64> withDecimals(Decimal decimal, int decimals)
{
    for (int i = decimal.decimals; i < decimals; ++i) {
        if (!timesTen(decimal.units))
            return std::nullopt;
    }
    return decimal.units;
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

// The part of a round after its full ones, in hundredths, to the nearest; never 0
// while something is left, so that the quotient never reads as full rounds alone.
qint64 quotientHundredths(qint64 rest, qint64 perRound)
{
    const qint64 nearest = rest <= std::numeric_limits<qint64>::max() / 400
                               ? (rest * 200 + perRound) / (2 * perRound)
                               : qint64(std::floor(double(rest) * 100 / double(perRound) + 0.5));
    return std::max<qint64>(nearest, 1);
}

// The plan once the gold owed is in exact units; no gold owed: one full round.
std::optional<RoundPlan> planFor(std::optional<Decimal> owed, double goldAtHand, double poorPeople)
{
    const std::optional<Decimal> atHand = toDecimal(goldAtHand);
    const bool wholePoor = std::isfinite(poorPeople) && poorPeople >= 1 && poorPeople == std::floor(poorPeople) &&
                           poorPeople <= double(largestUnits);
    if (!atHand || atHand->units == 0 || !wholePoor)
        return std::nullopt;

    RoundPlan plan;
    plan.decimals = std::max({2, atHand->decimals, owed ? owed->decimals : 0});
    if (plan.decimals > maxDecimals)
        return std::nullopt;
    const std::optional<qint64> atHandUnits = withDecimals(*atHand, plan.decimals);
    if (!atHandUnits || *atHandUnits > largestUnits)
        return std::nullopt;
    plan.goldAtHand = *atHandUnits;
    plan.poorPeople = qint64(poorPeople);
    if (plan.goldAtHand > largestUnits / plan.poorPeople)
        return std::nullopt;
    plan.perRound = plan.goldAtHand * plan.poorPeople;
    const std::optional<qint64> owedUnits = owed ? withDecimals(*owed, plan.decimals) : plan.perRound;
    if (!owedUnits || *owedUnits > largestUnits)
        return std::nullopt;
    plan.goldNeeded = *owedUnits;
    plan.fullRounds = plan.goldNeeded / plan.perRound;
    if (plan.fullRounds > std::numeric_limits<qint64>::max() / 100 - 1)
        return std::nullopt;
    const qint64 rest = plan.goldNeeded % plan.perRound;
    plan.lastRound = rest > 0 ? std::min(upToHundredths(rest, plan.decimals), plan.perRound) : 0;
    plan.totalRounds = plan.fullRounds + (plan.lastRound > 0 ? 1 : 0);
    plan.quotient = plan.fullRounds * 100 + (rest > 0 ? quotientHundredths(rest, plan.perRound) : 0);
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

qint64 RoundPlan::handovers() const
{
    // Full rounds × poor people fits: it is at most the units of the gold owed.
    return fullRounds * poorPeople + (lastRound > 0 ? pass(totalRounds).handovers() : 0);
}

std::optional<RoundPlan> planRounds(double goldOwed, double goldAtHand, double poorPeople)
{
    const std::optional<qint64> owed = hundredths(goldOwed, Rounding::Up);
    if (!owed)
        return std::nullopt;
    return planFor(Decimal{*owed, 2}, goldAtHand, poorPeople);
}

std::optional<RoundPlan> oneRound(double goldAtHand, double poorPeople)
{
    return planFor(std::nullopt, goldAtHand, poorPeople);
}

std::optional<qint64> exactHundredths(double value)
{
    const std::optional<Decimal> decimal = toDecimal(value);
    if (!decimal || decimal->decimals > 2)
        return std::nullopt;
    return withDecimals(*decimal, 2);
}

std::optional<qint64> hundredths(double value, Rounding rounding)
{
    const std::optional<Decimal> decimal = toDecimal(value);
    if (!decimal)
        return std::nullopt;
    if (decimal->decimals <= 2)
        return withDecimals(*decimal, 2);
    // Fifteen digits below 10^-17 are less than half a hundredth.
    if (decimal->decimals - 2 > 17)
        return rounding == Rounding::Up && decimal->units > 0 ? 1 : 0;
    const qint64 step = powerOfTen(decimal->decimals - 2);
    const qint64 whole = decimal->units / step;
    const qint64 rest = decimal->units % step;
    if (rounding == Rounding::Up)
        return whole + (rest > 0 ? 1 : 0);
    return whole + (rest >= step - rest ? 1 : 0);
}

double unitsToNumber(qint64 units, int decimals)
{
    return double(units) / std::pow(10.0, decimals);
}
