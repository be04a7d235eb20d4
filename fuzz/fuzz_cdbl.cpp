// CDbl gives a finite number, or raises a type mismatch or (a number too large) an
// overflow; nothing else.

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
            FUZZ_REQUIRE(std::isfinite(CDbl(text)));
        } catch (const CalculationError &error) {
            FUZZ_REQUIRE(error.kind() == ErrorKind::TypeMismatch || error.kind() == ErrorKind::Overflow);
        }
    }
    return 0;
}
