#include "common/decimal.h"

#include "common/numbers.h"

#include <cmath>
#include <limits>

namespace {

using Digits = Decimal::Digits;

// Digits are kept below 10^37, so that ten times a remainder still fits in 128 bits.
constexpr int maxDigitCount = 37;

Digits tenTo(int exponent)
{
    Digits power = 1;
    for (int i = 0; i < exponent; ++i)
        power *= 10;
    return power;
}

const Digits limit = tenTo(maxDigitCount);

bool fits(Digits digits)
{
    return digits < limit && digits > -limit;
}

Decimal normalized(Digits digits, int exponent)
{
    if (digits == 0)
        return {};
    while (digits % 10 == 0) {
        digits /= 10;
        ++exponent;
    }
    return {digits, exponent};
}

// digits × 10^shift, where that still fits.
std::optional<Digits> shifted(Digits digits, int shift)
{
    for (; shift > 0; --shift) {
        digits *= 10;
        if (!fits(digits))
            return std::nullopt;
    }
    return digits;
}

// Both figures' digits over the smaller of their exponents.
struct Aligned
{
    Digits a = 0;
    Digits b = 0;
    int exponent = 0;
};

std::optional<Aligned> aligned(const Decimal &a, const Decimal &b)
{
    const int exponent = std::min(a.exponent, b.exponent);
    const auto da = shifted(a.digits, a.exponent - exponent);
    const auto db = shifted(b.digits, b.exponent - exponent);
    if (!da || !db)
        return std::nullopt;
    return Aligned{*da, *db, exponent};
}

QString digitText(Digits digits)
{
    QString text;
    do {
        text.prepend(QChar(u'0' + int(digits % 10)));
        digits /= 10;
    } while (digits > 0);
    return text;
}

// The quotient and remainder of a ÷ b at `places` places after the point of the
// integer quotient a ÷ b, by long division, so that no product grows past the digits.
struct LongDivision
{
    Digits quotient = 0;
    Digits remainder = 0;
    Digits divisor = 1;
};

std::optional<LongDivision> longDivide(Digits a, Digits b, int places)
{
    if (places < 0) {
        const std::optional<Digits> divisor = shifted(b, -places);
        if (!divisor) // a divisor beyond every dividend: nothing whole, less than half of it left
            return LongDivision{0, a, tenTo(maxDigitCount + 1)};
        return LongDivision{a / *divisor, a % *divisor, *divisor};
    }
    LongDivision division{a / b, a % b, b};
    for (int i = 0; i < places; ++i) {
        division.quotient = division.quotient * 10 + division.remainder * 10 / b;
        division.remainder = division.remainder * 10 % b;
        if (!fits(division.quotient))
            return std::nullopt;
    }
    return division;
}

bool roundsUp(Digits remainder, Digits divisor, Rounding rounding)
{
    switch (rounding) {
    case Rounding::Up:
        return remainder > 0;
    case Rounding::HalfUp:
        return remainder >= divisor - remainder;
    case Rounding::Down:
        break;
    }
    return false;
}

// How many places after the point the first significant digit of a ÷ b stands at
// (below 1 for a quotient of 1 or more: 1 − its count of whole digits).
int firstSignificantPlace(const Decimal &a, const Decimal &b)
{
    for (int place = 1 - maxDigitCount; place < 4 * maxDigitCount; ++place) {
        const auto cut = divide(a, b, place, Rounding::Down);
        if (!cut || !cut->value.isZero())
            return place;
    }
    return 4 * maxDigitCount;
}

} // namespace

Decimal Decimal::fromUnits(qint64 units, int decimals)
{
    return normalized(units, -decimals);
}

std::optional<Decimal> Decimal::fromShown(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    // "-d.dddddddddddddde±x": exactly as many significant digits as a figure is shown with.
    const QString written = QString::number(value, 'e', shownDigits - 1);
    const qsizetype e = written.indexOf(u'e');
    const QString digits = written.left(e).remove(u'.');
    return normalized(Digits(digits.toLongLong()), written.mid(e + 1).toInt() - (shownDigits - 1));
}

