// The calendar's reckonings every part shares: leap years, month lengths, Julian centuries and
// decimal years.
#pragma once

namespace halvane {

// True for a leap year of the Gregorian calendar, extended backwards (proleptic).
bool IsLeapYear(int year);

// Days in a month (1 to 12) of a Gregorian year. The month must be in range.
int DaysInMonth(int year, int month);

// Julian centuries of 36525 days from J2000.0 to julianDay + dayFraction, in the time scale of
// julianDay; a day split into whole and fraction keeps the fraction's bits.
// Source: Meeus, Astronomical Algorithms, chapter 12 (formula 12.1).
double JulianCenturies(double julianDay, double dayFraction = 0.0);

// The decimal year of a Julian day: 2000.0 at 2000 January 1, 0h (JD 2451544.5), counted in
// mean Gregorian years of 365.2425 days. It strays from the calendar's New Year by under two days
// (where the leap days fall), far less than Delta T and the magnetic field model notice.
double DecimalYear(double julianDay);

}  // namespace halvane
