// Val never fails: for any text it gives a finite number (0 when there is none).

#include "common/numbers.h"
#include "fuzzlocales.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = fuzzText(data, size);
    for (const QLocale &locale : fuzzLocales) {
        QLocale::setDefault(locale);
        FUZZ_REQUIRE(std::isfinite(Val(text)));
    }
    return 0;
}
