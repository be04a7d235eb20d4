#pragma once

#include "common/errors.h"

#include <QLocale>
#include <QString>

#include <algorithm>
#include <cmath>
#include <optional>
#include <variant>

// Number helpers shared by every calculation. They read and write numbers the way
// the screens show them, by the locale in force at the moment of the call
// (QLocale()), never by a copy of the separators taken at start-up.

// Lenient parse: skips leading white space and reads the longest leading number
// (sign, digits, one decimal point, exponent). A point is always a decimal point;
// so is the locale's own decimal separator, because the screens read back results
// they wrote in the locale's form and a Turkish user types 12,5. The locale's
// grouping separator is read where it groups the whole part in threes ("4.000" and
// "1.250.000,5" on a Turkish system, "4,000" on an English one), so that a price
// means the same on every screen, whichever parse the screen uses; a point that
// does not group that way ("12.5") stays a decimal point. Anything else ends the
// number. Never fails: a text without a leading number gives 0; a number beyond
// the range of a double is clamped to the largest finite double of its sign, one
// too small to hold gives 0.
double Val(const QString &text);
// The same reading, telling a text that holds no leading number from a 0.
std::optional<double> leadingNumber(const QString &text);

// Strict parse: the whole text (blanks around it allowed) by the locale's rules,
// grouping separators only between groups of three digits. Gives the number, or
// the error's kind: an overflow for a number beyond the range of a double, a type
// mismatch for any text that is not a number at all.
std::variant<double, ErrorKind> strictNumber(const QString &text);
// The same, throwing a CalculationError of that kind.
double CDbl(const QString &text);

// How many significant digits a figure is shown with, on a screen and in the record.
inline constexpr int shownDigits = 15;

// The largest value that 15 significant digits can write and read back; larger
// doubles are written as this one.
inline constexpr double largestWritableNumber = 1.79769313486231e308;

// The text a result is written as: up to 15 significant digits, no grouping,
// the locale's decimal separator, no trailing zeros, exponent form for very large
// or very small values. Throws an overflow CalculationError for a value that is
// not finite, so a box never shows "inf" or "nan".
QString formatNumber(double value);

// The one writer of figures for reading, in `locale`: grouped thousands or none, and
// either up to 15 significant digits without trailing zeros (`decimals` below 0) or
// exactly `decimals` places. A zero is never written "-0". The value must be finite.
enum class Grouping {
    None,
    Thousands
};
inline constexpr int significantDigits = -1;
QString writeNumber(double value, const QLocale &locale, Grouping grouping, int decimals = significantDigits);

// Rounds to `decimals` places, a tie going to the even neighbour (0,25 → 0,2;
// 0,35 → 0,4; 2,5 → 2). The tie is judged on the double scaled by 10^decimals: at one
// decimal that is the tie as written, while at two the binary value can fall either
// side of it (1,015 → 1,01 but 8,345 → 8,35), as a double cannot hold those figures.
double Round(double value, int decimals);

// Checked arithmetic: each throws a CalculationError instead of giving a value
// that is not a finite number. Division by zero is a division-by-zero error,
// except 0 ÷ 0, which has no value at all and is an overflow.
double checkedMultiply(double a, double b);
double checkedDivide(double dividend, double divisor);
double checkedSubtract(double a, double b);

// Of the figures a calculation read before it went beyond a double, the one at fault:
// only a figure far too large or far too small takes a product or a quotient there, so
// the one farthest from 1 in order of magnitude. `value` gives a reading's figure;
// `end` where nothing was read.
template<typename Iterator, typename Value>
Iterator farthestFromOne(Iterator begin, Iterator end, Value value)
{
    const auto distance = [&](const auto &reading) {
        const double figure = value(reading);
        return figure == 0 ? 0.0 : std::fabs(std::log10(std::fabs(figure)));
    };
    return std::max_element(begin, end, [&](const auto &a, const auto &b) { return distance(a) < distance(b); });
}
