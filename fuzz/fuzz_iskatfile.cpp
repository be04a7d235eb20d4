// An iskât file gives a case only where that case, saved again, reads back the same: no
// bytes give a case that a saved file could not hold. No bytes crash or hang the reader,
// nor the record of the ceremony worked out from the case they give.

#include "calc/devirrecord.h"
#include "calc/iskatfile.h"
#include "common/errors.h"
#include "fuzzlocales.h"

namespace {

// A saved screen calculated again with the arithmetic the screens use.
ScreenState standingOf(const ScreenCase &saved, Expiation expiation)
{
    if (!saved.goldCalculated)
        return {};
    RecordFigures f{.wheatPrice = *saved.wheatPrice,
                    .goldPrice = *saved.goldPrice,
                    .hijriAge = *saved.hijriAge,
                    .sex = saved.sex,
                    .pricesDay = saved.pricesDay};
    try {
        f.years = yearsToSettle(f.hijriAge, f.sex);
        f.goldNeeded = expiation == Expiation::Prayers
                           ? goldWorth(wheatValue(prayerWheat(f.years), f.wheatPrice), f.goldPrice)
                           : fastingGold(f.years, f.wheatPrice, f.goldPrice);
        if (saved.roundsCounted) {
            const double perRound = goldPerRound(*saved.goldAtHand, *saved.poorPeople);
            f.rounds = RecordFigures::Rounds{*saved.goldAtHand, *saved.poorPeople,
                                             roundsNeeded(f.goldNeeded, perRound)};
        }
    } catch (const CalculationError &) {
        return {};
    }
    return {Standing::Calculated, f};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const std::variant<IskatCase, QString> read = readIskatFile(bytes);
    const auto *saved = std::get_if<IskatCase>(&read);
    if (!saved) {
        FUZZ_REQUIRE(!std::get<QString>(read).isEmpty());
        return 0;
    }
    const std::variant<IskatCase, QString> again = readIskatFile(writeIskatFile(*saved));
    FUZZ_REQUIRE(std::holds_alternative<IskatCase>(again) && std::get<IskatCase>(again) == *saved);
    const Ceremony ceremony = planCeremony(standingOf(saved->prayers, Expiation::Prayers),
                                           standingOf(saved->fasts, Expiation::Fasts), saved->names);
    FUZZ_REQUIRE(!devirRecordHtml(ceremony, QDate(2026, 12, 9)).isEmpty());
    return 0;
}
