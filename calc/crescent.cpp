#include "calc/crescent.h"

#include <libnova/angular_separation.h>
#include <libnova/dynamical_time.h>
#include <libnova/lunar.h>
#include <libnova/nutation.h>
#include <libnova/parallax.h>
#include <libnova/refraction.h>
#include <libnova/sidereal_time.h>
#include <libnova/solar.h>
#include <libnova/transform.h>
#include <libnova/utility.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <optional>

namespace {

constexpr double secondsPerDay = 86400;
constexpr double kilometresPerAu = 149597870.7;

// The limits of the criterion, in degrees, and how near to one the Moon may be before
// an evening is left undecided: two minutes of arc, more than the error of the
// positions used here (well under one).
constexpr double leastElongation = 8;
constexpr double leastAltitude = 5;
constexpr double undecidedWithin = 2.0 / 60;

// The Moon gains about 12.19° a day on the Sun, so two minutes of arc are about four
// minutes of time: how near the new moon may come to New Zealand's dawn undecided.
constexpr double moonGainPerDay = 12.1907;
constexpr double undecidedWithinDays = undecidedWithin / moonGainPerDay;

constexpr double siderealDegreesPerDay = 360.985647;

// The Sun's centre at the moment of sunset: its radius below the horizon, lifted by
// the refraction at the horizon (16′ + 34′). Dawn prayer (fajr): the Sun 18° below.
constexpr double sunsetAltitude = -50.0 / 60;
constexpr double dawnAltitude = -18;

// The Moon's series, cut where a term is below 1e-7 radian: its position then differs
// from the full series' by at most a third of a second of arc, at a thirtieth of the cost.
constexpr double lunarSeriesPrecision = 1e-7;

// Terrestrial time less universal time, in seconds. libnova extrapolates its table
// beyond 2010 by a parabola that is already a minute too large by 2016; these are
// Espenak and Meeus's polynomials for the years the criterion is used in.
double deltaT(JulianDay day)
{
    const double year = 2000 + (day - 2451544.5) / 365.2425;
    if (year < 2005)
        return ln_get_dynamical_time_diff(day);
    if (year < 2050) {
        const double t = year - 2000;
        return 62.92 + 0.32217 * t + 0.005589 * t * t;
    }
    const double u = (year - 1820) / 100;
    return -20 + 32 * u * u - (year < 2150 ? 0.5628 * (2150 - year) : 0);
}

// Greenwich's apparent sidereal time, in degrees.
double siderealDegreesAt(JulianDay day)
{
    return ln_get_apparent_sidereal_time(day) * 15;
}

// The Sun and the Moon as seen from the Earth's centre at one instant, with the
// sidereal time that turns them to a place's sky.
struct Sky
{
    ln_equ_posn sun{};
    ln_equ_posn moon{};
    double moonDistanceAu = 0;
    double siderealDegrees = 0;
    double sunLongitude = 0;
    double moonLongitude = 0;
};

double ephemerisDayOf(JulianDay day)
{
    return day + deltaT(day) / secondsPerDay;
}

// The Sun alone, where the Moon is not needed.
ln_equ_posn sunAtInstant(JulianDay day)
{
    ln_equ_posn sun{};
    ln_get_solar_equ_coords(ephemerisDayOf(day), &sun);
    return sun;
}

Sky skyAt(JulianDay day)
{
    const double ephemerisDay = ephemerisDayOf(day);
    Sky sky;
    sky.sun = sunAtInstant(day);
    ln_lnlat_posn sunEcliptic{};
    ln_get_solar_ecl_coords(ephemerisDay, &sunEcliptic);
    sky.sunLongitude = sunEcliptic.lng;

    // The series is worked out once: the longitude below reads libnova's last result.
    ln_rect_posn moonRect{};
    ln_get_lunar_geo_posn(ephemerisDay, &moonRect, lunarSeriesPrecision);
    sky.moonDistanceAu = std::hypot(moonRect.X, moonRect.Y, moonRect.Z) / kilometresPerAu;
    ln_lnlat_posn moonEcliptic{};
    ln_get_lunar_ecl_coords(ephemerisDay, &moonEcliptic, lunarSeriesPrecision);
    // The Sun's apparent place includes nutation; the Moon's series does not.
    ln_nutation nutation{};
    ln_get_nutation(ephemerisDay, &nutation);
    moonEcliptic.lng += nutation.longitude;
    sky.moonLongitude = moonEcliptic.lng;
    ln_get_equ_from_ecl(&moonEcliptic, ephemerisDay, &sky.moon);

    sky.siderealDegrees = siderealDegreesAt(day);
    return sky;
}

double elongation(Sky &sky)
{
    return ln_get_angular_separation(&sky.sun, &sky.moon);
}

double signedDegrees(double degrees)
{
    return std::remainder(degrees, 360.0);
}

// The hour angle, in degrees, at which a body of declination `declination` stands at
// `altitude` for a place at `latitude`; none where it never does that day.
std::optional<double> hourAngleAt(double altitude, double latitude, double declination)
{
    const double cosine = (std::sin(ln_deg_to_rad(altitude)) -
                           std::sin(ln_deg_to_rad(latitude)) * std::sin(ln_deg_to_rad(declination))) /
                          (std::cos(ln_deg_to_rad(latitude)) * std::cos(ln_deg_to_rad(declination)));
    if (std::abs(cosine) > 1)
        return std::nullopt;
    return ln_rad_to_deg(std::acos(cosine));
}

// The Moon's altitude over the horizon of `place`, as an eye sees it: from the
// Earth's surface (parallax) through the air (refraction).
double apparentMoonAltitude(Sky &sky, ln_lnlat_posn place)
{
    const double hourAngle = sky.siderealDegrees + place.lng - sky.moon.ra;
    ln_equ_posn shift{};
    ln_get_parallax_ha(&sky.moon, sky.moonDistanceAu, &place, 0, hourAngle / 15, &shift);
    ln_equ_posn topocentric{sky.moon.ra + shift.ra, sky.moon.dec + shift.dec};
    ln_hrz_posn horizontal{};
    ln_get_hrz_from_equ_sidereal_time(&topocentric, &place, sky.siderealDegrees / 15, &horizontal);
    // Refraction is only defined above the horizon; below it the Moon is far from 5°.
    if (horizontal.alt < -1)
        return horizontal.alt;
    return horizontal.alt + ln_get_refraction_adj(horizontal.alt, 1010, 10);
}

// Whether a figure meets its limit, or lies too near it to say.
enum class Verdict {
    No,
    Undecided,
    Yes,
};

Verdict atLeast(double value, double limit, double margin = undecidedWithin)
{
    if (value >= limit + margin)
        return Verdict::Yes;
    if (value < limit - margin)
        return Verdict::No;
    return Verdict::Undecided;
}

Verdict both(Verdict a, Verdict b)
{
    return std::min(a, b);
}

Verdict either(Verdict a, Verdict b)
{
    return std::max(a, b);
}

// The criterion at one place and instant of sunset.
Verdict criterionAt(Sky &sky, ln_lnlat_posn place)
{
    return both(atLeast(elongation(sky), leastElongation), atLeast(apparentMoonAltitude(sky, place), leastAltitude));
}

// The criterion along the line where the Sun is setting at the instant of `sky`, over
// latitudes 60° S to 60° N. The Moon's altitude at sunset grows as the sunset line
// moves west (the Moon is older there), so the last sunset line of an evening holds
// the best chance of every earlier one at each latitude.
Verdict criterionOnSunsetLine(Sky &sky)
{
    const auto sunsetPlace = [&sky](double latitude) -> std::optional<ln_lnlat_posn> {
        const std::optional<double> hourAngle = hourAngleAt(sunsetAltitude, latitude, sky.sun.dec);
        if (!hourAngle)
            return std::nullopt;
        return ln_lnlat_posn{signedDegrees(*hourAngle + sky.sun.ra - sky.siderealDegrees), latitude};
    };
    const auto altitudeAt = [&](double latitude) {
        const std::optional<ln_lnlat_posn> place = sunsetPlace(latitude);
        return place ? apparentMoonAltitude(sky, *place) : -90.0;
    };
    // Every whole degree, then the best one's neighbourhood to a hundredth of one.
    double best = 0;
    double bestAltitude = altitudeAt(best);
    for (int latitude = -60; latitude <= 60; ++latitude) {
        if (const double altitude = altitudeAt(latitude); altitude > bestAltitude) {
            best = latitude;
            bestAltitude = altitude;
        }
    }
    double low = std::max(best - 1, -60.0), high = std::min(best + 1, 60.0);
    while (high - low > 0.01) {
        const double third = (high - low) / 3;
        if (altitudeAt(low + third) < altitudeAt(high - third))
            low += third;
        else
            high -= third;
    }
    const double refined = (low + high) / 2;
    // The equator has a sunset every day, so the best latitude always has one.
    return criterionAt(sky, *sunsetPlace(altitudeAt(refined) > bestAltitude ? refined : best));
}

// Where the Sun is at an instant: worked out afresh, or read off a track.
using SunPosition = std::function<ln_equ_posn(JulianDay)>;

// The instant, on the civil day whose noon at `place` is `localNoon`, at which the
// Sun stands at `altitude`, in the evening or the morning.
std::optional<JulianDay> sunAt(double altitude, ln_lnlat_posn place, JulianDay localNoon, bool evening,
                               const SunPosition &sunPosition = sunAtInstant)
{
    JulianDay day = localNoon;
    for (int step = 0; step < 3; ++step) {
        const ln_equ_posn sun = sunPosition(day);
        const std::optional<double> hourAngle = hourAngleAt(altitude, place.lat, sun.dec);
        if (!hourAngle)
            return std::nullopt;
        const double wanted = evening ? *hourAngle : -*hourAngle;
        const double now = signedDegrees(siderealDegreesAt(day) + place.lng - sun.ra);
        day += signedDegrees(wanted - now) / siderealDegreesPerDay;
    }
    return day;
}

JulianDay noonAt(QDate date, double longitude)
{
    return midnightOf(date) + 0.5 - longitude / 360;
}

// Dawn in New Zealand, taken at Wellington, on the civil day after `evening`: the
// first dawn of the day the month would begin.
std::optional<JulianDay> newZealandDawn(QDate evening)
{
    constexpr ln_lnlat_posn wellington{174.78, -41.29};
    return sunAt(dawnAltitude, wellington, noonAt(evening.addDays(1), wellington.lng), false);
}

// The American mainland, as the westernmost point of its coast at every fifth degree
// of latitude from 55° N to its southern end (Cape Froward, 53.9° S), to about half a
// degree. The criterion is best met where the Sun sets last, on that coast. Islands
// are not the mainland; nor is the tip of the Alaska Peninsula, which reaches just
// below 55° N.
constexpr std::array<ln_lnlat_posn, 23> americanWestCoast{{
    {-130.5, 55}, {-125.0, 50}, {-124.0, 45}, {-124.1, 40}, {-120.6, 35}, {-115.8, 30}, {-112.1, 25},   {-105.5, 20},
    {-92.8, 15},  {-85.7, 10},  {-77.3, 5},   {-80.1, 0},   {-81.2, -5},  {-78.2, -10}, {-75.4, -15},   {-70.2, -20},
    {-70.5, -25}, {-71.5, -30}, {-72.2, -35}, {-73.7, -40}, {-73.5, -45}, {-74.0, -50}, {-71.3, -53.9},
}};

// The sky over an evening's span of hours, from its two ends and its middle: the Sun
// and the Moon are read off parabolas through those three, which over half a day stay
// within a tenth of a second of arc of the full series, at a tenth of their cost.
class SkyTrack
{
public:
    SkyTrack(JulianDay from, JulianDay to) : m_from(from), m_step((to - from) / 2)
    {
        for (int knot = 0; knot < 3; ++knot)
            m_knots[knot] = skyAt(from + knot * m_step);
    }

