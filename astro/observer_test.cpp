// Tests of the Observer's place and its two transforms, against worked values, against ERFA and
// against each other.
#include "astro/observer.h"

#include <erfa.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>

#include "astro/angles.h"

namespace halvane {
namespace {

constexpr double D = DEG_TO_RAD;

// Angle between two horizontal directions, radians; insensitive to whole turns of azimuth.
double Separation(double a1, double h1, double a2, double h2) {
  double v1[3], v2[3];
  eraS2c(a1, h1, v1);
  eraS2c(a2, h2, v2);
  return eraSepp(v1, v2);
}

void ExpectHorizontal(const Observer& o, double ra, double dec, double az, double alt) {
  double a = 0, h = 0;
  o.EquatorialToHorizontal(ra * D, dec * D, a, h);
  EXPECT_NEAR(a / D, az, 1e-9) << ra << ", " << dec;
  EXPECT_NEAR(h / D, alt, 1e-9) << ra << ", " << dec;
}

TEST(Observer, StartsAt50NorthAndTakesTheLongitudeFirst) {
  Observer o;
  EXPECT_EQ(o.GetLatitude(), 50.0);
  EXPECT_EQ(o.GetLongitude(), -20.0);
  o.SetLocation(-18.33888888888889, 49.69694444444445);
  EXPECT_EQ(o.GetLongitude(), -18.33888888888889);
  EXPECT_EQ(o.GetLatitude(), 49.69694444444445);
  EXPECT_EQ(o.GetSinLatitude(), std::sin(49.69694444444445 * D));
}

TEST(Transforms, EquatorialToHorizontalGivesTheWorkedValuesAt50North) {
  const Observer o;
  ExpectHorizontal(o, -45, 20, 246.48222444608197, 43.55979608896791);  // hour angle +45
  ExpectHorizontal(o, 90, 0, 90, 0);                                    // rises due east
  ExpectHorizontal(o, 0, 20, 180, 60);                                  // culminates south
  // North stays north: these two once came out at azimuth 180, mirrored through the zenith.
  ExpectHorizontal(o, 0, 70, 0, 70);  // northern meridian above the pole
  ExpectHorizontal(o, 180, 70, 0, 30);
  ExpectHorizontal(o, 37, 90, 0, 50);  // the north celestial pole
  double ra = 0, dec = 0;
  o.HorizontalToEquatorial(246.48222444608197 * D, 43.55979608896791 * D, ra, dec);
  EXPECT_NEAR(ra / D, 315, 1e-9);
  EXPECT_NEAR(dec / D, 20, 1e-9);
  // The zenith as a view centre lies on the meridian, whatever the view azimuth (it was
  // once put 12 h away).
  for (const double az : {0.0, 1.0, PI, -2.0}) {
    o.HorizontalToEquatorial(az, HALF_PI, ra, dec);
    EXPECT_LT(std::fabs(std::remainder(ra, TWO_PI)), 1e-12) << az;
    EXPECT_NEAR(dec / D, 50, 1e-12);
  }
  // At the geographic poles the celestial pole is the zenith and the view centre's
  // declination is its altitude.
  for (const double latitude : {90.0, -90.0}) {
    Observer pole;
    pole.SetLocation(0, latitude);
    double az = 0, alt = 0;
    pole.EquatorialToHorizontal(1.0, latitude * D, az, alt);
    EXPECT_NEAR(alt, HALF_PI, 1e-8);
    EXPECT_TRUE(std::isfinite(az));
    pole.HorizontalToEquatorial(0.0, 30 * D, ra, dec);
    EXPECT_NEAR(dec / D, latitude > 0 ? 30 : -30, 1e-9);
  }
}

// ERFA's hour angle is minus (ra - lst). Every fifth point lies on the meridian, where the
// azimuth was once forced to south. The azimuth error is weighted by cos(altitude), the distance
// it makes on the sky. 1e-9 rad allows for tan(dec) near the poles.
TEST(Transforms, EquatorialToHorizontalAgreesWithErfaHd2ae) {
  std::mt19937_64 random(20240607);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  double worst = 0.0, worstRoundTrip = 0.0;
  Observer o;
  for (int i = 0; i < 5000; ++i) {
    if (i % 50 == 0) o.SetLocation(0, (unit(random) * 178 - 89));
    double raMinusLst = (unit(random) * 2 - 1) * TWO_PI;
    if (i % 5 == 0) raMinusLst = (i % 10 == 0) ? 0.0 : PI;
    const double dec = std::asin(unit(random) * 2 - 1);
    double az = 0, alt = 0, erfaAz = 0, erfaAlt = 0;
    o.EquatorialToHorizontal(raMinusLst, dec, az, alt);
    eraHd2ae(-raMinusLst, dec, o.GetLatitude() * D, &erfaAz, &erfaAlt);
    ASSERT_GE(az, 0.0);
    ASSERT_LT(az, TWO_PI);
    const double azError = std::fabs(std::remainder(az - erfaAz, TWO_PI)) * std::cos(erfaAlt);
    worst = std::max({worst, azError, std::fabs(alt - erfaAlt)});
    double ra = 0, back = 0;
    o.HorizontalToEquatorial(az, alt, ra, back);
    worstRoundTrip = std::max(worstRoundTrip, Separation(ra, back, raMinusLst, dec));
  }
  std::printf("worst error against eraHd2ae: %.3g rad; worst round trip: %.3g rad\n", worst,
              worstRoundTrip);
  RecordProperty("worst_error_rad", std::to_string(worst));
  EXPECT_LT(worst, 1e-9);
  EXPECT_LT(worstRoundTrip, 1e-9);
}

TEST(Transforms, NeverReturnNanForFiniteInput) {
  const Observer o;
  double a = 0, b = 0;
  const double huge[] = {1e300, -1e300, std::numeric_limits<double>::max(), 1e16, HALF_PI};
  for (double u : huge) {
    for (double v : huge) {
      o.EquatorialToHorizontal(u, v, a, b);
      EXPECT_FALSE(std::isnan(a) || std::isnan(b)) << u << ", " << v;
      o.HorizontalToEquatorial(u, v, a, b);
      EXPECT_FALSE(std::isnan(a) || std::isnan(b)) << u << ", " << v;
    }
  }
}

}  // namespace
}  // namespace halvane
