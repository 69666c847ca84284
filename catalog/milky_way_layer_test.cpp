// The Milky Way layer: its levels filled on the right side of their rings in every view.
#include "catalog/milky_way_layer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "astro/angles.h"
#include "catalog/layer_geometry.h"
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

// The shipped outline seen from many directions, rotations and zooms: points in the band stay
// inside the faintest level and the galactic poles outside it, wherever they fall on the chart
// and wherever the point opposite the view lies.
TEST(MilkyWayLayer, BandAndPolesKeepTheirSidesInEveryView) {
  struct Probe {
    double rightAscension;  // degrees
    double declination;
    bool inBand;
  };
  const Probe probes[] = {{266.4, -28.9, true}, {310.4, 45.3, true},  {297.7, 8.9, true},
                          {10.0, 60.0, true},   {192.9, 27.1, false}, {12.9, -27.1, false}};
  test_support::Chart chart;
  chart.layers.milkyWayPath = HALVANE_SOURCE_DIR "/data/MilkyWay.dat";
  MilkyWayLayer layer;
  const SkyPlaces sky(1.3);
  int checked = 0;
  for (const double latitude : {50.0, -33.0}) {
    chart.observer.SetLocation(0.0, latitude);
    for (const int zoom : {0, 3}) {
      for (const Probe& probe : probes) {
        for (const auto& [dAzimuth, dAltitude] : {std::pair{0.0, 0.0}, std::pair{0.4, 0.1},
                                                  std::pair{-0.3, -0.25}, std::pair{0.1, 0.45}}) {
          for (const int turns : {0, 5}) {
            double azimuth = 0.0;
            double altitude = 0.0;
            sky.ToHorizontal(chart.observer, probe.rightAscension * DEG_TO_RAD,
                             probe.declination * DEG_TO_RAD, azimuth, altitude);
            chart.observer.SetViewDirection(azimuth, altitude);
            chart.observer.SetRotation(turns * 0.26);
            chart.view.ZoomReset();
            for (int i = 0; i < zoom; ++i) chart.view.ZoomIn();
            const double shrink = zoom == 0 ? 1.0 : 0.1;
            chart.observer.PanView(dAzimuth * shrink, dAltitude * shrink);
            const Point at = ProjectToScreen(chart.view, azimuth, altitude);
            if (at.x < 0 || at.x >= 240 || at.y < 0 || at.y >= 294) continue;
            chart.surface.Clear();
            DrawMilkyWay(chart.view, chart.layers, layer, chart.surface, sky);
            const std::vector<std::string>& lines = chart.surface.Lines();
            ASSERT_FALSE(lines.empty());
            const bool faintestLevel = lines[0].rfind("polygon 101218 ", 0) == 0;
            EXPECT_EQ(faintestLevel && Covers(lines[0], at.x + 0.5, at.y + 0.5), probe.inBand)
                << probe.rightAscension << " " << probe.declination << " latitude " << latitude
                << " zoom " << zoom << " pan " << dAzimuth << "," << dAltitude << " turns "
                << turns;
            ++checked;
          }
        }
      }
    }
  }
  EXPECT_GT(checked, 150);

  chart.surface.Clear();
  chart.layers.milkyWayPath = HALVANE_SOURCE_DIR "/data/missing.dat";
  DrawMilkyWay(chart.view, chart.layers, layer, chart.surface, sky);
  ASSERT_FALSE(chart.surface.Lines().empty());
  EXPECT_NE(chart.surface.Lines().back().find("File not found"), std::string::npos);
}

}  // namespace
}  // namespace halvane
