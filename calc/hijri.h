#pragma once

#include "common/errors.h"

#include <QDate>
#include <QString>

#include <variant>

// An age in solar years as an age in Hijri (lunar) years, to two decimals.
double hijriAge(double solarYears);

// The two dates a life is measured between.
// In this order, the inputs of the calculation that reads them.
enum class LifeDate {
    Birth,
    Death
};

// A slip in one of the two dates: what is wrong, and which date it is in, as the
// calculation's input of that number (the birth first).
class DateSlip : public CalculationError
{
public:
    DateSlip(Fault fault, LifeDate date) : CalculationError(fault, int(date)) {}
    LifeDate date() const { return LifeDate(input()); }
};

// The ages of a life from its two dates, each to two decimals, and the dates themselves.
struct AgeFromDates
{
    QDate birth;
    QDate death;
    double solarAge = 0; // days ÷ 365.242
    double hijriAge = 0; // days ÷ 354.367
};

// The date a text holds, written as a Turkish user writes it: day, month and a year of
// four digits, separated by the same one of '.', '/' or '-' (23.04.1951, 1/5/1950),
// blanks around the whole allowed; or the fault that says why a text is no date. No
// other text ever gives a date.
std::variant<QDate, Fault> dateIn(const QString &text);

// The ages from the texts of the two date boxes, as of `today`. Throws a DateSlip
// that names the box at fault: a date that cannot be read, a death before the birth
// or after today, or an age above 150 solar years.
AgeFromDates ageFromDates(const QString &birth, const QString &death, QDate today);

// The line that shows the ages' Hijri side: "80,03 hicri yıl: 1 Cemaziyelevvel 1367
// (hesap takvimi) – 11 Cemaziyelevvel 1447", the age written by the locale in force, as
// the boxes are; a date of the tabular calendar says so, and two say it once:
// "… 1367 – 16 Recep 1370 (ikisi de hesap takvimi)".
QString hijriDatesLine(const AgeFromDates &ages);
