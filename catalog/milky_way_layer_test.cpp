// The Milky Way layer: rings filled in their level's grey, and a ring round the point
// opposite the view still covering the chart it encloses.
#include "catalog/milky_way_layer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "astro/angles.h"
#include "catalog/layer_test_support.h"
#include "catalog/sky_records.h"

namespace halvane {
namespace {

// The rings of a recorded polygon line and whether pixel (x, y) lies inside them, counted by
// the even-odd rule.
bool Covers(const std::string& line, double x, double y) {
  std::istringstream in(line);
  std::string op;
  std::string color;
  int rings = 0;
  in >> op >> color >> rings;
  std::vector<int> counts(static_cast<size_t>(rings));
  for (int& count : counts) in >> count;
  bool inside = false;
  for (const int count : counts) {
    std::vector<Point> ring(static_cast<size_t>(count));
    for (Point& p : ring) in >> p.x >> p.y;
    for (size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
      const Point& a = ring[i];
      const Point& b = ring[j];
      if ((a.y > y) != (b.y > y) && x < a.x + (y - a.y) * (b.x - a.x) / double(b.y - a.y)) {
        inside = !inside;
      }
    }
  }
  return inside;
}

TEST(MilkyWayLayer, RingsFillInTheirLevelsGreyWhereverTheViewIs) {
  test_support::ScratchFolder folder;
  test_support::Chart chart;
  chart.layers.milkyWayPath = folder.File("MilkyWay.dat");
  std::vector<MilkyWayVertex> vertices;
  // Level 2: a ring 20 degrees round the zenith, the view's centre. Level 4: a ring 10
  // degrees round the nadir, opposite the view, which therefore encloses the whole chart.
  for (int step = 0; step < 36; ++step) {
    const double azimuth = step * 10.0 * DEG_TO_RAD;
    for (const auto& [level, altitude] : {std::pair{2, 70.0}, std::pair{4, -80.0}}) {
      MilkyWayVertex vertex{0.0, 0.0, static_cast<uint16_t>(level), static_cast<uint8_t>(level), 0};
      chart.observer.HorizontalToEquatorial(azimuth, altitude * DEG_TO_RAD, vertex.rightAscension,
                                            vertex.declination);
      vertices.push_back(vertex);
    }
  }
  std::stable_sort(vertices.begin(), vertices.end(),
                   [](const auto& a, const auto& b) { return a.level < b.level; });
  test_support::WriteCatalog(chart.layers.milkyWayPath, MILKY_WAY_TAG, MILKY_WAY_RECORD_SIZE,
                             vertices, EncodeMilkyWayVertex);
  MilkyWayLayer layer;
  DrawMilkyWay(chart.view, chart.layers, layer, chart.surface, 0.0);
  const std::vector<std::string>& lines = chart.surface.Lines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].rfind("polygon 161921 ", 0), 0u) << lines[0];
  EXPECT_TRUE(Covers(lines[0], 120.5, 147.5));
  EXPECT_FALSE(Covers(lines[0], 5.5, 5.5));
  EXPECT_EQ(lines[1].rfind("polygon 222733 ", 0), 0u) << lines[1];
  for (const auto& [x, y] :
       {std::pair{120.5, 147.5}, std::pair{0.5, 0.5}, std::pair{239.5, 293.5}}) {
    EXPECT_TRUE(Covers(lines[1], x, y)) << x << "," << y;
  }

  chart.surface.Clear();
  chart.layers.milkyWayPath = folder.File("missing.dat");
  DrawMilkyWay(chart.view, chart.layers, layer, chart.surface, 0.0);
  ASSERT_FALSE(chart.surface.Lines().empty());
  EXPECT_NE(chart.surface.Lines().back().find("File not found"), std::string::npos);
}

}  // namespace
}  // namespace halvane
