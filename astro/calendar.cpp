// Leap years, month lengths, Julian centuries and decimal years.
#include "astro/calendar.h"

#include <cassert>

#include "astro/sidereal_time.h"

namespace halvane {
namespace {

// 1/36525: a product, not a quotient, so that the sidereal time keeps its last bit.
constexpr double DAYS_TO_CENTURIES = 2.7378507871321012e-05;
constexpr double DAYS_PER_GREGORIAN_YEAR = 365.2425;
constexpr double JD_2000_JANUARY_1 = JD_J2000 - 0.5;  // 2000 January 1, 0h

}  // namespace

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  constexpr int DAYS[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  assert(month >= 1 && month <= 12);
  return month == 2 && IsLeapYear(year) ? 29 : DAYS[month - 1];
}

double JulianCenturies(double julianDay, double dayFraction) {
  return ((julianDay - JD_J2000) + dayFraction) * DAYS_TO_CENTURIES;
}

double DecimalYear(double julianDay) {
  return 2000.0 + (julianDay - JD_2000_JANUARY_1) / DAYS_PER_GREGORIAN_YEAR;
}

}  // namespace halvane
