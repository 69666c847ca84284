// The constellation-line layer's culling: band and cap tests per end, whole segments, and the
// visible part of segments that only cross the view.
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
  chart.Draw(DrawConstellationLines, 0.0);
  // Off, it selects its pen and draws nothing.
  ASSERT_EQ(chart.surface.Lines().size(), 1u);
  EXPECT_EQ(chart.surface.Lines()[0].rfind("pen ", 0), 0u);

  chart.layers.showConstellationLines = true;
  chart.Draw(DrawConstellationLines, 0.0);
  std::ofstream(chart.layers.linesPath, std::ios::binary).write("HALV", 4);  // short header
  chart.Draw(DrawConstellationLines, 0.0);
  EXPECT_EQ(test_support::Drawn(chart.surface, "text"),
            (std::vector<std::string>{"0 0 240 294 5 \"File not found\"",
                                      "0 0 240 294 5 \"Unsupported file version\""}));
}

TEST_F(LineLayer, DrawsSegmentsWithAnEndInTheCapWholeAndOthersWhereTheyCrossIt) {
  // Points stay off the meridian, where the transforms fold the north onto the south.
  const SkyPosition inside = chart.At(0.1, 0.1);
  const SkyPosition below = chart.At(0.05, -2.0);
  // For latitude 50 the band is declinations above about -17 degrees; the southern horizon
  // lies at -40 there, outside both band and cap.
  const SkyPosition southHorizon{0.0, -40 * DEG_TO_RAD};
  const SkyPosition acrossFrom = chart.At(-1.4, 0.2);  // both beyond the cap (1.17 radians)
  const SkyPosition acrossTo = chart.At(1.4, 0.2);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const std::vector<ConstellationSegment> segments = {
      Between(acrossFrom, acrossTo),
      Between(inside, below),
      Between(southHorizon, inside),
      ConstellationSegment{inside.rightAscension, inside.declination, nan, 0.3},
      ConstellationSegment{inside.rightAscension, std::numeric_limits<double>::infinity(),
                           inside.rightAscension, inside.declination},
      Between(chart.At(-1.4, 1.2), chart.At(-1.2, 1.4)),  // passes outside the cap
  };
  test_support::WriteCatalog(chart.layers.linesPath, LINES_TAG, SEGMENT_RECORD_SIZE, segments,
                             EncodeSegment);
  chart.Draw(DrawConstellationLines, 0.0);
  const auto lines = test_support::Polylines(chart.surface);
  ASSERT_EQ(lines.size(), 3u);
  // The crossing segment bends with its great circle and ends at the cap's edge.
  EXPECT_GT(lines[0].size(), 5u);
  EXPECT_LE(test_support::ArcDeviation(chart, acrossFrom, acrossTo, lines[0]), 1.0);
  const auto drawn = test_support::Drawn(chart.surface, "polyline");
  EXPECT_TRUE(test_support::NearSegment(drawn[1], chart.Pixel(0.1, 0.1), chart.Pixel(0.05, -2.0)));
  EXPECT_TRUE(test_support::NearSegment(drawn[2], chart.Pixel(0.0, HALF_PI), chart.Pixel(0.1, 0.1)))
      << drawn[2];
}

TEST_F(LineLayer, LinesThroughANarrowViewAreDrawnAlongTheirGreatCircle) {
  const std::vector<std::pair<SkyPosition, SkyPosition>> crossing = {
      {chart.At(-0.5, 0.001), chart.At(0.6, 0.004)},   // both ends outside the band
      {chart.At(0.003, -0.7), chart.At(-0.002, 0.8)},  // through the pole's side
      {chart.At(-0.3, -0.3), chart.At(0.31, 0.3)},
  };
  std::vector<ConstellationSegment> segments;
  for (const auto& [from, to] : crossing) segments.push_back(Between(from, to));
  segments.push_back(Between(chart.At(-0.5, 0.3), chart.At(0.5, 0.3)));  // misses the view
  test_support::WriteCatalog(chart.layers.linesPath, LINES_TAG, SEGMENT_RECORD_SIZE, segments,
                             EncodeSegment);
  for (int i = 0; i < 5; ++i) chart.view.ZoomIn();  // 2.8 degrees
  chart.Draw(DrawConstellationLines, 0.0);
  const auto lines = test_support::Polylines(chart.surface);
  ASSERT_EQ(lines.size(), crossing.size());
  for (size_t i = 0; i < lines.size(); ++i) {
    EXPECT_LE(test_support::ArcDeviation(chart, crossing[i].first, crossing[i].second, lines[i]),
              1.0)
        << i;
  }
}

}  // namespace
}  // namespace halvane