    Sky at(JulianDay day) const
    {
        const double x = (day - m_from) / m_step;
        const auto along = [&](auto field, bool isAngle = false) {
            std::array<double, 3> y{};
            for (int knot = 0; knot < 3; ++knot) {
                y[knot] = field(m_knots[knot]);
                if (isAngle) // right ascensions pass 360° to 0°
                    y[knot] = y[0] + signedDegrees(y[knot] - y[0]);
            }
            return y[0] * (x - 1) * (x - 2) / 2 - y[1] * x * (x - 2) + y[2] * x * (x - 1) / 2;
        };
        Sky sky;
        sky.sun = {along([](const Sky &k) { return k.sun.ra; }, true), along([](const Sky &k) { return k.sun.dec; })};
        sky.moon = {along([](const Sky &k) { return k.moon.ra; }, true),
                    along([](const Sky &k) { return k.moon.dec; })};
        sky.moonDistanceAu = along([](const Sky &k) { return k.moonDistanceAu; });
        sky.siderealDegrees = siderealDegreesAt(day);
        return sky;
    }

private:
    JulianDay m_from;
    double m_step;
    std::array<Sky, 3> m_knots;
};

// The criterion on the American mainland at sunset on the civil day `evening`, whose
// sunsets there fall between 18:00 UTC that day and 08:00 UTC the next.
Verdict criterionInAmerica(QDate evening)
{
    const JulianDay evening18h = midnightOf(evening) + 0.75;
    const SkyTrack track(evening18h, evening18h + 14.0 / 24);
    const SunPosition trackedSun = [&track](JulianDay day) { return track.at(day).sun; };
    Verdict verdict = Verdict::No;
    for (const ln_lnlat_posn &place : americanWestCoast) {
        const std::optional<JulianDay> sunset = sunAt(sunsetAltitude, place, noonAt(evening, place.lng), true,
                                                      trackedSun);
        if (!sunset)
            continue;
        Sky sky = track.at(*sunset);
        verdict = either(verdict, criterionAt(sky, place));
        if (verdict == Verdict::Yes)
            break;
    }
    return verdict;
}

// Whether the month begins on the day after `evening`.
Verdict beginsAfter(QDate evening, JulianDay newMoon)
{
    const JulianDay midnight = midnightOf(evening.addDays(1));
    Sky lastSunset = skyAt(midnight);
    const Verdict beforeMidnight = criterionOnSunsetLine(lastSunset);
    if (beforeMidnight == Verdict::Yes)
        return beforeMidnight;
    // America's last sunsets come within eight hours of midnight, in which the Moon
    // moves at most 5.2° away from the Sun: a Moon short of 8° by more cannot meet
    // the criterion there.
    constexpr double mostElongationIn8Hours = 5.2;
    if (atLeast(elongation(lastSunset) + mostElongationIn8Hours, leastElongation) == Verdict::No)
        return beforeMidnight;
    const std::optional<JulianDay> dawn = newZealandDawn(evening);
    const Verdict newMoonBeforeDawn = dawn ? atLeast(*dawn - newMoon, 0, undecidedWithinDays) : Verdict::No;
    if (newMoonBeforeDawn == Verdict::No)
        return beforeMidnight;
    return either(beforeMidnight, both(newMoonBeforeDawn, criterionInAmerica(evening)));
}

} // namespace

