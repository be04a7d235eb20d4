// A date box gives a date only for a text in one of the accepted forms: day, month and
// a four-digit year, separated by the same one of '.', '/' or '-', with blanks around
// the whole; and that date is the one the text names. Two dates never crash or hang
// the ages worked out from them. Every date has a Hijri date, and the day after it is
// the next day of the same month or the first of the next: no month of Türkiye's
// calendar is shorter than 29 days or longer than 30.

#include "calc/hijri.h"
#include "calc/hijricalendar.h"
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

// Whether `next` is the day after `day`, where both come from Türkiye's calendar.
bool followsOn(const HijriDate &day, const HijriDate &next)
{
    const bool sound = day.day >= 1 && day.day <= 30 && day.month >= 1 && day.month <= 12 &&
                       !hijriDateText(day).isEmpty();
    if (day.reckoning != HijriReckoning::Criterion || next.reckoning != HijriReckoning::Criterion)
        return sound;
    const bool sameMonth = next.day == day.day + 1 && next.month == day.month && next.year == day.year;
    const bool nextMonth = next.day == 1 && day.day >= 29 &&
                           (day.month == 12 ? next.month == 1 && next.year == day.year + 1
                                            : next.month == day.month + 1 && next.year == day.year);
    return sound && (sameMonth || nextMonth);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = fuzzText(data, size);
    const std::variant<QDate, Fault> read = dateIn(text);
    if (const QDate *date = std::get_if<QDate>(&read)) {
        FUZZ_REQUIRE(namesDate(text, *date));
        FUZZ_REQUIRE(followsOn(hijriDateOf(*date), hijriDateOf(date->addDays(1))));
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
