#pragma once

#include <QLocale>
#include <QString>
#include <QtGlobal>

#include <optional>

// How a figure is cut at its last place: up (gold and money handed over, never less
// than owed), half up (a figure written for checking), or down.
enum class Rounding {
    Up,
    HalfUp,
    Down
};

// An exact decimal figure, digits × 10^exponent, for arithmetic written out to be
// checked by hand: 9,79 − 9 is 0,79 here, where a double gives 0,789999999999999.
// The digits are held in 128 bits (GCC and Clang, the compilers Karvela is built with);
// every operation that would need more gives nothing instead of a wrong figure.
struct Decimal
{
    __extension__ typedef __int128 Digits;

    // Always without trailing zeros in its digits, so that equal figures compare equal.
    Digits digits = 0;
    int exponent = 0;

    // units × 10^-decimals: 1875 and 2 give 18,75.
    static Decimal fromUnits(qint64 units, int decimals);
    // A double as the screens show it: its 15 significant digits, so that a figure
    // typed with no more digits than that comes back as it was typed (0.1 → 0,1).
    // Nothing for a value that is not finite.
    static std::optional<Decimal> fromShown(double value);

    bool isZero() const { return digits == 0; }
    bool isWhole() const { return exponent >= 0; }
    // Places after the decimal point, without trailing zeros.
    int decimals() const { return exponent < 0 ? -exponent : 0; }
    // The figure as a whole count of units of 10^-decimals, where it has no more
    // decimals than that and the count fits in 64 bits.
    std::optional<qint64> units(int decimals) const;
    double toDouble() const;

    friend bool operator==(const Decimal &, const Decimal &) = default;
    friend bool operator<(const Decimal &a, const Decimal &b);

    // Written for reading in `locale`: every digit, grouped in thousands, at least
    // `minDecimals` places ("0,79", "456,225", "2.758.800", "12,50").
    QString written(const QLocale &locale, int minDecimals = 0) const;
};

std::optional<Decimal> add(const Decimal &a, const Decimal &b);
std::optional<Decimal> subtract(const Decimal &a, const Decimal &b);
std::optional<Decimal> multiply(const Decimal &a, const Decimal &b);
// The figure (not below 0) cut at `decimals` places.
std::optional<Decimal> roundTo(const Decimal &value, int decimals, Rounding rounding);

// a ÷ b (a not below 0, b above 0) cut at `decimals` places, and whether that is the
// whole quotient.
struct Quotient
{
    Decimal value;
    bool exact = false;
};
std::optional<Quotient> divide(const Decimal &a, const Decimal &b, int decimals, Rounding rounding);
// a ÷ b written for checking: 15 significant digits, rounded half up, or fewer where
// the quotient ends sooner.
std::optional<Quotient> divideToShownDigits(const Decimal &a, const Decimal &b);
// a ÷ b, rounded half up, with as many places as a reader needs to see what it is: at
// least `decimals`, more while the figure would read as 0 or as a whole number that it
// is not ("9,30 ÷ 3.000 = 0,0031", "90,001 ÷ 90 = 1,00001").
std::optional<Quotient> divideForReading(const Decimal &a, const Decimal &b, int decimals = 2);
