// The visible cap's radius and inside test, and the latitude band a cap covers.
#include "view/visible_cap.h"

#include <gtest/gtest.h>

#include <cmath>

#include "astro/angles.h"
#include "astro/observer.h"
#include "view/projection.h"

namespace halvane {
namespace {

TEST(LatitudeBand, FoldsEdgesThatPassAPole) {
  const double cases[][4] = {
      // centre, radius, low, high
      {0.0, 1.0, -1.0, 1.0},
      {1.0, 0.2, 0.8, 1.2},
      {1.2, 0.5, 0.7, HALF_PI},                      // covers the upper pole
      {HALF_PI, 0.5, HALF_PI - 0.5, HALF_PI},        // view at the zenith
      {HALF_PI + 0.2, 0.5, HALF_PI - 0.7, HALF_PI},  // carried over the zenith
      {-1.2, 0.5, -HALF_PI, -0.7},                   // covers the lower pole
      {0.3, 2.0, -HALF_PI, HALF_PI},                 // both edges beyond the poles
      {0.0, 0.0, 0.0, 0.0},
  };
  for (const auto& c : cases) {
    double low = 9.0;
    double high = 9.0;
    LatitudeBand(c[0], c[1], low, high);
    EXPECT_NEAR(low, c[2], 1e-12) << c[0] << " " << c[1];
    EXPECT_NEAR(high, c[3], 1e-12) << c[0] << " " << c[1];
  }
}

TEST(VisibleCap, RadiusFollowsZoomAspectAndMarginAndIncludesItsEdge) {
  Observer observer;
  Projection view({0, 0, 240, 294});
  // Catalog layers: no margin; grids: one 15-degree step. The corners lie 1.242 away: the
  // cap was once 1.1715 and 1.5620, short of them.
  EXPECT_NEAR(VisibleCap::ForView(view, 0.0).radius, 1.3065, 0.0001);
  EXPECT_NEAR(VisibleCap::ForView(view, PI / 12).radius, 1.6754, 0.0001);

  view.SetViewDirection(PI / 3, PI / 6);
  const VisibleCap cap = VisibleCap::ForView(view, 0.0);
  EXPECT_TRUE(cap.Contains(DirectionOf(PI / 3, PI / 6))) << "the centre";
  EXPECT_TRUE(cap.Contains(DirectionOf(PI / 3, PI / 6 + 1.30)));
  EXPECT_FALSE(cap.Contains(DirectionOf(PI / 3, PI / 6 + 1.31)));
  EXPECT_FALSE(cap.Contains(DirectionOf(PI / 3 + PI, 0.0))) << "behind the observer";
  // Along the horizon from azimuth 0 the distance is the azimuth itself.
  const VisibleCap horizon = VisibleCap::Around(0.0, 0.0, 0.5);
  EXPECT_TRUE(horizon.Contains(DirectionOf(0.5, 0.0)));
  EXPECT_TRUE(horizon.Contains(DirectionOf(-0.5, 0.0)));
  EXPECT_FALSE(horizon.Contains(DirectionOf(0.5000001, 0.0)));
}

// Every pixel a sprite centred just off the chart can reach lies in the cap, on wide and tall
// charts at every zoom; the antipode of the centre never does.
TEST(VisibleCap, HoldsTheChartsCornersAndStopsShortOfTheAntipode) {
  const Rect charts[] = {{0, 0, 240, 294}, {0, 0, 1080, 2000}, {0, 0, 2000, 600}};
  for (const Rect& chart : charts) {
    Observer observer;
    Projection view(chart);
    view.SetViewDirection(0.4, 0.3);
    view.ZoomOut();
    for (int zoom = 0; zoom < 7; ++zoom, view.ZoomIn()) {
      const VisibleCap cap = VisibleCap::ForView(view, 0.0);
      EXPECT_LE(cap.radius, PI - 0.001);
      for (const int32_t x : {chart.left - 5, chart.right + 5}) {
        for (const int32_t y : {chart.top - 5, chart.bottom + 5}) {
          double u = 0.0;
          double v = 0.0;
          view.ScreenToView(x, y, u, v);
          if (std::hypot(u, v) >= PI - 0.002) continue;  // beyond the antipode
          double azimuth = 0.0;
          double altitude = 0.0;
          view.GetOrientation().ViewToHorizontal(u, v, azimuth, altitude);
          EXPECT_TRUE(cap.Contains(DirectionOf(azimuth, altitude)))
              << chart.right << "x" << chart.bottom << " zoom " << zoom << " at " << x << "," << y;
        }
      }
      EXPECT_FALSE(cap.Contains(DirectionOf(0.4 + PI, -0.3)));
      EXPECT_FALSE(cap.Contains(DirectionOf(0.4 + PI, -0.3 + 0.0011)));
    }
  }
}

}  // namespace
}  // namespace halvane
