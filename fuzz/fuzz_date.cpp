// A date box gives a date only for a text in one of the accepted forms: day, month and
// a four-digit year, separated by the same one of '.', '/' or '-', with blanks around
// the whole; and that date is the one the text names. Two dates never crash or hang
// the ages worked out from them.

#include "calc/hijri.h"
#include "fuzzlocales.h"

#include <QStringList>

#include <algorithm>

namespace {

// The text, checked here without a pattern: split at the '.', '/' or '-' that ends its
// month, its three parts are ASCII digits, of lengths 1–2, 1–2 and 4, naming `date`.
bool namesDate(const QString &text, QDate date)
{
    const QString trimmed = text.trimmed();
    const QChar separator = trimmed.size() > 5 ? trimmed.at(trimmed.size() - 5) : QChar();
    const QStringList parts = QStringLiteral("./-").contains(separator) ? trimmed.split(separator) : QStringList();
    const auto digits = [](const QString &part) {
        return std::all_of(part.cbegin(), part.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    };
    return parts.size() == 3 && std::all_of(parts.cbegin(), parts.cend(), digits) && parts[0].size() <= 2 &&
           parts[1].size() <= 2 && parts[2].size() == 4 && parts[0].toInt() == date.day() &&
           parts[1].toInt() == date.month() && parts[2].toInt() == date.year();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = fuzzText(data, size);
    try {
        FUZZ_REQUIRE(namesDate(text, readDate(text)));
    } catch (const CalculationError &) {
    }
    // The same text split in two, as the two boxes of a life.
    const qsizetype middle = text.size() / 2;
    for (const QLocale &locale : fuzzLocales) {
        QLocale::setDefault(locale);
        try {
            const AgeFromDates ages = ageFromDates(text.left(middle), text.mid(middle), QDate(2026, 12, 9));
            FUZZ_REQUIRE(ages.solarAge >= 0 && ages.solarAge <= 150 && ages.hijriAge >= ages.solarAge);
            FUZZ_REQUIRE(!hijriDatesLine(ages).isEmpty());
        } catch (const CalculationError &) {
        }
    }
    return 0;
}