std::optional<qint64> Decimal::units(int places) const
{
    if (exponent < -places)
        return std::nullopt;
    const std::optional<Digits> count = shifted(digits, exponent + places);
    if (!count || *count > std::numeric_limits<qint64>::max() || *count < std::numeric_limits<qint64>::min())
        return std::nullopt;
    return qint64(*count);
}

double Decimal::toDouble() const
{
    return QStringLiteral("%1%2e%3")
        .arg(digits < 0 ? QStringLiteral("-") : QString(), digitText(digits < 0 ? -digits : digits))
        .arg(exponent)
        .toDouble();
}

bool operator<(const Decimal &a, const Decimal &b)
{
    const std::optional<Aligned> both = aligned(a, b);
    return both ? both->a < both->b : a.toDouble() < b.toDouble();
}

QString Decimal::written(const QLocale &locale, int minDecimals) const
{
    QString text = digitText(digits < 0 ? -digits : digits);
    if (exponent > 0)
        text += QString(exponent, u'0');
    const int places = std::max(decimals(), minDecimals);
    text += QString(places - decimals(), u'0');
    if (text.size() <= places)
        text.prepend(QString(places - text.size() + 1, u'0'));
    QString whole = text.left(text.size() - places);
    for (qsizetype at = whole.size() - 3; at > 0; at -= 3)
        whole.insert(at, locale.groupSeparator());
    const QString sign = digits < 0 ? locale.negativeSign() : QString();
    return places == 0 ? sign + whole : sign + whole + locale.decimalPoint() + text.right(places);
}

std::optional<Decimal> add(const Decimal &a, const Decimal &b)
{
    const std::optional<Aligned> both = aligned(a, b);
    if (!both || !fits(both->a + both->b))
        return std::nullopt;
    return normalized(both->a + both->b, both->exponent);
}

std::optional<Decimal> subtract(const Decimal &a, const Decimal &b)
{
    return add(a, Decimal{-b.digits, b.exponent});
}

std::optional<Decimal> multiply(const Decimal &a, const Decimal &b)
{
    // Checked by hand: the compilers' overflow builtin needs a runtime for 128 bits
    // that not every toolchain links.
    const Digits x = a.digits < 0 ? -a.digits : a.digits;
    const Digits y = b.digits < 0 ? -b.digits : b.digits;
    if (x != 0 && y > (limit - 1) / x)
        return std::nullopt;
    return normalized(a.digits * b.digits, a.exponent + b.exponent);
}

std::optional<Decimal> roundTo(const Decimal &value, int decimals, Rounding rounding)
{
    if (value.decimals() <= decimals)
        return value;
    const auto cut = divide(value, Decimal{1, 0}, decimals, rounding);
    return cut ? std::optional(cut->value) : std::nullopt;
}

std::optional<Quotient> divide(const Decimal &a, const Decimal &b, int decimals, Rounding rounding)
{
    if (a.digits < 0 || b.digits <= 0)
        return std::nullopt;
    const std::optional<LongDivision> division = longDivide(a.digits, b.digits, a.exponent - b.exponent + decimals);
    if (!division)
        return std::nullopt;
    const Digits quotient = division->quotient + (roundsUp(division->remainder, division->divisor, rounding) ? 1 : 0);
    if (!fits(quotient))
        return std::nullopt;
    return Quotient{normalized(quotient, -decimals), division->remainder == 0};
}

std::optional<Quotient> divideToShownDigits(const Decimal &a, const Decimal &b)
{
    if (a.isZero())
        return Quotient{{}, true};
    return divide(a, b, firstSignificantPlace(a, b) + shownDigits - 1, Rounding::HalfUp);
}

std::optional<Quotient> divideForReading(const Decimal &a, const Decimal &b, int decimals)
{
    for (int places = decimals; places <= 4 * maxDigitCount; ++places) {
        const std::optional<Quotient> quotient = divide(a, b, places, Rounding::HalfUp);
        if (!quotient || quotient->exact || (!quotient->value.isZero() && !quotient->value.isWhole()))
            return quotient;
    }
    return std::nullopt;
}
