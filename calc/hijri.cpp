#include "calc/hijri.h"

#include "common/numbers.h"

namespace {

constexpr double daysInSolarYear = 365.242;
constexpr double daysInLunarYear = 354.367;

} // namespace

double hijriAge(double solarYears)
{
    // Multiply first, then divide, as the figures were always worked out.
    return Round(checkedDivide(checkedMultiply(solarYears, daysInSolarYear), daysInLunarYear), 2);
}
