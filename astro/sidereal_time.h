// Calendar dates to Julian days, and the local mean sidereal time of a moment.
#pragma once

#include <cstdint>

#include "astro/calendar_time.h"

namespace halvane {

// Julian day of the epoch J2000.0, 2000 January 1.5 (TT).
constexpr double JD_J2000 = 2451545.0;

// Julian day of a calendar date plus `hours` (hours since 0h UT of that day).
// Dates up to 1582 October 14 are read in the Julian calendar, from October 15 on in the Gregorian
// one; the date of 0h UT gives a value ending in .5. Inputs are not checked: any integers go
// through the formula (a month of 13 is taken as it stands), without integer overflow.
// Source: Meeus, Astronomical Algorithms, chapter 7 (formula 7.1).
double JulianDay(int32_t year, int32_t month, int32_t day, double hours);

// Local mean sidereal time in radians, for jd0 the Julian day of 0h UT of the date, `hours` the
// universal time of day in hours and `longitude` in degrees, positive towards the west.
// The angle is reduced by whole turns without being lifted: it lies in (-2 pi, 2 pi) and is
// usually negative before the year 2000.
// Source: Meeus, Astronomical Algorithms, chapter 12 (formula 12.3 for Greenwich at 0h UT),
// advanced by 15.04106862 degrees per hour of universal time.
double SiderealTime(double jd0, double hours, double longitude);

// Greenwich mean sidereal time of the 1982 IAU expression, the one SGP4's elements are fitted
// with, radians in [0, 2 pi), for a UT1 Julian day given as whole + fraction (a UTC one serves:
// they are under a second apart).
// Source: Vallado et al. 2006, AIAA 2006-6753, gstime (Aoki et al. 1982).
double Gmst1982(double jdUtWhole, double jdUtFraction);

// SiderealTime for a universal-time record, to the millisecond.
double SiderealTimeAt(const CalendarTime& time, double longitude);

// Julian day (universal time) of a universal-time record, to the millisecond.
double JulianDayAt(const CalendarTime& time);

// The universal-time record of a Julian day (UT), rounded to the second, with its day of the
// week; all zero outside the Gregorian years 1601 to 30827.
CalendarTime TimeAtJulianDay(double jdUt);

}  // namespace halvane
