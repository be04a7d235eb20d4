#pragma once

#include <QDate>

// The first day of a Hijri month as Türkiye's calendar has it since 1 Muharrem 1438:
// the criterion of the International Hijri Calendar Union Congress (Istanbul, 2016),
// worked out from the positions of the Sun and the Moon.
//
// A month begins on the civil day after the first evening on which, somewhere on Earth
// before 24:00 UTC, the Moon stands at least 5° above the horizon at sunset and at
// least 8° from the Sun. When that is first met only after 24:00 UTC, the month still
// begins on the next day if the new moon came before dawn in New Zealand and the
// criterion is met on the American mainland.

// Times are Julian days in Universal Time.
using JulianDay = double;

// The instant the Moon and the Sun have the same apparent ecliptic longitude, nearest
// to `near` (within a week of it).
JulianDay newMoonNear(JulianDay near);

// The day a month begins on, after the new moon at `newMoon`. Where the Moon is within
// two minutes of arc of a limit on some evening, that evening cannot say whether the
// month begins the next day: `earliest` is then the day after the first such evening,
// `latest` the day after the first evening that is decided and meets the criterion.
struct MonthBeginning
{
    QDate earliest;
    QDate latest;

    bool decided() const { return earliest == latest; }
};
MonthBeginning monthBeginningAfter(JulianDay newMoon);

// The Julian day of a date's midnight (00:00 UTC).
JulianDay midnightOf(QDate date);
