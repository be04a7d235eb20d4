// An iskât file gives a case only where that case, saved again, reads back the same: no
// bytes give a case that a saved file could not hold. Every case it gives calculates
// again as the screens calculate it, without a calculation error. No bytes crash or hang
// the reader, nor the record of the ceremony worked out from the case they give.

#include "calc/devirrecord.h"
#include "calc/iskatfile.h"
#include "calc/recalculation.h"
#include "fuzzlocales.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QDate today(2026, 12, 9);
    const std::variant<IskatCase, QString> read = readIskatFile(bytes, today);
    const auto *saved = std::get_if<IskatCase>(&read);
    if (!saved) {
        FUZZ_REQUIRE(!std::get<QString>(read).isEmpty());
        return 0;
    }
    const std::variant<IskatCase, QString> again = readIskatFile(writeIskatFile(*saved), today);
    FUZZ_REQUIRE(std::holds_alternative<IskatCase>(again) && std::get<IskatCase>(again) == *saved);
    const auto prayers = calculateAgain(saved->prayers, Expiation::Prayers);
    const auto fasts = calculateAgain(saved->fasts, Expiation::Fasts);
    FUZZ_REQUIRE(std::holds_alternative<ScreenState>(prayers) && std::holds_alternative<ScreenState>(fasts));
    const Ceremony ceremony = planCeremony(std::get<ScreenState>(prayers), std::get<ScreenState>(fasts), saved->names);
    FUZZ_REQUIRE(!devirRecordHtml(ceremony, today).isEmpty());
    return 0;
}
