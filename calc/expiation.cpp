#include "calc/expiation.h"

#include "common/captions.h"
#include "common/numbers.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double womanAgeOfObligation = 9;
constexpr double manAgeOfObligation = 12;
constexpr double fixedRuleGramsPerYear = 432; // 36 g a month
constexpr int roundsDecimals = 1;

} // namespace

double ageOfObligation(Sex sex)
{
    return sex == Sex::Woman ? womanAgeOfObligation : manAgeOfObligation;
}

QString sexWord(Sex sex)
{
    return (sex == Sex::Woman ? Caption::woman : Caption::man).toString();
}

double yearsToSettle(double hijriAge, Sex sex)
{
    return std::max(0.0, checkedSubtract(hijriAge, ageOfObligation(sex)));
}

double fixedRuleGold(double years)
{
    return checkedMultiply(years, fixedRuleGramsPerYear);
}

double prayerWheat(double years)
{
    return checkedMultiply(years, wheatKgPerYearOfPrayers);
}

double wheatValue(double wheatKg, double wheatPrice)
{
    return checkedMultiply(wheatKg, wheatPrice);
}

double goldWorth(double value, double goldPrice)
{
    return checkedDivide(value, goldPrice);
}

double fastingYearsAtPrice(double years, double wheatPrice)
{
    return checkedMultiply(years, wheatPrice);
}

double fastingValue(double yearsAtPrice)
{
    return checkedMultiply(yearsAtPrice, wheatKgPerYearOfFasts);
}

double fastingGold(double years, double wheatPrice, double goldPrice)
{
    return goldWorth(fastingValue(fastingYearsAtPrice(years, wheatPrice)), goldPrice);
}

double fitraValue(double wheatPrice)
{
    return checkedMultiply(wheatKgPerFitra, wheatPrice);
}

double goldPerRound(double goldAtHand, double poorPeople)
{
    return checkedMultiply(goldAtHand, poorPeople);
}

double roundsNeeded(double goldNeeded, double goldPerRound)
{
    const double rounds = checkedDivide(goldNeeded, goldPerRound);
    const double shown = Round(rounds, roundsDecimals);
    if (shown != 0 || rounds <= 0)
        return shown;
    // The first decimal place that is not zero: 0,0406 has it second.
    return Round(rounds, int(std::ceil(-std::log10(rounds))));
}
