// The ground: a point just below the horizon lies under it, one just above does not, looking
// at the horizon from any side; looking at the nadir the whole chart is ground.
#include "view/ground_layer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "astro/angles.h"
#include "astro/observer.h"
#include "platform/area_fill.h"
#include "platform/recording_surface.h"
#include "tests/support/frame_support.h"
#include "tests/support/trace_lines.h"
#include "view/projection.h"

namespace halvane {
namespace {

constexpr FramePens PENS = {.ground = 0x102030, .horizon = 0x405060, .direction = 0x708090};

using test_support::Numbers;

// The chart's pixels the traced ground covers.
std::vector<bool> GroundMask(const std::string& line, const Rect& chart) {
  const std::vector<int64_t> numbers = Numbers(line.substr(line.find(' ', 7)));
  std::vector<Point> points;
  for (size_t i = 1; i + 1 < numbers.size(); i += 2) {
    points.push_back({static_cast<int32_t>(numbers[i]), static_cast<int32_t>(numbers[i + 1])});
  }
  std::vector<bool> mask(static_cast<size_t>(chart.Width() * chart.Height()), false);
  ForEachAreaSpan(points.data(), static_cast<int32_t>(points.size()), 1.0, chart.Width(),
                  chart.Height(), [&](int32_t y, int32_t x0, int32_t x1) {
                    for (int32_t x = x0; x < x1; ++x) mask[y * chart.Width() + x] = true;
                  });
  return mask;
}

TEST(Ground, HidesWhatIsBelowTheHorizonAndTheNadirViewIsAllGround) {
  const Rect chart{0, 0, 240, 294};
  Observer observer;
  observer.SetLocation(-2.35, 48.85);
  LayerSet layers;
  layers.showGround = true;
  const Moment sky = test_support::PlainSky(observer, 0.0);
  Projection projection(chart);
  int checked = 0;
  for (const double viewAltitude : {-0.3, 0.0, 0.05, 0.4}) {
    for (const double viewAzimuth : {0.0, 1.0, 2.5, 4.0}) {
      projection.SetViewDirection(viewAzimuth, viewAltitude);
      RecordingSurface surface;
      test_support::TestFrame frame(projection, layers, sky);
      frame.pens = PENS;
      frame.Draw(DrawGround, surface);
      const std::vector<LabelCandidate>& names = frame.labels;
      ASSERT_EQ(surface.Lines().front().rfind("ground 302010 ", 0), 0u);
      const std::vector<bool> mask = GroundMask(surface.Lines().front(), chart);
      for (double azimuth = viewAzimuth - 0.6; azimuth <= viewAzimuth + 0.6; azimuth += 0.1) {
        for (const double altitude : {-0.02, 0.02}) {
          const auto [sx, sy] = projection.HorizontalToScreen(azimuth, altitude);
          if (sx < 0 || sy < 0 || sx >= chart.right || sy >= chart.bottom) continue;
          EXPECT_EQ(mask[sy * chart.right + sx], altitude < 0.0)
              << "view " << viewAzimuth << ' ' << viewAltitude << " point " << azimuth << ' '
              << altitude;
          ++checked;
        }
      }
      EXPECT_FALSE(names.empty()) << "a point of the compass on the horizon in view";
    }
  }
  EXPECT_GT(checked, 100);

  projection.SetViewDirection(0.0, -HALF_PI);
  RecordingSurface surface;
  test_support::TestFrame frame(projection, layers, sky);
  frame.pens = PENS;
  frame.Draw(DrawGround, surface);
  const std::vector<LabelCandidate>& names = frame.labels;
  const std::vector<bool> mask = GroundMask(surface.Lines().front(), chart);
  EXPECT_EQ(std::count(mask.begin(), mask.end(), true), chart.Width() * chart.Height());
  // The horizon is off the chart: every point of the compass is written at its edge, the
  // way it lies (looking down, east is to the right of north's way turned clockwise).
  ASSERT_EQ(names.size(), 8u);
  for (const LabelCandidate& name : names) {
    EXPECT_TRUE(name.x <= 11 || name.y <= 9 || name.x >= chart.right - 11 ||
                name.y >= chart.bottom - 9)
        << ToUtf8(name.text) << ' ' << name.x << ' ' << name.y;
  }
  const auto way = [&](size_t i) {
    return std::atan2(names[i].y - 0.5 * chart.bottom, names[i].x - 0.5 * chart.right);
  };
  for (size_t i = 0; i < 8; ++i) {
    const double turn = std::remainder(way((i + 2) % 8) - way(i), TWO_PI);
    EXPECT_GT(std::abs(turn), 0.8) << "a quarter turn from each point to the next but one";
  }
}

}  // namespace
}  // namespace halvane
