#pragma once

// The arithmetic of the two expiation screens, as plain functions of doubles.
// Each throws a CalculationError where the result would not be a finite number.

#include <QString>

enum class Sex {
    Woman,
    Man
};

// The rule's constants, as the records write them.
inline constexpr double wheatKgPerYearOfPrayers = 3800;
inline constexpr double wheatKgPerYearOfFasts = 52.5; // 30 days of one fıtra
inline constexpr double wheatKgPerFitra = 1.75;       // half a sa' of wheat

// The age of religious obligation where puberty is unrecorded: 9 for a woman, 12 for a man.
double ageOfObligation(Sex sex);

// The sex as the record writes it, in the words of its buttons: "Kadın", "Erkek".
QString sexWord(Sex sex);

// The years to settle for a Hijri age. An age below the age of obligation, or no
// age at all, leaves nothing to settle: never a negative number of years.
double yearsToSettle(double hijriAge, Sex sex);

// Grams of gold by the fixed rule of 36 g a month, 432 g a year.
double fixedRuleGold(double years);

// Grams of gold worth the wheat that settles the prayers, 3800 kg a year, step by
// step, for a screen that reads each figure only when it needs it:
// goldWorth(wheatValue(prayerWheat(years), wheatPrice), goldPrice).
double prayerWheat(double years);                     // kg of wheat
double wheatValue(double wheatKg, double wheatPrice); // lira
double goldWorth(double value, double goldPrice);     // grams of gold

// Grams of gold worth the wheat that settles the Ramadan fasts, 52.5 kg a year, in the
// screen's order: goldWorth(fastingValue(fastingYearsAtPrice(years, wheatPrice)), goldPrice).
double fastingYearsAtPrice(double years, double wheatPrice); // years × lira for a kg
double fastingValue(double yearsAtPrice);                    // lira
double fastingGold(double years, double wheatPrice, double goldPrice);

// The value of one fıtra, 1.75 kg of wheat, in lira.
double fitraValue(double wheatPrice);

// The gold that goes round in one round: what is at hand, once to each poor person.
double goldPerRound(double goldAtHand, double poorPeople);

// How many rounds pass the needed gold, to one decimal; a count below 0,05 while gold
// is owed is rounded at its first decimal that is not zero (0,04), so that a debt
// never reads as no round at all.
double roundsNeeded(double goldNeeded, double goldPerRound);
