// The projection's mapping between the view plane and pixels, zoom and panning.
#include "view/projection.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "astro/angles.h"
#include "astro/observer.h"
#include "platform/recording_surface.h"
#include "view/progress_strip.h"

namespace halvane {
namespace {

constexpr Rect CHART = {0, 0, 240, 294};

TEST(Projection, MapsTheViewPlaneByTruncationWithYUp) {
  Observer observer;
  const Projection view(CHART);
  EXPECT_EQ(view.GetCenterX(), 120);
  EXPECT_EQ(view.GetCenterY(), 147);
  EXPECT_NEAR(view.GetXScale(), 152.789, 0.001);
  EXPECT_NEAR(view.GetYScale(), -152.789, 0.001);
  EXPECT_EQ(view.GetGridDivisions(), 12);
  struct Case {
    double x, y;
    int32_t sx, sy;
  };
  // Truncation towards zero: -0.92 and 0.92 pixels both stay on the centre.
  const Case cases[] = {{0.0, 0.0, 120, 147},     {-0.006, 0.0, 120, 147},  {0.006, 0.0, 120, 147},
                        {0.0066, 0.0, 121, 147},  {-0.0066, 0.0, 119, 147}, {0.0, 1.0, 120, -5},
                        {20.0, -20.0, 3175, 3202}};
  for (const Case& c : cases) {
    int32_t sx = 0;
    int32_t sy = 0;
    view.ViewToScreen(c.x, c.y, sx, sy);
    EXPECT_EQ(sx, c.sx) << c.x;
    EXPECT_EQ(sy, c.sy) << c.y;
  }
  // Damaged or huge coordinates land far off the chart, without undefined conversions.
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (const double value : {1e300, -1e300, std::numeric_limits<double>::infinity(), nan}) {
    int32_t sx = 0;
    int32_t sy = 0;
    view.ViewToScreen(value, value, sx, sy);
    EXPECT_GT(std::abs(sx - 120), 100000) << value;
    EXPECT_GT(std::abs(sy - 147), 100000) << value;
  }
  double x = 1.0;
  double y = 1.0;
  view.ScreenToView(120 + 153, 147, x, y);
  EXPECT_NEAR(x, 1.0014, 0.0001);
  EXPECT_EQ(y, 0.0);
}

TEST(Projection, ChartAwayFromTheOriginAndResized) {
  Observer observer;
  Projection view({100, 20, 340, 314});
  EXPECT_EQ(view.GetCenterX(), 220);
  EXPECT_EQ(view.GetCenterY(), 167);
  // The strip's right edge counts from client x = 0, not from the chart's left edge.
  RecordingSurface screen;
  ProgressStrip strip(view.GetViewRect());
  strip.Show(50.0, screen);
  strip.Show(std::numeric_limits<double>::quiet_NaN(), screen);
  EXPECT_EQ(screen.Lines()[0], "fill 100 20 120 25 white");

  view.ZoomIn();
  view.SetViewRect({0, 0, 480, 300});
  EXPECT_EQ(view.GetCenterX(), 240);
  EXPECT_EQ(view.GetCenterY(), 150);
  strip.SetViewRect(view.GetViewRect());
  strip.Show(100.0, screen);
  EXPECT_EQ(screen.Lines().back(), "fill 0 0 480 5 white");
  EXPECT_NEAR(view.GetXScale(), 480 / (PI / 4), 1e-9) << "the zoom survives the resize";
  view.SetViewRect({0, 0, 0, 0});  // nothing to show, nothing to break
  view.DragView(5, 5);
}

TEST(Projection, ZoomStepsLimitsAndGridDensity) {
  Observer observer;
  Projection view(CHART);
  // Field of view, grid divisions and pixels per radian at every step in from 90 degrees.
  const double steps[][3] = {{45.0, 12, 305.58},   {22.5, 18, 611.15},    {11.25, 18, 1222.31},
                             {5.625, 36, 2444.62}, {2.8125, 36, 4889.24}, {2.8125, 36, 4889.24}};
  for (const auto& step : steps) {
    view.ZoomIn();
    EXPECT_NEAR(view.GetFieldOfView() * RAD_TO_DEG, step[0], 1e-12);
    EXPECT_EQ(view.GetGridDivisions(), step[1]) << step[0];
    EXPECT_NEAR(view.GetXScale(), step[2], 0.01) << step[0];
  }
  view.ZoomReset();
  EXPECT_EQ(view.GetFieldOfView(), DEG_TO_RAD * 90.0);
  EXPECT_EQ(view.GetGridDivisions(), 12);
  view.ZoomOut();
  view.ZoomOut();
  EXPECT_EQ(view.GetFieldOfView(), PI);
  EXPECT_EQ(view.GetGridDivisions(), 6);
}

TEST(Projection, ArrowStepsAndDragsTurnRoundOverTheZenith) {
  Observer observer;
  Projection view(CHART);
  double azimuth = 0.0;
  double altitude = 0.0;
  const auto expectView = [&](double degreesAzimuth, double degreesAltitude) {
    view.GetViewDirection(azimuth, altitude);
    EXPECT_NEAR(azimuth * RAD_TO_DEG, degreesAzimuth, 1e-9);
    EXPECT_NEAR(altitude * RAD_TO_DEG, degreesAltitude, 1e-9);
  };
  view.PanRight();
  expectView(9.0, 90.0);
  view.PanLeft();
  view.PanLeft();
  expectView(351.0, 90.0);
  view.PanUp();  // over the zenith: the picture is upside down
  view.PanRight();
  expectView(342.0, 99.0);
  view.DragView(24, 0);  // the picture follows the stylus, upside down as well
  expectView(351.0, 99.0);
  view.PanDown();
  view.PanDown();
  view.DragView(24, 0);  // upright again: 24 of 240 pixels at 90 degrees span 9 degrees
  expectView(342.0, 81.0);
  view.DragView(0, -24);
  expectView(342.0, 72.0);
  for (int i = 0; i < 5; ++i) view.ZoomIn();
  view.PanUp();
  expectView(342.0, 72.28125);
}

TEST(Projection, ADraggedSkyFollowsTheStylusAtAnyRotation) {
  // The sky point under the press ends up near the release point; the step rule measures the
  // drag in angles of azimuth and altitude, so near but not exactly under it.
  Observer observer;
  Projection view(CHART);
  view.ZoomIn();
  for (int turns = 0; turns < 24; ++turns) {
    for (const double altitude : {0.3, PI - 0.3}) {  // upright, and over the zenith
      view.SetViewDirection(1.0, altitude);
      const int32_t x0 = 100, y0 = 160, dx = 30, dy = -20;
      double px = 0, py = 0, azimuth = 0, height = 0;
      view.ScreenToView(x0, y0, px, py);
      view.GetOrientation().ViewToHorizontal(px, py, azimuth, height);
      view.DragView(dx, dy);
      view.GetOrientation().HorizontalToView(azimuth, height, px, py);
      int32_t x1 = 0, y1 = 0;
      view.ViewToScreen(px, py, x1, y1);
      EXPECT_LT(std::hypot(x1 - (x0 + dx), y1 - (y0 + dy)), 8.0) << turns << " " << altitude;
    }
    view.RotateClockwise();
  }
}

}  // namespace
}  // namespace halvane
