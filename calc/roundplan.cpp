#include "calc/roundplan.h"

#include <QString>

#include <cmath>
#include <limits>

namespace {

constexpr qint64 largestUnits = std::numeric_limits<qint64>::max() / 10;

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
    // "d.dddddddddddddde±x": exactly fifteen significant digits.
    const QString written = QString::number(value, 'e', 14);
    const qsizetype e = written.indexOf(u'e');
    QString digits = written.left(e).remove(u'.');
    int power = written.mid(e + 1).toInt() - 14;
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

RoundPlan::Pass fullRound(const RoundPlan &plan, qint64 number)
{
    return {number, QList<qint64>(plan.poorPeople, plan.goldAtHand), plan.goldNeeded - number * plan.perRound};
}

RoundPlan::Pass shortRound(const RoundPlan &plan)
{
    RoundPlan::Pass round{plan.totalRounds, {}, 0};
    for (qint64 left = plan.lastRound; left > 0; left -= round.handovers.last())
        round.handovers.append(std::min(left, plan.goldAtHand));
    return round;
}

// Hand-overs in the short last round: whole gold at hand to each poor person in turn
// until what is owed is given.
qint64 lastRoundHandovers(const RoundPlan &plan)
{
    return (plan.lastRound + plan.goldAtHand - 1) / plan.goldAtHand;
}

void listRounds(RoundPlan &plan, qint64 listable)
{
    qint64 handovers = 0;
    for (qint64 number = 1; number <= plan.totalRounds; ++number) {
        const bool full = number <= plan.fullRounds;
        const qint64 inRound = full ? plan.poorPeople : lastRoundHandovers(plan);
        if (handovers + inRound > listable)
            return;
        handovers += inRound;
        plan.listed.append(full ? fullRound(plan, number) : shortRound(plan));
    }
}

} // namespace

qint64 RoundPlan::unlistedFullRounds() const
{
    return std::max<qint64>(0, fullRounds - qint64(listed.size()));
}

qint64 RoundPlan::listedHandovers() const
{
    qint64 count = 0;
    for (const Pass &pass : listed)
        count += pass.handovers.size();
    return count;
}

qint64 RoundPlan::handovers() const
{
    // Full rounds × poor people fits: it is at most the units of the gold needed.
    return fullRounds * poorPeople + (lastRound > 0 ? lastRoundHandovers(*this) : 0);
}

std::optional<RoundPlan> planRounds(double goldNeeded, double goldAtHand, double poorPeople, qint64 listable)
{
    const std::optional<Decimal> needed = toDecimal(goldNeeded);
    const std::optional<Decimal> atHand = toDecimal(goldAtHand);
    const bool wholePoor = std::isfinite(poorPeople) && poorPeople >= 1 && poorPeople == std::floor(poorPeople) &&
                           poorPeople <= double(largestUnits);
    if (!needed || !atHand || atHand->units == 0 || !wholePoor)
        return std::nullopt;

    RoundPlan plan;
    plan.decimals = std::max(needed->decimals, atHand->decimals);
    const std::optional<qint64> neededUnits = withDecimals(*needed, plan.decimals);
    const std::optional<qint64> atHandUnits = withDecimals(*atHand, plan.decimals);
    if (!neededUnits || !atHandUnits)
        return std::nullopt;
    plan.goldNeeded = *neededUnits;
    plan.goldAtHand = *atHandUnits;
    plan.poorPeople = qint64(poorPeople);
    if (plan.goldAtHand > largestUnits / plan.poorPeople)
        return std::nullopt;
    plan.perRound = plan.goldAtHand * plan.poorPeople;
    plan.fullRounds = plan.goldNeeded / plan.perRound;
    plan.lastRound = plan.goldNeeded % plan.perRound;
    plan.totalRounds = plan.fullRounds + (plan.lastRound > 0 ? 1 : 0);
    listRounds(plan, listable);
    return plan;
}

double unitsToGrams(qint64 units, int decimals)
{
    return double(units) / std::pow(10.0, decimals);
}
