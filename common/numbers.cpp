#include "common/numbers.h"

#include "common/errors.h"

#include <QLocale>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace {

// Any white space, the no-break space of a pasted price included, as the strict
// conversion trims it.
bool isBlank(QChar c)
{
    return c.isSpace();
}

// The characters that can continue a number, with the locale's decimal separator
// already turned into a point; from_chars then decides how far the number runs.
std::string leadingNumberCandidate(const QString &text, qsizetype from, QChar localeDecimal)
{
    std::string candidate;
    for (qsizetype i = from; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == localeDecimal)
            candidate.push_back('.');
        else if ((c >= u'0' && c <= u'9') || c == u'.' || c == u'e' || c == u'E' || c == u'+' || c == u'-')
            candidate.push_back(static_cast<char>(c.unicode()));
        else
            break;
    }
    return candidate;
}

// Where a run of digits written in groups of three by the locale's grouping separator
// ends ("1.250.000" on a Turkish system): one to three digits, then one or more groups
// of exactly three. -1 when the digits at `from` are not grouped that way, as in "12.5"
// or "1.000.5", where the separator is not a grouping one.
qsizetype groupedDigitsEnd(const QString &text, qsizetype from, QChar group)
{
    const auto isDigit = [&](qsizetype i) { return i < text.size() && text.at(i) >= u'0' && text.at(i) <= u'9'; };
    qsizetype pos = from;
    while (isDigit(pos) && pos - from < 4)
        ++pos;
    if (pos == from || pos - from > 3)
        return -1;
    int groups = 0;
    while (pos < text.size() && text.at(pos) == group) {
        if (!(isDigit(pos + 1) && isDigit(pos + 2) && isDigit(pos + 3)) || isDigit(pos + 4))
            return -1;
        pos += 4;
        ++groups;
    }
    return groups > 0 ? pos : -1;
}

// from_chars leaves the value alone when a number is out of range; its decimal
// order of magnitude tells a number too large for a double from one too small.
bool isTooLarge(std::string_view number)
{
    const size_t e = number.find_first_of("eE");
    const std::string_view mantissa = number.substr(0, e);
    long long exponent = 0;
    if (e != std::string_view::npos) {
        std::string_view digits = number.substr(e + 1);
        const bool negative = !digits.empty() && digits.front() == '-';
        if (!digits.empty() && (digits.front() == '-' || digits.front() == '+'))
            digits.remove_prefix(1);
        // Any exponent beyond this decides alone, whatever the digits before it.
        constexpr long long decisive = 1'000'000'000'000;
        if (std::from_chars(digits.data(), digits.data() + digits.size(), exponent).ec != std::errc())
            exponent = decisive;
        exponent = std::min(exponent, decisive);
        if (negative)
            exponent = -exponent;
    }
    const size_t firstSignificant = mantissa.find_first_of("123456789");
    if (firstSignificant == std::string_view::npos)
        return false;
    const size_t point = std::min(mantissa.find('.'), mantissa.size());
    const long long order = firstSignificant < point ? static_cast<long long>(point - firstSignificant) - 1
                                                     : -static_cast<long long>(firstSignificant - point);
    return order + exponent > 0;
}

QChar singleCharacter(const QString &separator, QChar otherwise)
{
    return separator.size() == 1 ? separator.at(0) : otherwise;
}

double finiteOrThrow(double value)
{
    if (!std::isfinite(value))
        throw CalculationError(ErrorKind::Overflow);
    return value;
}

} // namespace

