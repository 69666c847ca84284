// Tests of the Julian day and the sidereal time against Meeus's examples and against ERFA.
#include "astro/sidereal_time.h"

#include <erfa.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <utility>

#include "astro/angles.h"

namespace halvane {
namespace {

TEST(JulianDay, MatchesMeeusAndSwitchesCalendarOn1582October15) {
  EXPECT_EQ(JulianDay(2000, 1, 1, 12.0), 2451545.0);
  EXPECT_NEAR(JulianDay(1957, 10, 4, 19.44), 2436116.31, 1e-8);  // Meeus example 7.a
  EXPECT_EQ(JulianDay(1900, 1, 1, 0.0), 2415020.5);
  EXPECT_EQ(JulianDay(1582, 10, 4, 0.0), 2299159.5);
  EXPECT_EQ(JulianDay(1582, 10, 15, 0.0), 2299160.5);
  EXPECT_EQ(JulianDay(1582, 10, 14, 0.0), 2299169.5);  // still read as a Julian date
  EXPECT_TRUE(std::isfinite(JulianDay(2147483647, 2147483647, 2147483647, 0.0)));  // no overflow
  EXPECT_TRUE(std::isfinite(JulianDay(-2147483647 - 1, -2147483647 - 1, -2147483647 - 1, 0.0)));
}

TEST(JulianDay, MatchesErfaOnEveryGregorianDayFrom1582To2600) {
  int checked = 0;
  for (int year = 1582; year <= 2600; ++year) {
    for (int month = 1; month <= 12; ++month) {
      for (int day = 1; day <= 31; ++day) {
        double djm0 = 0, djm = 0;
        if (year * 10000 + month * 100 + day < 15821015) continue;
        if (eraCal2jd(year, month, day, &djm0, &djm) != 0) continue;  // no such day
        ASSERT_EQ(JulianDay(year, month, day, 0.0), djm0 + djm)
            << year << '-' << month << '-' << day;
        ++checked;
      }
    }
  }
  EXPECT_EQ(checked, 371895);  // every day from 1582-10-15 to 2600-12-31
}

// ERFA's calendar is Gregorian only, so Julian-calendar dates are checked by walking back from
// 1582 October 4 one day at a time: each earlier day must be exactly one Julian day less.
TEST(JulianDay, CountsJulianCalendarDaysBackToYearMinus1000) {
  static constexpr int DAYS[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  int year = 1582, month = 10, day = 4;
  for (double expected = 2299159.5; year > -1000; expected -= 1.0) {
    ASSERT_EQ(JulianDay(year, month, day, 0.0), expected) << year << '-' << month << '-' << day;
    if (--day > 0) continue;
    if (--month == 0) {
      month = 12;
      --year;
    }
    day = DAYS[month - 1] + (month == 2 && ((year % 4) + 4) % 4 == 0 ? 1 : 0);
  }
}

TEST(SiderealTime, MatchesMeeusExamples12aAnd12b) {
  // 12.a: 13h 10m 46.3668s = 197.693195 degrees, reduced without lifting to -162.306805.
  const double jd0 = JulianDay(1987, 4, 10, 0.0);
  EXPECT_EQ(SiderealTime(jd0, 0.0, 0.0), -2.8327881437575098);
  // 12.b: 19:21 UT gives 128.737873 degrees, to the bit as before seconds were counted.
  const CalendarTime at1921{1987, 4, 0, 10, 19, 21, 0, 0};
  EXPECT_EQ(SiderealTimeAt(at1921, 0.0), -231.26212709500396 * DEG_TO_RAD);
  // Seconds and milliseconds advance it (19:21:59.999 was once drawn as 19:21:00, 0.25 deg).
  for (const auto& [second, milliseconds] : {std::pair{59, 999}, {30, 0}, {0, 1}}) {
    const CalendarTime later{
        1987, 4, 0, 10, 19, 21, static_cast<uint16_t>(second), static_cast<uint16_t>(milliseconds)};
    const double hours = (second + milliseconds / 1000.0) / 3600.0;
    EXPECT_NEAR(SiderealTimeAt(later, 0.0) - SiderealTimeAt(at1921, 0.0),
                15.04106862 * hours * DEG_TO_RAD, 1e-12)
        << second << "." << milliseconds;
  }
  EXPECT_EQ(SiderealTimeAt(CalendarTime{2000, 1, 0, 1, 0, 0, 0, 0}, 0.0), 1.744767163243347);
  // An east longitude (negative) advances the sidereal time.
  EXPECT_NEAR(SiderealTime(jd0, 0.0, -18.33888888888889) - SiderealTime(jd0, 0.0, 0.0),
              18.33888888888889 * DEG_TO_RAD, 1e-13);
}

// Meeus 12.3 is the IAU 1982 mean sidereal time in degrees; over 1800 to 2200 its rounded
// coefficients and double arithmetic stay within 1e-9 rad (2e-4 arcseconds) of ERFA at 0h UT.
// The rate 15.04106862 deg/h is rounded by 2e-8 deg/h, about 1e-8 rad by 24h: 2e-8 rad allowed.
TEST(SiderealTime, AgreesWithErfaGmst82) {
  double worst0h = 0.0, worstLater = 0.0;
  for (double jd0 = JulianDay(1800, 1, 1, 0.0); jd0 < JulianDay(2200, 1, 1, 0.0); jd0 += 1.0) {
    const double hours = std::fmod(jd0 * 7.31, 24.0);
    const double error0h =
        std::remainder(SiderealTime(jd0, 0.0, 0.0) - eraGmst82(jd0, 0.0), TWO_PI);
    const double errorLater =
        std::remainder(SiderealTime(jd0, hours, 0.0) - eraGmst82(jd0, hours / 24), TWO_PI);
    worst0h = std::max(worst0h, std::fabs(error0h));
    worstLater = std::max(worstLater, std::fabs(errorLater));
  }
  std::printf("worst error against eraGmst82: %.3g rad at 0h, %.3g rad later\n", worst0h,
              worstLater);
  RecordProperty("worst_error_0h_rad", std::to_string(worst0h));
  EXPECT_LT(worst0h, 1e-9);
  EXPECT_LT(worstLater, 2e-8);
}

// Back from a Julian day to the record: every second of a day round trips, a fraction of a
// second rounds (into the next day and year at midnight), and days outside the record's years
// give an all-zero record.
TEST(JulianDay, BackToTheRecordRoundsToTheSecond) {
  for (int32_t second = 0; second < 86400; second += 7) {
    const CalendarTime time{2026,
                            3,
                            0,
                            29,
                            static_cast<uint16_t>(second / 3600),
                            static_cast<uint16_t>(second / 60 % 60),
                            static_cast<uint16_t>(second % 60),
                            0};
    const CalendarTime back = TimeAtJulianDay(JulianDayAt(time));
    ASSERT_EQ(back.hour * 3600 + back.minute * 60 + back.second, second);
    ASSERT_EQ(back.day, 29);
    ASSERT_EQ(back.dayOfWeek, 0) << "a Sunday";
  }
  const CalendarTime late{2026, 12, 4, 31, 23, 59, 59, 600};
  const CalendarTime carried = TimeAtJulianDay(JulianDayAt(late));
  EXPECT_EQ(carried.year, 2027);
  EXPECT_EQ(carried.month, 1);
  EXPECT_EQ(carried.day, 1);
  EXPECT_EQ(carried.dayOfWeek, 5) << "a Friday";
  EXPECT_EQ(carried.hour + carried.minute + carried.second, 0);
  EXPECT_EQ(TimeAtJulianDay(2000000.5).year, 0);
  EXPECT_EQ(TimeAtJulianDay(NAN).year, 0);
}

}  // namespace
}  // namespace halvane
