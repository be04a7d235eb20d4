#pragma once

#include "common/errors.h"

#include <QString>

// The figures the screens read from their boxes, and what each may be. Every screen
// holds a figure to the same rule, so that a slip is named the same way everywhere
// instead of turning into a plausible result.
enum class Figure {
    Age,        // an age in years, solar or Hijri: not below 0
    Years,      // the years to settle, read back from their box: not below 0
    WheatPrice, // lira for a kg of wheat: not below 0
    GoldPrice,  // lira for a gram of gold: above 0, as the wheat's value is divided by it
    GoldAtHand, // grams: above 0, as the gold needed is divided among the rounds
    PoorPeople, // people: a whole number above 0
    GoldNeeded, // grams, read back from their box: not below 0, and there at all
};

enum class Parsing {
    Lenient, // Val: the leading number of the text
    Strict,  // CDbl: the whole text, by the locale
};

// The figure a box's text holds. Throws a CalculationError whose fault says what is
// wrong: nothing typed, no number, a number beyond a double, or one the figure
// cannot be (negative, zero where it divides, a fraction of a person).
double readFigure(const QString &text, Figure figure, Parsing parsing);

// What is wrong with a number as `figure`: Fault::None when its box would take it.
// (A value that is not finite is too large.)
Fault faultOf(double value, Figure figure);
