// The Milky Way layer: its levels filled on the right side of their rings in every view.
#include "catalog/milky_way_layer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "astro/angles.h"
#include "catalog/data_file.h"
#include "catalog/layer_geometry.h"
#include "catalog/layer_test_support.h"
#include "catalog/sky_records.h"
#include "tests/support/build_paths.h"

namespace halvane {
namespace {

// The rings of a recorded polygon line.
std::vector<std::vector<Point>> Rings(const std::string& line) {
  std::istringstream in(line);
  std::string op;
  std::string color;
  int rings = 0;
  in >> op >> color >> rings;
  std::vector<int> counts(static_cast<size_t>(rings));
  for (int& count : counts) in >> count;
  std::vector<std::vector<Point>> result;
  for (const int count : counts) {
    std::vector<Point>& ring = result.emplace_back(static_cast<size_t>(count));
    for (Point& p : ring) in >> p.x >> p.y;
  }
  return result;
}

// Whether pixel (x, y) lies inside the rings, counted by the even-odd rule.
bool Covers(const std::vector<std::vector<Point>>& rings, double x, double y) {
  bool inside = false;
  for (const std::vector<Point>& ring : rings) {
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
  chart.layers.milkyWayPath = test_support::SourcePath("data/MilkyWay.dat");
  chart.layers.showMilkyWay = true;
  int checked = 0;
  for (const double latitude : {50.0, -33.0}) {
    chart.observer.SetLocation(0.0, latitude);
    const SkyPlaces sky(chart.observer, 1.3);
    for (const int zoom : {0, 3}) {
      for (const Probe& probe : probes) {
        for (const auto& [dAzimuth, dAltitude] : {std::pair{0.0, 0.0}, std::pair{0.4, 0.1},
                                                  std::pair{-0.3, -0.25}, std::pair{0.1, 0.45}}) {
          for (const int turns : {0, 5}) {
            double azimuth = 0.0;
            double altitude = 0.0;
            sky.ToHorizontal(probe.rightAscension * DEG_TO_RAD, probe.declination * DEG_TO_RAD,
                             azimuth, altitude);
            chart.view.SetViewDirection(azimuth, altitude);
            chart.view.SetRotation(turns * 0.26);
            chart.view.ZoomReset();
            for (int i = 0; i < zoom; ++i) chart.view.ZoomIn();
            const double shrink = zoom == 0 ? 1.0 : 0.1;
            chart.view.SetViewDirection(azimuth + dAzimuth * shrink, altitude + dAltitude * shrink);
            const Point at = chart.view.HorizontalToScreen(azimuth, altitude);
            if (at.x < 0 || at.x >= 240 || at.y < 0 || at.y >= 294) continue;
            chart.surface.Clear();
            chart.Draw(DrawMilkyWay, Moment(sky));
            const std::vector<std::string>& lines = chart.surface.Lines();
            ASSERT_FALSE(lines.empty());
            const bool faintestLevel = lines[0].rfind("polygon 101218 ", 0) == 0;
            EXPECT_EQ(faintestLevel && Covers(Rings(lines[0]), at.x + 0.5, at.y + 0.5),
                      probe.inBand)
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
  chart.layers.milkyWayPath = test_support::SourcePath("data/missing.dat");
  chart.Draw(DrawMilkyWay);
  ASSERT_FALSE(chart.surface.Lines().empty());
  EXPECT_NE(chart.surface.Lines().back().find("File not found"), std::string::npos);
}

// Whether a sky place (radians) lies inside the rings of the faintest level of MilkyWay.dat,
// counted on the sphere along the meridian to the north galactic pole, which lies outside.
class FaintestLevel {
 public:
  FaintestLevel() {
    std::vector<std::array<double, 2>>* ring = nullptr;
    uint16_t polygon = 0;
    uint8_t number = 0;
    RecordFile file(MILKY_WAY_RECORD_SIZE);
    EXPECT_EQ(file.Open(test_support::SourcePath("data/MilkyWay.dat"), MILKY_WAY_TAG),
              WalkResult::Completed);
    while (const uint8_t* bytes = file.Next()) {
      const MilkyWayVertex v = DecodeMilkyWayVertex(bytes);
      if (v.level != 1) continue;
      if (ring == nullptr || v.polygon != polygon || v.ring != number) {
        ring = &rings.emplace_back();
        polygon = v.polygon;
        number = v.ring;
      }
      ring->push_back(Galactic(v.rightAscension, v.declination));
    }
  }
  bool Contains(double rightAscension, double declination) const {
    const auto [l, b] = Galactic(rightAscension, declination);
    bool inside = false;
    for (const auto& ring : rings) {
      for (size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
        const double span = std::remainder(ring[i][0] - ring[j][0], TWO_PI);
        const double along = std::remainder(l - ring[j][0], TWO_PI);
        if (span == 0.0 || (along < 0.0) == (along - span < 0.0)) continue;
        const double crossing = ring[j][1] + (ring[i][1] - ring[j][1]) * along / span;
        if (crossing > b) inside = !inside;
      }
    }
    return inside;
  }

 private:
  // Galactic longitude and latitude from the pole (192.859, 27.128) and the node 32.932.
  static std::array<double, 2> Galactic(double ra, double dec) {
    const double poleRa = 192.859 * DEG_TO_RAD;
    const double poleDec = 27.128 * DEG_TO_RAD;
    const double sinB = std::sin(dec) * std::sin(poleDec) +
                        std::cos(dec) * std::cos(poleDec) * std::cos(ra - poleRa);
    const double y = std::cos(dec) * std::sin(ra - poleRa);
    const double x = std::sin(dec) * std::cos(poleDec) -
                     std::cos(dec) * std::sin(poleDec) * std::cos(ra - poleRa);
    return {122.932 * DEG_TO_RAD - std::atan2(y, x), std::asin(std::clamp(sinB, -1.0, 1.0))};
  }
  std::vector<std::vector<std::array<double, 2>>> rings;
};

// The whole sky at 180 degrees through the day, and views whose opposite point falls next to
// a vertex of the outline: the fill agrees with the sphere but along the edges.
TEST(MilkyWayLayer, WideViewsAgreeWithTheSphere) {
  const FaintestLevel truth;
  test_support::Chart chart;
  chart.layers.milkyWayPath = test_support::SourcePath("data/MilkyWay.dat");
  chart.view.ZoomOut();
  chart.layers.showMilkyWay = true;
  for (int hour = 0; hour < 24; hour += 6) {
    const SkyPlaces sky(chart.observer, hour * PI / 12.0);
    for (const bool opposite : {false, true}) {
      chart.view.SetViewDirection(0.0, HALF_PI);
      if (opposite) {
        // The point opposite the faintest level's first vertex, as the view.
        RecordFile file(MILKY_WAY_RECORD_SIZE);
        ASSERT_EQ(file.Open(chart.layers.milkyWayPath, MILKY_WAY_TAG), WalkResult::Completed);
        const MilkyWayVertex v = DecodeMilkyWayVertex(file.Next());
        double azimuth = 0.0;
        double altitude = 0.0;
        sky.ToHorizontal(v.rightAscension, v.declination, azimuth, altitude);
        chart.view.SetViewDirection(azimuth + PI + 0.0003, -altitude + 0.0002);
      }
      chart.surface.Clear();
      chart.Draw(DrawMilkyWay, Moment(sky));
      const std::string& line = chart.surface.Lines().at(0);
      const bool faintest = line.rfind("polygon 101218 ", 0) == 0;
      const std::vector<std::vector<Point>> rings = Rings(line);
      int wrong = 0;
      int samples = 0;
      for (int32_t y = 3; y < 294; y += 12) {
        for (int32_t x = 3; x < 240; x += 12) {
          double ra = 0.0;
          double dec = 0.0;
          chart.view.ScreenToSky(sky, x, y, ra, dec);
          const bool filled = faintest && Covers(rings, x, y);
          wrong += filled != truth.Contains(ra, dec) ? 1 : 0;
          ++samples;
        }
      }
      EXPECT_LT(wrong, samples / 50)
          << wrong << " of " << samples << " at hour " << hour << (opposite ? " opposite" : "");
    }
  }
}

}  // namespace
}  // namespace halvane
