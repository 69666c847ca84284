// The constellation-line layer's culling: band and cap tests per end, whole segments.
#include <gtest/gtest.h>

#include <limits>

#include "astro/angles.h"
#include "catalog/layer_test_support.h"

namespace halvane {
namespace {

using test_support::SkyPosition;

ConstellationSegment Between(SkyPosition a, SkyPosition b) {
  return ConstellationSegment{a.rightAscension, a.declination, b.rightAscension, b.declination};
}

class LineLayer : public ::testing::Test {
 protected:
  LineLayer() { chart.layers.linesPath = folder.File("ConLin.dat"); }
  test_support::ScratchFolder folder;
  test_support::Chart chart;
};

TEST_F(LineLayer, SwitchAndFileProblems) {
  chart.layers.showConstellationLines = false;
  DrawConstellationLines(chart.view, chart.layers, chart.surface, 0.0);
  EXPECT_TRUE(chart.surface.Lines().empty());

  chart.layers.showConstellationLines = true;
  DrawConstellationLines(chart.view, chart.layers, chart.surface, 0.0);
  std::ofstream(chart.layers.linesPath, std::ios::binary).write("HALV", 4);  // short header
  DrawConstellationLines(chart.view, chart.layers, chart.surface, 0.0);
  EXPECT_EQ(test_support::Drawn(chart.surface, "text"),
            (std::vector<std::string>{"0 0 240 294 5 \"File not found\"",
                                      "0 0 240 294 5 \"Unsupported file version\""}));
}

TEST_F(LineLayer, DrawsWholeSegmentsWithAnEndInTheCap) {
  // Points stay off the meridian, where the transforms fold the north onto the south.
  const SkyPosition inside = chart.At(0.1, 0.1);
  const SkyPosition below = chart.At(0.05, -2.0);
  // For latitude 50 the band is declinations above about -17 degrees; the southern horizon
  // lies at -40 there, outside both band and cap.
  const SkyPosition southHorizon{0.0, -40 * DEG_TO_RAD};
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const std::vector<ConstellationSegment> segments = {
      Between(chart.At(-1.4, 0.05), chart.At(1.4, 0.05)),  // across the chart, ends outside
      Between(inside, below),
      Between(southHorizon, inside),
      ConstellationSegment{inside.rightAscension, inside.declination, nan, 0.3},
      ConstellationSegment{inside.rightAscension, std::numeric_limits<double>::infinity(),
                           inside.rightAscension, inside.declination},
  };
  test_support::WriteCatalog(chart.layers.linesPath, LINES_TAG, SEGMENT_RECORD_SIZE, segments,
                             EncodeSegment);
  DrawConstellationLines(chart.view, chart.layers, chart.surface, 0.0);
  const auto drawn = test_support::Drawn(chart.surface, "polyline");
  ASSERT_EQ(drawn.size(), 2u);
  EXPECT_TRUE(test_support::NearSegment(drawn[0], chart.Pixel(0.1, 0.1), chart.Pixel(0.05, -2.0)));
  EXPECT_TRUE(test_support::NearSegment(drawn[1], chart.Pixel(0.0, HALF_PI), chart.Pixel(0.1, 0.1)))
      << drawn[1];
}

}  // namespace
}  // namespace halvane
