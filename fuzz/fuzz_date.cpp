// A date box gives a date only for a text in one of the accepted forms: day, month and
// a four-digit year, separated by the same one of '.', '/' or '-', with blanks around
// the whole; and that date is the one the text names. Two dates never crash or hang
// the ages worked out from them.

#include "calc/hijri.h"
#include "fuzzlocales.h"

#include <QStringList>

namespace {

// The text, checked here without a pattern: its three parts of ASCII digits, of
// lengths 1–2, 1–2 and 4, are the day, the month and the year of `date`.
bool namesDate(const QString &text, QDate date)
{
    const QString trimmed = text.trimmed();
    for (QChar separator : {u'.', u'/', u'-'}) {
        const QStringList parts = trimmed.split(separator);
        if (parts.size() != 3)
            continue;
        const auto digits = [](const QString &part, qsizetype shortest, qsizetype longest) {
            if (part.size() < shortest || part.size() > longest)
                return -1;
            int value = 0;
            for (QChar c : part) {
                if (c < u'0' || c > u'9')
                    return -1;
                value = value * 10 + (c.unicode() - u'0');
            }
            return value;
        };
        return digits(parts[0], 1, 2) == date.day() && digits(parts[1], 1, 2) == date.month() &&
               digits(parts[2], 4, 4) == date.year();
    }
    return false;
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
