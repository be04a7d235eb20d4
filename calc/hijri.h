#pragma once

// An age in solar years as an age in Hijri (lunar) years, to two decimals.
double hijriAge(double solarYears);
