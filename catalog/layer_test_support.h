// Helpers for the layer tests: a zenith chart, sky positions at chosen view-plane points and
// pixels, and the segments and texts a recording holds.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "astro/observer.h"
#include "catalog/catalog_layers.h"
#include "catalog/catalog_records.h"
#include "catalog/identify_object.h"
#include "platform/recording_surface.h"
#include "tests/support/catalog_writer.h"
#include "tests/support/scratch_folder.h"
#include "view/layer_set.h"
#include "view/projection.h"

namespace halvane::test_support {

struct SkyPosition {
  double rightAscension;
  double declination;
};

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
  Projection view;
  LayerSet layers;
  RecordingSurface surface;
};

// A star that the projection draws centred on pixel (sx, sy) at sidereal angle theta: the
// middle of the pixel taken back through the view plane to the sky.
inline StarRecord StarAtPixel(const Projection& view, int32_t sx, int32_t sy, double theta,
                              int16_t magnitude, int16_t colorIndex) {
  const int32_t centerX = view.GetCenterX();
  const int32_t centerY = view.GetCenterY();
  const double x = (sx + (sx >= centerX ? 0.5 : -0.5) - centerX) / view.GetXScale();
  const double y = (sy + (sy >= centerY ? 0.5 : -0.5) - centerY) / view.GetYScale();
  double azimuth = 0.0;
  double altitude = 0.0;
  view.GetObserver().ViewToHorizontal(x, y, azimuth, altitude);
  double raMinusLst = 0.0;
  double declination = 0.0;
  view.GetObserver().HorizontalToEquatorial(azimuth, altitude, raMinusLst, declination);
  return StarRecord{raMinusLst + theta, declination, magnitude, colorIndex};
}

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

}  // namespace halvane::test_support
