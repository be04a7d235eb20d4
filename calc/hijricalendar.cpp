#include "calc/hijricalendar.h"

#include "calc/crescent.h"
#include "calc/words.h"

#include <QCalendar>
#include <QLocale>

#include <cmath>
#include <map>
#include <mutex>

namespace {

constexpr double meanLunation = 29.530588853; // days

// The first month of Türkiye's calendar: 1 Muharrem 1438, the day after the new moon
// of 1 October 2016, 00:12 UTC. Months are numbered by counting new moons from it.
constexpr int firstYear = 1438;
const QDate firstDay(2016, 10, 2);
constexpr JulianDay firstNewMoonNear = 2457662.5;

// The beginnings worked out so far, by month number. One lock for them and for the
// computation, whose library keeps its last lunar position in a static.
std::mutex beginningsLock;
std::map<qint64, MonthBeginning> beginnings;

MonthBeginning beginningOf(qint64 month)
{
    const auto known = beginnings.find(month);
    if (known != beginnings.end())
        return known->second;
    const MonthBeginning found = monthBeginningAfter(newMoonNear(firstNewMoonNear + double(month) * meanLunation));
    beginnings.emplace(month, found);
    return found;
}

HijriDate tabularDate(QDate date)
{
    const QCalendar::YearMonthDay parts = QCalendar(QCalendar::System::IslamicCivil).partsFromDate(date);
    return {.day = parts.day, .month = parts.month, .year = parts.year, .reckoning = HijriReckoning::Tabular};
}

} // namespace

HijriDate hijriDateOf(QDate date)
{
    if (date < firstDay)
        return tabularDate(date);
    const std::lock_guard lock(beginningsLock);
    auto month = qint64(std::floor(double(firstDay.daysTo(date)) / meanLunation));
    while (month > 0 && date < beginningOf(month).earliest)
        --month;
    // No month is shorter than 29 days: the next one is looked for only on the 30th.
    while (date >= beginningOf(month).earliest.addDays(29) && date >= beginningOf(month + 1).earliest)
        ++month;
    const MonthBeginning beginning = beginningOf(month);
    if (!beginning.decided() || date < beginning.earliest)
        return tabularDate(date);
    return {.day = int(beginning.earliest.daysTo(date)) + 1,
            .month = int(month % 12) + 1,
            .year = firstYear + int(month / 12),
            .reckoning = HijriReckoning::Criterion};
}

QString hijriDateText(const HijriDate &date)
{
    const QString month = QCalendar(QCalendar::System::IslamicCivil).monthName(turkishLocale(), date.month, date.year);
    return QStringLiteral("%1 %2 %3").arg(QString::number(date.day), month, QString::number(date.year));
}
