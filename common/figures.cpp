#include "common/figures.h"

#include "common/errors.h"
#include "common/numbers.h"

#include <cmath>
#include <limits>
#include <optional>

namespace {

struct Rule
{
    bool aboveZero = false;
    bool whole = false;
};

Rule ruleOf(Figure figure)
{
    switch (figure) {
    case Figure::GoldPrice:
    case Figure::GoldAtHand:
        return {.aboveZero = true};
    case Figure::PoorPeople:
        return {.aboveZero = true, .whole = true};
    case Figure::Age:
    case Figure::Years:
    case Figure::WheatPrice:
    case Figure::GoldNeeded:
        break;
    }
    return {};
}

double parseStrictly(const QString &text)
{
    const std::variant<double, ErrorKind> number = strictNumber(text);
    if (const ErrorKind *kind = std::get_if<ErrorKind>(&number))
        throw CalculationError(*kind == ErrorKind::Overflow ? Fault::TooLarge : Fault::NotANumber);
    return std::get<double>(number);
}

double parseLeniently(const QString &text)
{
    const std::optional<double> number = leadingNumber(text);
    if (!number)
        throw CalculationError(Fault::NotANumber);
    // The lenient parse holds a number beyond a double at the largest one.
    if (std::fabs(*number) == std::numeric_limits<double>::max())
        throw CalculationError(Fault::TooLarge);
    return *number;
}

} // namespace

double readFigure(const QString &text, Figure figure, Parsing parsing)
{
    if (text.trimmed().isEmpty())
        throw CalculationError(Fault::Empty);
    const double value = parsing == Parsing::Strict ? parseStrictly(text) : parseLeniently(text);
    if (const Fault fault = faultOf(value, figure); fault != Fault::None)
        throw CalculationError(fault);
    return value;
}

Fault faultOf(double value, Figure figure)
{
    const Rule rule = ruleOf(figure);
    if (!std::isfinite(value))
        return Fault::TooLarge;
    if (value < 0)
        return Fault::Negative;
    if (rule.aboveZero && value == 0)
        return Fault::Zero;
    if (rule.whole && value != std::floor(value))
        return Fault::NotWhole;
    return Fault::None;
}
