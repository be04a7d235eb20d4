#pragma once

#include <QDate>
#include <QString>

// Which calendar a Hijri date comes from.
enum class HijriReckoning {
    // Türkiye's calendar: months that begin as the crescent criterion says, from
    // 1 Muharrem 1438 (2 October 2016) on.
    Criterion,
    // The tabular (civil) calendar: for earlier days, and for the days of a month whose
    // beginning the criterion leaves undecided.
    Tabular,
};

struct HijriDate
{
    int day = 0;
    int month = 0; // 1 Muharrem … 12 Zilhicce
    int year = 0;
    HijriReckoning reckoning = HijriReckoning::Tabular;
};

// The Hijri date of a civil day. A month's beginning is worked out once and kept, so
// that the next date in it costs next to nothing. Safe to call from any thread.
HijriDate hijriDateOf(QDate date);

// A Hijri date in words, with its Turkish month name whatever the locale in force:
// "1 Cemaziyelevvel 1367".
QString hijriDateText(const HijriDate &date);
