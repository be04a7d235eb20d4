// What formatNumber writes, CDbl and Val read back as the same value to 15
// significant digits, under the same locale; a value that is not finite is an
// overflow, never the text "inf" or "nan".

#include "common/errors.h"
#include "common/numbers.h"
#include "fuzzlocales.h"

#include <cmath>
#include <cstring>

namespace {

bool sameTo15Digits(double a, double b)
{
    return a == b || std::fabs(a - b) <= std::fabs(a) * 5e-15;
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
