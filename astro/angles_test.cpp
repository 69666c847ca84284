// Tests of the angle helpers, including the values that damaged files and the dialog can bring.
#include "astro/angles.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>

namespace halvane {
namespace {

constexpr int32_t MAX = std::numeric_limits<int32_t>::max();
constexpr int32_t MIN = std::numeric_limits<int32_t>::min();
constexpr double INF = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

std::array<int32_t, 3> Dms(double x) {
  std::array<int32_t, 3> dms{};
  DegreesToDms(x, dms[0], dms[1], dms[2]);
  return dms;
}

TEST(NormalizeAngle, RemovesWholeTurnsAndKeepsNegativeAnglesNegative) {
  EXPECT_EQ(NormalizeAngle(3 * PI, TWO_PI), PI);
  EXPECT_EQ(NormalizeAngle(TWO_PI, TWO_PI), 0.0);
  EXPECT_EQ(NormalizeAngle(725, 360), 5.0);
  EXPECT_EQ(NormalizeAngle(-HALF_PI, TWO_PI), -HALF_PI);
  EXPECT_EQ(NormalizeAngle(-725, 360), -5.0);
  EXPECT_EQ(NormalizeAngle(360.0 * 2147483647 + 90, 360), 90.0);  // largest quotient that fits
}

TEST(NormalizeAngle, DamagedInputGivesAHarmlessResult) {
  for (double bad : {NaN, INF, -INF}) EXPECT_EQ(NormalizeAngle(bad, 360), 0.0);
  EXPECT_EQ(NormalizeAngle(5, 0.0), 0.0);
  // Quotients past 32 bits: the exact remainder, inside the usual ranges.
  for (double x : {1e300, 1e20, 360.0 * 2147483648.5}) {
    EXPECT_EQ(NormalizeAngle(x, 360), std::fmod(x, 360.0)) << x;
    EXPECT_LT(NormalizeAngle(x, 360), 360.0) << x;
    const double negative = NormalizeAngle(-x, TWO_PI);
    EXPECT_TRUE(negative <= 0.0 && negative > -TWO_PI) << x;
  }
}

TEST(WrapToTurn, StaysWithinItsRangeAtTheEdgesAndKeepsNaN) {
  // A tiny negative angle lifted by a turn rounds to 2 pi itself; the turn's start is 0.
  EXPECT_EQ(WrapToTurn(-1e-20), 0.0);
  EXPECT_DOUBLE_EQ(WrapToTurn(-HALF_PI), 3 * HALF_PI);
  EXPECT_DOUBLE_EQ(WrapToTurn(5 * TWO_PI + 1.0), 1.0);
  EXPECT_EQ(WrapToTurn(TWO_PI), 0.0);
  EXPECT_TRUE(std::isnan(WrapToTurn(NaN)));
  EXPECT_TRUE(std::isnan(WrapToTurn(INF)));
  EXPECT_DOUBLE_EQ(WrapToHalfTurn(3 * HALF_PI), -HALF_PI);
  EXPECT_DOUBLE_EQ(WrapToHalfTurn(-7 * HALF_PI), HALF_PI);
}

// The cosine rule loses every angle under about 1e-8 radians; the separation must not.
TEST(AngularSeparation, IsExactNearZeroAndHalfATurnAndAcrossThePoles) {
  const double tiny = std::ldexp(1.0, -33);  // about 1.2e-10, exact in binary
  EXPECT_NEAR(AngularSeparation(1.0, 0.0, 1.0, tiny), tiny, 1e-25);
  EXPECT_DOUBLE_EQ(AngularSeparation(0.0, 0.0, PI, 0.0), PI);
  EXPECT_DOUBLE_EQ(AngularSeparation(0.3, HALF_PI, 2.0, HALF_PI - 0.25), 0.25);
  // Longitudes a turn apart are the same place, either sign.
  EXPECT_NEAR(AngularSeparation(-0.1, 0.2, TWO_PI - 0.1, 0.2), 0.0, 1e-15);
  EXPECT_EQ(WestLongitude(EastLongitude(-18.3)), -18.3);
}

TEST(RoundToInt, RoundsTiesUpwardsAndSaturates) {
  const double inputs[] = {2.5,          2.4999,       7.0,           -2.5,         -2.6,
                           -0.5,         0.5,          NaN,           INF,          -1e300,
                           2147483646.7, 2147483647.6, -2147483647.6, -2147483648.6};
  const int32_t expected[] = {3, 2, 7, -2, -3, 0, 1, 0, MAX, MIN, MAX, MAX, MIN, MIN};
  for (size_t i = 0; i < std::size(inputs); ++i)
    EXPECT_EQ(RoundToInt(inputs[i]), expected[i]) << inputs[i];
}

TEST(Dms, RoundTripsTheDefaultLocationAndRoundsToTheNearestSecond) {
  EXPECT_EQ(DmsToDegrees(-18, 20, 20), -18.33888888888889);
  EXPECT_EQ(Dms(-18.33888888888889), (std::array{-18, 20, 20}));
  EXPECT_EQ(DmsToDegrees(49, 41, 49), 49.69694444444445);
  EXPECT_EQ(Dms(49.69694444444445), (std::array{49, 41, 49}));
  // The sign lives in the degrees only; under one degree the caller shows it.
  EXPECT_EQ(DmsToDegrees(-18, -20, -20), DmsToDegrees(-18, 20, 20));
  EXPECT_EQ(Dms(-0.5), (std::array{0, 30, 0}));
  EXPECT_EQ(Dms(-18.5), (std::array{-18, 30, 0}));
  // Truncation once showed 1 0 3 as 1 0 2 and 4 19 20 as 4 19 19.
  EXPECT_EQ(Dms(1.0008333333333332), (std::array{1, 0, 3}));
  EXPECT_EQ(Dms(4.322222222222222), (std::array{4, 19, 20}));
  // The carry runs into minutes and degrees.
  EXPECT_EQ(Dms(59.99999), (std::array{60, 0, 0}));
  EXPECT_EQ(Dms(-0.99999), (std::array{-1, 0, 0}));
  EXPECT_EQ(Dms(2.0 + 59.9999 / 3600), (std::array{2, 1, 0}));
  // Every whole second from 0 to 180 degrees, both signs, comes back as it went in.
  for (int32_t total = 0; total <= 180 * 3600; ++total) {
    const int32_t d = total / 3600;
    const int32_t m = total / 60 % 60;
    const int32_t sec = total % 60;
    for (const double sign : {1.0, -1.0}) {
      const double x = sign * DmsToDegrees(d, m, sec);
      const auto dms = Dms(x);
      ASSERT_EQ(dms, (std::array{static_cast<int32_t>(sign * d), m, sec})) << x;
      ASSERT_EQ(sign * DmsToDegrees(std::abs(dms[0]), dms[1], dms[2]), x);
    }
  }
}

TEST(Dms, DamagedValuesGiveDefinedFields) {
  EXPECT_EQ(Dms(NaN), (std::array{0, 0, 0}));
  EXPECT_EQ(Dms(-INF), (std::array{MIN, 0, 0}));
  const auto huge = Dms(1e300);
  EXPECT_TRUE(huge[0] == MAX && huge[1] >= 0 && huge[1] < 60 && huge[2] >= 0 && huge[2] < 60);
  // |x| * 3600 past 32 bits: minutes and seconds are still the true ones.
  EXPECT_EQ(Dms(-1234567.5125), (std::array{-1234567, 30, 45}));
  EXPECT_DOUBLE_EQ(DmsToDegrees(MIN, MIN, MIN),
                   -(2147483648.0 / 3600 + 2147483648.0 / 60 + 2147483648.0));
}

}  // namespace
}  // namespace halvane
