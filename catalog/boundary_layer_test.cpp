// The boundary layer's pen lifts, edge crossings, re-entries and damaged vertices.
#include <gtest/gtest.h>

#include <array>
#include <limits>

#include "catalog/layer_test_support.h"

namespace halvane {
namespace {

using Spot = std::array<double, 2>;  // a view-plane point, radians

// On the chart; beyond the cap (1.17 radians) and off the chart; far below the horizon.
constexpr Spot ON_A{-0.3, 0.2}, ON_B{0.2, 0.25}, ON_C{0.1, -0.3}, ON_D{-0.25, -0.4};
constexpr Spot OUT_1{1.35, 0.1}, OUT_2{1.4, -0.2}, OUT_3{1.45, 0.3}, BELOW{2.5, 0.0};

class BoundaryLayer : public ::testing::Test {
 protected:
  BoundaryLayer() {
    chart.layers.showConstellationBoundaries = true;
    chart.layers.boundariesPath = folder.File("ConBon.dat");
  }
  BoundaryVertex V(const Spot& at, uint16_t id) const {
    const test_support::SkyPosition p = chart.At(at[0], at[1]);
    return BoundaryVertex{p.rightAscension, p.declination, id};
  }
  // Draws the vertices and checks the segments drawn, as pairs of spots.
  void Expect(const std::vector<BoundaryVertex>& vertices,
              const std::vector<std::pair<Spot, Spot>>& expected) {
    test_support::WriteCatalog(chart.layers.boundariesPath, BOUNDARIES_TAG, VERTEX_RECORD_SIZE,
                               vertices, EncodeVertex);
    chart.surface.Clear();
    chart.Draw(DrawConstellationBoundaries, 0.0);
    const auto drawn = test_support::Drawn(chart.surface, "polyline");
    ASSERT_EQ(drawn.size(), expected.size());
    for (size_t i = 0; i < drawn.size(); ++i) {
      const auto& [from, to] = expected[i];
      EXPECT_TRUE(test_support::NearSegment(drawn[i], chart.Pixel(from[0], from[1]),
                                            chart.Pixel(to[0], to[1])))
          << i << ": " << drawn[i];
    }
  }

  test_support::ScratchFolder folder;
  test_support::Chart chart;
};

TEST_F(BoundaryLayer, SwitchAndFileProblems) {
  chart.layers.showConstellationBoundaries = false;
  chart.Draw(DrawConstellationBoundaries, 0.0);
  // Off, it selects its pen and draws nothing.
  ASSERT_EQ(chart.surface.Lines().size(), 1u);
  EXPECT_EQ(chart.surface.Lines()[0].rfind("pen ", 0), 0u);

  chart.layers.showConstellationBoundaries = true;
  chart.Draw(DrawConstellationBoundaries, 0.0);
  test_support::WriteCatalog(chart.layers.boundariesPath, LINES_TAG, VERTEX_RECORD_SIZE,
                             std::vector<BoundaryVertex>{V(ON_A, 1), V(ON_B, 1)}, EncodeVertex);
  chart.Draw(DrawConstellationBoundaries, 0.0);
  EXPECT_EQ(test_support::Drawn(chart.surface, "text"),
            (std::vector<std::string>{"0 0 240 294 5 \"File 'ConBon.dat' not found\"",
                                      "0 0 240 294 5 \"Unsupported file version\""}));
}

TEST_F(BoundaryLayer, ChangeOfIdLiftsThePen) {
  Expect({V(ON_A, 7), V(ON_B, 7), V(ON_C, 8), V(ON_D, 8)}, {{ON_A, ON_B}, {ON_C, ON_D}});
}

TEST_F(BoundaryLayer, SegmentsThatOnlyCrossTheCapAreDrawnInsideIt) {
  // Re-entering as another polyline: the entry segment reaches ON_B from the cap's edge; and
  // a segment between two vertices beyond the cap crosses the chart.
  constexpr Spot FAR_LEFT{-1.4, 0.2}, FAR_RIGHT{1.4, 0.25};
  const std::vector<BoundaryVertex> vertices = {V(ON_A, 1),     V(OUT_1, 1),    V(OUT_2, 2),
                                                V(ON_B, 2),     V(ON_C, 2),     V(ON_D, 2),
                                                V(FAR_LEFT, 2), V(FAR_RIGHT, 2)};
  test_support::WriteCatalog(chart.layers.boundariesPath, BOUNDARIES_TAG, VERTEX_RECORD_SIZE,
                             vertices, EncodeVertex);
  chart.Draw(DrawConstellationBoundaries, 0.0);
  const auto lines = test_support::Polylines(chart.surface);
  ASSERT_EQ(lines.size(), 6u);
  const auto arcFrom = [&](size_t line, const Spot& from, const Spot& to) {
    return test_support::ArcDeviation(chart, chart.At(from[0], from[1]), chart.At(to[0], to[1]),
                                      lines[line]);
  };
  EXPECT_EQ(lines[0].size(), 2u);  // ON_A to OUT_1, as before
  EXPECT_LE(arcFrom(1, OUT_2, ON_B), 1.0);
  const Point b = chart.Pixel(ON_B[0], ON_B[1]);
  EXPECT_LE(std::abs(lines[1].back().x - b.x) + std::abs(lines[1].back().y - b.y), 2);
  EXPECT_EQ(lines[2].size(), 2u);  // ON_B to ON_C
  EXPECT_EQ(lines[3].size(), 2u);  // ON_C to ON_D
  EXPECT_EQ(lines[4].size(), 2u);  // ON_D to FAR_LEFT, leaving the chart
  EXPECT_GT(lines[5].size(), 5u);
  EXPECT_LE(arcFrom(5, FAR_LEFT, FAR_RIGHT), 1.0);
}

TEST_F(BoundaryLayer, LeavingReachesOneVertexBeyondAndReentryJoinsFromTheSkippedOne) {
  Expect({V(ON_A, 3), V(OUT_1, 3), V(OUT_2, 3), V(OUT_3, 3), V(ON_B, 3), V(ON_C, 3)},
         {{ON_A, OUT_1}, {OUT_3, ON_B}, {ON_B, ON_C}});
  // The file's first record is projected however far off it lies.
  Expect({V(BELOW, 4), V(OUT_2, 4), V(ON_A, 4)}, {{OUT_2, ON_A}});
}

TEST_F(BoundaryLayer, DamagedVerticesBreakThePolyline) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  // Nothing is drawn to or from a damaged vertex; a good skipped vertex still joins a re-entry.
  Expect({V(ON_A, 5), BoundaryVertex{nan, 0.5, 5}, V(ON_B, 5), BoundaryVertex{1.0, inf, 5},
          V(OUT_1, 5), V(ON_C, 5), V(ON_D, 5)},
         {{OUT_1, ON_C}, {ON_C, ON_D}});
}

}  // namespace
}  // namespace halvane
