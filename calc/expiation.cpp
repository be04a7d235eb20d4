#include "calc/expiation.h"

#include "common/numbers.h"

#include <algorithm>

namespace {

constexpr double womanAgeOfObligation = 9;
constexpr double manAgeOfObligation = 12;
constexpr double fixedRuleGramsPerYear = 432; // 36 g a month
constexpr double wheatKgPerYearOfPrayers = 3800;
constexpr double wheatKgPerYearOfFasts = 52.5; // 30 days of 1.75 kg
constexpr int roundsDecimals = 1;

} // namespace

double ageOfObligation(Sex sex)
{
    return sex == Sex::Woman ? womanAgeOfObligation : manAgeOfObligation;
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

double fastingGold(double years, double wheatPrice, double goldPrice)
{
    const double wheatValue = checkedMultiply(checkedMultiply(years, wheatPrice), wheatKgPerYearOfFasts);
    return checkedDivide(wheatValue, goldPrice);
}

double goldPerRound(double goldAtHand, double poorPeople)
{
    return checkedMultiply(goldAtHand, poorPeople);
}

double roundsNeeded(double goldNeeded, double goldPerRound)
{
    return Round(checkedDivide(goldNeeded, goldPerRound), roundsDecimals);
}
