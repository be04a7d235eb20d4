// What formatNumber writes, CDbl and Val read back as the same value to 15
// significant digits, under the same locale; a value that is not finite is an
// overflow, never the text "inf" or "nan".

#include "common/errors.h"
#include "common/numbers.h"
#include "fuzzlocales.h"

#include <cmath>
#include <cstring>

namespace {

// The value read back lies within half a unit of the 15th significant digit of the
// original (an exact tie may round either way), give or take the last bits of a
// double that the 15 digits themselves cannot hold exactly. Values past the largest one that
// 15 digits can write and read back are written as that one.
bool sameTo15Digits(double original, double readBack)
{
    if (std::fabs(original) > largestWritableNumber)
        original = std::copysign(largestWritableNumber, original);
    if (original == 0)
        return readBack == 0;
    const double unit = std::pow(10.0, std::floor(std::log10(std::fabs(original))) - 14);
    const double lastBits = 2 * (std::nextafter(std::fabs(original), HUGE_VAL) - std::fabs(original));
    return std::fabs(readBack - original) <= unit * 0.5 + lastBits;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size != sizeof(double))
        return -1;
    double value = 0;
    std::memcpy(&value, data, sizeof value);

    for (const QLocale &locale : fuzzLocales) {
        QLocale::setDefault(locale);
        if (!std::isfinite(value)) {
            try {
                formatNumber(value);
                FUZZ_REQUIRE(false);
            } catch (const CalculationError &error) {
                FUZZ_REQUIRE(error.kind() == ErrorKind::Overflow);
            }
            continue;
        }
        const QString text = formatNumber(value);
        FUZZ_REQUIRE(!text.contains(u'n') && !text.contains(u'i'));
        FUZZ_REQUIRE(sameTo15Digits(value, CDbl(text)));
        FUZZ_REQUIRE(sameTo15Digits(value, Val(text)));
    }
    return 0;
}