JulianDay midnightOf(QDate date)
{
    return double(date.toJulianDay()) - 0.5;
}

JulianDay newMoonNear(JulianDay near)
{
    JulianDay day = near;
    for (int step = 0; step < 8; ++step) {
        const Sky sky = skyAt(day);
        const double behind = signedDegrees(sky.moonLongitude - sky.sunLongitude);
        const double correction = behind / moonGainPerDay;
        day -= correction;
        if (std::abs(correction) < 1e-5) // a second
            break;
    }
    return day;
}

MonthBeginning monthBeginningAfter(JulianDay newMoon)
{
    // The civil day (UTC) of the new moon is the first evening that could qualify.
    QDate evening = QDate::fromJulianDay(qint64(std::floor(newMoon + 0.5)));
    MonthBeginning beginning;
    for (int tried = 0; tried < 5; ++tried, evening = evening.addDays(1)) {
        const Verdict verdict = beginsAfter(evening, newMoon);
        if (verdict != Verdict::No && !beginning.earliest.isValid())
            beginning.earliest = evening.addDays(1);
        if (verdict == Verdict::Yes) {
            beginning.latest = evening.addDays(1);
            return beginning;
        }
    }
    // Never reached: by the third evening the Moon is everywhere far above both limits.
    beginning.latest = evening;
    if (!beginning.earliest.isValid())
        beginning.earliest = evening;
    return beginning;
}
