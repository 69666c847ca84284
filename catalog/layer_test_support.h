// Helpers for the layer tests: a temporary catalog folder, a zenith chart, sky positions at
// chosen view-plane points, and the segments and texts a recording holds.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "astro/observer.h"
#include "catalog/catalog_records.h"
#include "catalog/data_file.h"
#include "platform/recording_surface.h"
#include "view/sky_view.h"

namespace halvane::testing {

struct SkyPosition {
  double rightAscension;
  double declination;
};

class TemporaryFolder {
 public:
  TemporaryFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "halvane-XXXXXX").string();
    path = mkdtemp(pattern.data());
  }
  ~TemporaryFolder() { std::filesystem::remove_all(path); }
  std::string File(const std::string& name) const { return (path / name).string(); }

  std::filesystem::path path;
};

template <typename Record, typename Encode>
void WriteCatalog(const std::string& path, std::string_view tag, size_t recordSize,
                  const std::vector<Record>& records, Encode encode) {
  std::vector<uint8_t> bytes(HEADER_SIZE + recordSize * records.size());
  EncodeHeader(tag, bytes.data());
  for (size_t i = 0; i < records.size(); ++i) {
    encode(records[i], bytes.data() + HEADER_SIZE + i * recordSize);
  }
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

// The default observer (latitude 50) at the zenith on a 240 x 294 chart at 90 degrees: 152.8
// pixels per radian, a cap of 1.17 radians.
struct Chart {
  Chart() : view(Rect{0, 0, 240, 294}, &observer) {}

  // The sky at view-plane point (x, y) (radians, y up) for sidereal angle theta.
  SkyPosition At(double x, double y, double theta = 0.0) const {
    double azimuth = 0.0;
    double altitude = 0.0;
    observer.ViewToHorizontal(x, y, azimuth, altitude);
    SkyPosition p{};
    observer.HorizontalToEquatorial(azimuth, altitude, p.rightAscension, p.declination);
    p.rightAscension += theta;
    return p;
  }
  Point Pixel(double x, double y) const {
    Point p;
    view.ViewToScreen(x, y, p.x, p.y);
    return p;
  }

  Observer observer;
  SkyView view;
  RecordingSurface surface;
};

// Each polyline as "x1 y1 x2 y2"; texts with their quotes.
inline std::vector<std::string> Drawn(const RecordingSurface& surface, const std::string& op) {
  std::vector<std::string> found;
  for (const std::string& line : surface.Lines()) {
    if (line.rfind(op + " ", 0) == 0)
      found.push_back(line.substr(op.size() + (op == "polyline" ? 3 : 1)));
  }
  return found;
}

// Within a pixel, since a position recovered from the view plane may truncate to a neighbour.
inline bool NearSegment(const std::string& drawn, const Point& from, const Point& to) {
  std::istringstream in(drawn);
  Point a;
  Point b;
  in >> a.x >> a.y >> b.x >> b.y;
  return std::abs(a.x - from.x) <= 1 && std::abs(a.y - from.y) <= 1 && std::abs(b.x - to.x) <= 1 &&
         std::abs(b.y - to.y) <= 1;
}

}  // namespace halvane::testing
