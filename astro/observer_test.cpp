// Tests of the Observer's view operations and its four transforms, against worked values,
// against ERFA and against each other.
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

TEST(Observer, StartsAtTheZenithAndTakesTheLongitudeFirst) {
  Observer o;
  double az = 1, alt = 0;
  o.GetViewDirection(az, alt);
  EXPECT_EQ(az, 0.0);
  EXPECT_EQ(alt, HALF_PI);
  EXPECT_EQ(o.GetLatitude(), 50.0);
  EXPECT_EQ(o.GetLongitude(), -20.0);
  EXPECT_EQ(o.GetSinViewAltitude(), 1.0);
  o.SetLocation(-18.33888888888889, 49.69694444444445);
  EXPECT_EQ(o.GetLongitude(), -18.33888888888889);
  EXPECT_EQ(o.GetLatitude(), 49.69694444444445);
  EXPECT_EQ(o.GetSinLatitude(), std::sin(49.69694444444445 * D));
}

TEST(Observer, ViewOperationsLeaveTheirRanges) {
  Observer o;
  double az = 0, alt = 0;
  o.SetViewDirection(-HALF_PI, 30 * D);  // "West" stays negative...
  o.GetViewDirection(az, alt);
  EXPECT_EQ(az, -HALF_PI);
  o.PanView(0, 0);  // ...until a pan adds a turn
  o.GetViewDirection(az, alt);
  EXPECT_EQ(az, 3 * HALF_PI);
  o.SetViewDirection(0, HALF_PI);
  o.PanView(0, 0.2);  // over the zenith
  o.GetViewDirection(az, alt);
  EXPECT_DOUBLE_EQ(alt, HALF_PI + 0.2);
  EXPECT_LT(o.GetCosViewAltitude(), 0.0);
  o.SetViewDirection(0, 0);
  o.PanView(0, -0.1);  // just below the horizon
  o.GetViewDirection(az, alt);
  EXPECT_DOUBLE_EQ(alt, TWO_PI - 0.1);
  for (int i = 0; i < 24; ++i) o.RotateClockwise();
  EXPECT_EQ(o.GetRotation(), 6.2831853071795845);  // a full turn, never reduced
  EXPECT_NEAR(o.GetSinRotation(), 0.0, 1e-14);
  o.RotateCounterClockwise();
  EXPECT_EQ(o.GetCosRotation(), std::cos(o.GetRotation()));
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

TEST(Transforms, ViewPlaneGivesTheWorkedValuesWithAndWithoutRotation) {
  Observer o;
  o.SetViewDirection(180 * D, 30 * D);
  double x = 0, y = 0, az = 0, alt = 0;
  o.HorizontalToView(200 * D, 40 * D, x, y);
  EXPECT_NEAR(x, 0.2669325961520303, 1e-15);
  EXPECT_NEAR(y, 0.20044933361428277, 1e-15);
  o.ViewToHorizontal(x, y, az, alt);
  EXPECT_NEAR(az / D, 200, 1e-10);
  EXPECT_NEAR(alt / D, 40, 1e-10);
  o.RotateClockwise();
  o.HorizontalToView(200 * D, 40 * D, x, y);
  EXPECT_NEAR(x, 0.3097171936191213, 1e-15);
  EXPECT_NEAR(y, 0.1245319485576639, 1e-15);
  o.ViewToHorizontal(x, y, az, alt);
  EXPECT_NEAR(az / D, 200, 1e-10);
  EXPECT_NEAR(alt / D, 40, 1e-10);
  o.ViewToHorizontal(0, 0, az, alt);  // the view centre
  EXPECT_EQ(az, PI);
  EXPECT_EQ(alt, 30 * D);

  // From the zenith the horizon point at the view azimuth lies straight below the centre.
  Observer zenith;
  const double r = 30 * D;
  const double expected[4][2] = {{0, -r}, {r, 0}, {0, r}, {-r, 0}};
  for (int i = 0; i < 4; ++i) {
    zenith.HorizontalToView(i * HALF_PI, 60 * D, x, y);
    EXPECT_NEAR(x, expected[i][0], 1e-12) << i;
    EXPECT_NEAR(y, expected[i][1], 1e-12) << i;
  }
  zenith.HorizontalToView(0, HALF_PI, x, y);
  EXPECT_EQ(x, 0.0);
  EXPECT_EQ(y, 0.0);

  // After "West" the azimuth read back from the view plane is negative.
  Observer west;
  west.SetViewDirection(-HALF_PI, 30 * D);
  west.HorizontalToView(280 * D, 35 * D, x, y);
  west.ViewToHorizontal(x, y, az, alt);
  EXPECT_NEAR(az / D, -80, 1e-10);
  EXPECT_NEAR(alt / D, 35, 1e-10);
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

// Views anywhere, beyond the zenith and below the horizon, with any rotation. Near the antipode
// the scale c / sin c reaches 1000 and the error grows to about 1e-11 rad; 1e-9 is allowed.
TEST(Transforms, ViewToHorizontalInvertsHorizontalToView) {
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  double worst = 0.0;
  int checked = 0;
  Observer o;
  for (int i = 0; i < 20000; ++i) {
    if (i % 100 == 0) {
      o.SetViewDirection((unit(random) * 2 - 1) * TWO_PI, (unit(random) * 2 - 1) * TWO_PI);
      const int turns = static_cast<int>(unit(random) * 24);
      for (int t = 0; t < turns; ++t) o.RotateClockwise();
    }
    const double az = unit(random) * TWO_PI;
    const double alt = std::asin(unit(random) * 2 - 1);
    // The centre's true direction: past the zenith it lies half a turn round.
    double centreAz = 0, centreAlt = 0;
    o.ViewToHorizontal(0, 0, centreAz, centreAlt);
    if (Separation(az, alt, centreAz, centreAlt) >= PI - 0.001) continue;
    double x = 0, y = 0, az2 = 0, alt2 = 0;
    o.HorizontalToView(az, alt, x, y);
    o.ViewToHorizontal(x, y, az2, alt2);
    ASSERT_GT(az2, -TWO_PI);
    ASSERT_LT(az2, TWO_PI);
    worst = std::max(worst, Separation(az, alt, az2, alt2));
    ++checked;
  }
  std::printf("worst view-plane round trip over %d points: %.3g rad\n", checked, worst);
  RecordProperty("worst_round_trip_rad", std::to_string(worst));
  EXPECT_LT(worst, 1e-9);
}

TEST(Transforms, NeverReturnNanForFiniteInput) {
  Observer o;
  double a = 0, b = 0;
  // The view centre itself at many altitudes, where rounding may push acos past 1.
  for (int i = 0; i < 100000; ++i) {
    const double h0 = (i - 50000) * 1.2566370614359173e-4;
    o.SetViewDirection(0.3, h0);
    o.HorizontalToView(0.3, h0, a, b);
    ASSERT_FALSE(std::isnan(a) || std::isnan(b)) << h0;
    ASSERT_LT(std::hypot(a, b), 1e-7) << h0;
    o.ViewToHorizontal(0, 0, a, b);
    ASSERT_FALSE(std::isnan(a) || std::isnan(b)) << h0;
  }
  o.RotateClockwise();
  const double huge[] = {1e300, -1e300, std::numeric_limits<double>::max(), 1e16, HALF_PI};
  for (double u : huge) {
    for (double v : huge) {
      o.EquatorialToHorizontal(u, v, a, b);
      EXPECT_FALSE(std::isnan(a) || std::isnan(b)) << u << ", " << v;
      o.HorizontalToView(u, v, a, b);
      EXPECT_FALSE(std::isnan(a) || std::isnan(b)) << u << ", " << v;
      o.ViewToHorizontal(u * 1e-9, v * 1e-9, a, b);
      EXPECT_FALSE(std::isnan(a) || std::isnan(b)) << u << ", " << v;
    }
  }
}

}  // namespace
}  // namespace halvane
