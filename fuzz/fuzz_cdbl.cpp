// CDbl gives a finite number, or raises a type mismatch or (a number too large) an
// overflow; nothing else. Where it gives a number, Val reads the same one, so that a
// figure means the same on a screen that reads strictly and on one that reads leniently.

#include "common/errors.h"
#include "common/numbers.h"
#include "fuzzlocales.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = fuzzText(data, size);
    for (const QLocale &locale : fuzzLocales) {
        QLocale::setDefault(locale);
        try {
            const double strict = CDbl(text);
            FUZZ_REQUIRE(std::isfinite(strict));
            FUZZ_REQUIRE(Val(text) == strict);
        } catch (const CalculationError &error) {
            FUZZ_REQUIRE(error.kind() == ErrorKind::TypeMismatch || error.kind() == ErrorKind::Overflow);
        }
    }
    return 0;
}
