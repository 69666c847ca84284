#include "astro/calendar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "astro/sidereal_time.h"

namespace halvane {
namespace {

TEST(Calendar, LeapYearsAndDecimalYearsFollowTheGregorianCalendar) {
  EXPECT_FALSE(IsLeapYear(1900));
  EXPECT_TRUE(IsLeapYear(2000));
  EXPECT_TRUE(IsLeapYear(2024));
  EXPECT_FALSE(IsLeapYear(2023));
  EXPECT_EQ(DaysInMonth(2024, 2), 29);
  EXPECT_EQ(DaysInMonth(2100, 2), 28);
  EXPECT_EQ(DaysInMonth(2023, 12), 31);

  // Each New Year of a whole 400-year cycle within two days of its whole number: the leap days
  // are where the mean year strays.
  double worst = 0.0;
  for (int year = 1800; year <= 2200; ++year) {
    worst = std::max(worst, std::abs(DecimalYear(JulianDay(year, 1, 1, 0.0)) - year));
  }
  EXPECT_LT(worst * 365.2425, 2.0) << "worst " << worst * 365.2425 << " days";
  EXPECT_EQ(DecimalYear(JD_J2000 - 0.5), 2000.0);
}

TEST(Calendar, JulianCenturiesCountFromJ2000) {
  EXPECT_EQ(JulianCenturies(JD_J2000), 0.0);
  EXPECT_DOUBLE_EQ(JulianCenturies(JD_J2000 + 36525.0), 1.0);
  // A day split in two keeps the fraction's bits that the sum would lose.
  EXPECT_DOUBLE_EQ(JulianCenturies(2460000.0, 0.25), JulianCenturies(2460000.25));
  EXPECT_NE(JulianCenturies(2460000.0, 1e-12), JulianCenturies(2460000.0));
}

}  // namespace
}  // namespace halvane
