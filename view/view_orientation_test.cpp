// Tests of the view direction and rotation and the view-plane transforms, against worked values
// and against each other.
#include "view/view_orientation.h"

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
  const double v1[3] = {std::cos(h1) * std::cos(a1), std::cos(h1) * std::sin(a1), std::sin(h1)};
  const double v2[3] = {std::cos(h2) * std::cos(a2), std::cos(h2) * std::sin(a2), std::sin(h2)};
  const double cross[3] = {v1[1] * v2[2] - v1[2] * v2[1], v1[2] * v2[0] - v1[0] * v2[2],
                           v1[0] * v2[1] - v1[1] * v2[0]};
  return std::atan2(std::hypot(cross[0], cross[1], cross[2]),
                    v1[0] * v2[0] + v1[1] * v2[1] + v1[2] * v2[2]);
}

TEST(ViewOrientation, StartsAtTheZenith) {
  const ViewOrientation o;
  double az = 1, alt = 0;
  o.GetViewDirection(az, alt);
  EXPECT_EQ(az, 0.0);
  EXPECT_EQ(alt, HALF_PI);
  EXPECT_EQ(o.GetSinViewAltitude(), 1.0);
  EXPECT_EQ(o.GetRotation(), 0.0);
}

TEST(ViewOrientation, ViewOperationsLeaveTheirRanges) {
  ViewOrientation o;
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
  o.SetRotation(-7.0);  // a sensor's roll, kept as given
  EXPECT_EQ(o.GetRotation(), -7.0);
  EXPECT_EQ(o.GetSinRotation(), std::sin(-7.0));
}

TEST(ViewOrientation, ViewPlaneGivesTheWorkedValuesWithAndWithoutRotation) {
  ViewOrientation o;
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
  ViewOrientation zenith;
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
  ViewOrientation west;
  west.SetViewDirection(-HALF_PI, 30 * D);
  west.HorizontalToView(280 * D, 35 * D, x, y);
  west.ViewToHorizontal(x, y, az, alt);
  EXPECT_NEAR(az / D, -80, 1e-10);
  EXPECT_NEAR(alt / D, 35, 1e-10);
}

// Views anywhere, beyond the zenith and below the horizon, with any rotation, both ways back. Near
// the antipode the scale c / sin c reaches 1000 and the error grows to about 1e-11 rad; 1e-9 is
// allowed.
TEST(ViewOrientation, ViewToHorizontalInvertsHorizontalToView) {
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  double worst = 0.0;
  int checked = 0;
  ViewOrientation o;
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
    // The direction without the angles: the chord to the true one.
    const Direction d = o.ViewToDirection(x, y);
    const Direction truth = DirectionOf(az, alt);
    worst = std::max(worst, std::hypot(d.x - truth.x, d.y - truth.y, d.z - truth.z));
    ++checked;
  }
  std::printf("worst view-plane round trip over %d points: %.3g rad\n", checked, worst);
  RecordProperty("worst_round_trip_rad", std::to_string(worst));
  EXPECT_LT(worst, 1e-9);
}

TEST(ViewOrientation, NeverReturnNanForFiniteInput) {
  ViewOrientation o;
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
      o.HorizontalToView(u, v, a, b);
      EXPECT_FALSE(std::isnan(a) || std::isnan(b)) << u << ", " << v;
      o.ViewToHorizontal(u * 1e-9, v * 1e-9, a, b);
      EXPECT_FALSE(std::isnan(a) || std::isnan(b)) << u << ", " << v;
    }
  }
}

}  // namespace
}  // namespace halvane