std::optional<double> leadingNumber(const QString &text)
{
    qsizetype pos = 0;
    while (pos < text.size() && isBlank(text.at(pos)))
        ++pos;

    bool negative = false;
    if (pos < text.size() && (text.at(pos) == u'+' || text.at(pos) == u'-')) {
        negative = text.at(pos) == u'-';
        ++pos;
    }

    const QLocale locale;
    const QChar decimal = singleCharacter(locale.decimalPoint(), u'.');
    std::string candidate;
    // The whole part may be grouped in thousands, as a Turkish user writes a price
    // ("4.000"), the way the strict conversion of the other screens reads it: the
    // same text must never be 4000 on one screen and 4 on another.
    const QChar group = singleCharacter(locale.groupSeparator(), u'\0');
    const qsizetype groupedEnd = group.isNull() ? -1 : groupedDigitsEnd(text, pos, group);
    if (groupedEnd > 0) {
        for (; pos < groupedEnd; ++pos) {
            if (text.at(pos) != group)
                candidate.push_back(static_cast<char>(text.at(pos).unicode()));
        }
    }
    candidate += leadingNumberCandidate(text, pos, decimal);
    // from_chars would take a second sign, "inf" or "nan"; a number starts with a digit or a point.
    if (candidate.empty() || !(candidate.front() == '.' || (candidate.front() >= '0' && candidate.front() <= '9')))
        return std::nullopt;

    double value = 0;
    const auto [end, error] = std::from_chars(candidate.data(), candidate.data() + candidate.size(), value);
    if (error == std::errc::invalid_argument)
        return std::nullopt;
    if (error == std::errc::result_out_of_range) {
        const bool tooLarge = isTooLarge(
            std::string_view(candidate.data(), static_cast<size_t>(end - candidate.data())));
        value = tooLarge ? std::numeric_limits<double>::max() : 0.0;
    }
    return negative ? -value : value;
}

double Val(const QString &text)
{
    return leadingNumber(text).value_or(0.0);
}

std::variant<double, ErrorKind> strictNumber(const QString &text)
{
    bool ok = false;
    const double value = QLocale().toDouble(text, &ok);
    if (ok && std::isfinite(value))
        return value;
    // Qt refuses a well-formed number beyond the range of a double and gives it as an
    // infinity: the user wrote a number, too large to work with, not something else.
    // ("inf" and "nan", which Qt accepts, are words, not numbers.)
    if (!ok && std::isinf(value))
        return ErrorKind::Overflow;
    return ErrorKind::TypeMismatch;
}

double CDbl(const QString &text)
{
    const std::variant<double, ErrorKind> number = strictNumber(text);
    if (const ErrorKind *kind = std::get_if<ErrorKind>(&number))
        throw CalculationError(*kind);
    return std::get<double>(number);
}

QString formatNumber(double value)
{
    finiteOrThrow(value);
    // Fifteen digits round the largest doubles up past the largest finite one, and
    // that text could not be read back.
    if (std::fabs(value) > largestWritableNumber)
        value = std::copysign(largestWritableNumber, value);
    return writeNumber(value, QLocale(), Grouping::None);
}

QString writeNumber(double value, const QLocale &locale, Grouping grouping, int decimals)
{
    QLocale writer = locale;
    writer.setNumberOptions(grouping == Grouping::None ? QLocale::OmitGroupSeparator : QLocale::DefaultNumberOptions);
    if (value == 0)
        value = 0.0; // never "-0"
    QString written = decimals < 0 ? writer.toString(value, 'g', shownDigits) : writer.toString(value, 'f', decimals);
    // A negative figure that rounds to nothing at this many places is a zero.
    if (written.startsWith(writer.negativeSign()) && writer.toDouble(written.mid(writer.negativeSign().size())) == 0)
        written.remove(0, writer.negativeSign().size());
    return written;
}

double Round(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    const double scaled = value * scale;
    if (!std::isfinite(scaled) || std::fabs(scaled) >= 0x1p52)
        return value;                      // already whole at this many decimals
    return std::nearbyint(scaled) / scale; // the default rounding mode sends ties to even
}

double checkedMultiply(double a, double b)
{
    return finiteOrThrow(a * b);
}

double checkedDivide(double dividend, double divisor)
{
    if (divisor == 0)
        throw CalculationError(dividend == 0 || std::isnan(dividend) ? ErrorKind::Overflow : ErrorKind::DivisionByZero);
    return finiteOrThrow(dividend / divisor);
}

double checkedSubtract(double a, double b)
{
    return finiteOrThrow(a - b);
}
