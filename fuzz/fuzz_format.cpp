// What formatNumber writes, CDbl and Val read back as the same value to 15
// significant digits, under the same locale; a value that is not finite is an
// overflow, never the text "inf" or "nan".

#include "common/errors.h"
#include "common/numbers.h"
#include "fuzzlocales.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

// Both values written with 15 significant digits read the same. Values past the
// largest one that 15 digits can write and read back are written as that one.
bool sameTo15Digits(double original, double readBack)
{
    constexpr double largestReadable = 1.79769313486231e308;
    if (std::fabs(original) > largestReadable)
        original = std::copysign(largestReadable, original);
    char a[32];
    char b[32];
    std::snprintf(a, sizeof a, "%.14e", original);
    std::snprintf(b, sizeof b, "%.14e", readBack);
    return std::strcmp(a, b) == 0;
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
