// Julian day and mean sidereal time. The order of every floating-point operation is kept as it
// stands: the results are compared to the last bit.
#include "astro/sidereal_time.h"

#include <erfa.h>

#include <cmath>

#include "astro/angles.h"
#include "astro/calendar.h"

namespace halvane {
namespace {

constexpr double HOURS_TO_DAYS = 0.041666666666666664;     // 1/24
constexpr double MINUTES_TO_HOURS = 0.016666666666666666;  // 1/60
constexpr double MILLISECONDS_TO_HOURS = 1.0 / 3600000.0;
constexpr double CUBIC_TERM = 2.5833118057349522e-08;      // 1/38710000, degrees
constexpr double SIDEREAL_DEGREES_PER_HOUR = 15.04106862;  // degrees per hour of UT
constexpr int64_t FIRST_GREGORIAN_DATE = 15821015;         // 1582 October 15 as yyyymmdd

}  // namespace

double JulianDay(int32_t year, int32_t month, int32_t day, double hours) {
  // 64-bit integers: a damaged year or month must not overflow.
  int64_t shiftedYear = year;
  int64_t shiftedMonth = static_cast<int64_t>(month) + 1;
  if (month < 3) {
    shiftedYear = static_cast<int64_t>(year) - 1;
    shiftedMonth = static_cast<int64_t>(month) + 13;
  }
  const double a = std::floor(365.25 * static_cast<double>(shiftedYear + 4712));
  const double b = std::floor(30.6 * static_cast<double>(shiftedMonth) + 0.000001);
  double jd = ((b + hours * HOURS_TO_DAYS) + day) + a - 63.5;
  const int64_t date = static_cast<int64_t>(year) * 10000 + static_cast<int64_t>(month) * 100 + day;
  if (date >= FIRST_GREGORIAN_DATE) {
    const double y = static_cast<double>(shiftedYear);
    const double g = std::floor(y * 0.01) - std::floor(y * 0.0025);  // Y/100 - Y/400
    jd = (jd - g) + 2.0;
  }
  return jd;
}

double SiderealTime(double jd0, double hours, double longitude) {
  const double t = JulianCenturies(jd0);
  // Mean sidereal time at Greenwich at 0h UT, degrees.
  // clang-format off
  const double theta0 = ((0.000387933 * t
                          + 36000.770053608) * t
                         + 100.46061837)
                        - ((t * t) * t) * CUBIC_TERM;
  // clang-format on
  double theta = (theta0 - longitude) + SIDEREAL_DEGREES_PER_HOUR * hours;
  theta = NormalizeAngle(theta, 360.0);
  return theta * DEG_TO_RAD;
}

double Gmst1982(double jdUtWhole, double jdUtFraction) {
  const double t = JulianCenturies(jdUtWhole, jdUtFraction);
  // Seconds of time.
  const double seconds = -6.2e-6 * t * t * t + 0.093104 * t * t +
                         (876600.0 * 3600.0 + 8640184.812866) * t + 67310.54841;
  return WrapToTurn(seconds * DEG_TO_RAD / 240.0);
}

double SiderealTimeAt(const CalendarTime& time, double longitude) {
  const double jd0 = JulianDay(time.year, time.month, time.day, 0.0);
  // Whole minutes first, so that a time on the minute gives the same bits as before seconds
  // were counted.
  const double hours = (time.minute * MINUTES_TO_HOURS + time.hour) +
                       (time.second * 1000.0 + time.milliseconds) * MILLISECONDS_TO_HOURS;
  return SiderealTime(jd0, hours, longitude);
}

double JulianDayAt(const CalendarTime& time) {
  const double hours = time.hour + time.minute * MINUTES_TO_HOURS +
                       (time.second * 1000.0 + time.milliseconds) * MILLISECONDS_TO_HOURS;
  return JulianDay(time.year, time.month, time.day, hours);
}

CalendarTime TimeAtJulianDay(double jdUt) {
  constexpr double SECONDS_PER_DAY = 86400.0;
  // Rounded before the date is taken, so that 23:59:59.6 carries into the next day.
  double midnight = std::floor(jdUt - 0.5) + 0.5;
  double seconds = std::round((jdUt - midnight) * SECONDS_PER_DAY);
  if (seconds >= SECONDS_PER_DAY) {
    midnight += 1.0;
    seconds -= SECONDS_PER_DAY;
  }
  int year = 0, month = 0, day = 0;
  double fraction = 0.0;
  if (!std::isfinite(jdUt) || eraJd2cal(midnight, 0.0, &year, &month, &day, &fraction) != 0 ||
      year < 1601 || year > 30827) {
    return {};
  }
  const auto whole = static_cast<int32_t>(seconds);
  CalendarTime time{};
  time.year = static_cast<uint16_t>(year);
  time.month = static_cast<uint16_t>(month);
  time.day = static_cast<uint16_t>(day);
  // Julian day 0 began on a Monday.
  time.dayOfWeek = static_cast<uint16_t>(static_cast<int64_t>(midnight + 1.5) % 7);
  time.hour = static_cast<uint16_t>(whole / 3600);
  time.minute = static_cast<uint16_t>(whole / 60 % 60);
  time.second = static_cast<uint16_t>(whole % 60);
  return time;
}

}  // namespace halvane
