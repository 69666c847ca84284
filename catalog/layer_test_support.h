// Helpers for the layer tests: a zenith chart, sky positions at chosen view-plane points and
// pixels, and the segments and texts a recording holds.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "astro/angles.h"
#include "astro/observer.h"
#include "catalog/catalog_layers.h"
#include "catalog/catalog_records.h"
#include "catalog/catalog_store.h"
#include "catalog/identify_object.h"
#include "catalog/layer_memory.h"
#include "platform/recording_surface.h"
#include "tests/support/catalog_writer.h"
#include "tests/support/frame_support.h"
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
  Chart() : view(Rect{0, 0, 240, 294}) {}

  // The sky at view-plane point (x, y) (radians, y up) for sidereal angle theta.
  SkyPosition At(double x, double y, double theta = 0.0) const {
    double azimuth = 0.0;
    double altitude = 0.0;
    view.GetOrientation().ViewToHorizontal(x, y, azimuth, altitude);
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

  // One layer of a frame of moment (or of the plain sky at sidereal angle theta) onto surface;
  // the names it offers are added to labels.
  void Draw(void (*layer)(const FrameContext&, Surface&), const Moment& moment,
            const SkyLight& light = {}) {
    const FrameContext frame{view,   layers,    moment,          light,   pens,
                             labels, progress,  progressSurface, sprites, nullptr,
                             -1,     &catalogs, &memory,         nullptr, nullptr};
    layer(frame, surface);
  }
  void Draw(void (*layer)(const FrameContext&, Surface&), double theta = 0.0) {
    Draw(layer, PlainSky(observer, theta));
  }

  Observer observer;
  Projection view;
  LayerSet layers;
  RecordingSurface surface;
  FramePens pens;
  std::vector<LabelCandidate> labels;
  ProgressStrip progress{Rect{0, 0, 240, 294}};
  RecordingSurface progressSurface;
  const Bitmap* sprites = nullptr;
  CatalogStore catalogs;
  LayerMemory memory;
};

// A star that the projection draws centred on pixel (sx, sy) for the observer at sidereal
// angle theta: the middle of the pixel taken back through the view plane to the sky.
inline StarRecord StarAtPixel(const Projection& view, const Observer& observer, int32_t sx,
                              int32_t sy, double theta, int16_t magnitude, int16_t colorIndex) {
  const int32_t centerX = view.GetCenterX();
  const int32_t centerY = view.GetCenterY();
  const double x = (sx + (sx >= centerX ? 0.5 : -0.5) - centerX) / view.GetXScale();
  const double y = (sy + (sy >= centerY ? 0.5 : -0.5) - centerY) / view.GetYScale();
  double azimuth = 0.0;
  double altitude = 0.0;
  view.GetOrientation().ViewToHorizontal(x, y, azimuth, altitude);
  double raMinusLst = 0.0;
  double declination = 0.0;
  observer.HorizontalToEquatorial(azimuth, altitude, raMinusLst, declination);
  // As a catalog stores it: in [0, 2 pi).
  return StarRecord{NormalizeAngle(raMinusLst + theta, TWO_PI), declination, magnitude, colorIndex};
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

// The polylines of a recording, as pixels.
inline std::vector<std::vector<Point>> Polylines(const RecordingSurface& surface) {
  std::vector<std::vector<Point>> found;
  for (const std::string& line : surface.Lines()) {
    if (line.rfind("polyline ", 0) != 0) continue;
    std::istringstream in(line.substr(9));
    int count = 0;
    in >> count;
    std::vector<Point>& points = found.emplace_back(static_cast<size_t>(count));
    for (Point& p : points) in >> p.x >> p.y;
  }
  return found;
}

// How far (pixels) a drawn polyline strays from the great-circle arc between two sky positions
// (for the chart's observer at sidereal angle 0) inside the chart, both ways: from points along
// the polyline to the arc, and from points of the arc to the polyline.
inline double ArcDeviation(const Chart& chart, SkyPosition from, SkyPosition to,
                           const std::vector<Point>& drawn) {
  const Projection& view = chart.view;
  using Spot = std::array<double, 2>;
  const auto unit = [&](SkyPosition p) {
    double azimuth = 0.0;
    double altitude = 0.0;
    chart.observer.EquatorialToHorizontal(p.rightAscension, p.declination, azimuth, altitude);
    return std::array<double, 3>{std::cos(altitude) * std::cos(azimuth),
                                 std::cos(altitude) * std::sin(azimuth), std::sin(altitude)};
  };
  const auto a = unit(from);
  const auto b = unit(to);
  const double length = std::acos(std::clamp(a[0] * b[0] + a[1] * b[1] + a[2] * b[2], -1.0, 1.0));
  std::vector<Spot> arc;
  for (int i = 0; i <= 20000; ++i) {  // slerp, finer than a pixel on any test chart
    const double t = length * i / 20000;
    const double wa = std::sin(length - t) / std::sin(length);
    const double wb = std::sin(t) / std::sin(length);
    const double x = wa * a[0] + wb * b[0];
    const double y = wa * a[1] + wb * b[1];
    const double z = wa * a[2] + wb * b[2];
    double vx = 0.0;
    double vy = 0.0;
    view.GetOrientation().HorizontalToView(std::atan2(y, x), std::asin(std::clamp(z, -1.0, 1.0)),
                                           vx, vy);
    arc.push_back(
        {view.GetXScale() * vx + view.GetCenterX(), view.GetYScale() * vy + view.GetCenterY()});
  }
  // Offsets from the centre are truncated towards zero, so a pixel stands for the half pixel
  // beyond it, away from the centre.
  const auto middle = [](int32_t pixel, int32_t centre) {
    return pixel + (pixel > centre ? 0.5 : pixel < centre ? -0.5 : 0.0);
  };
  std::vector<Spot> line;
  for (const Point& p : drawn) {
    line.push_back({middle(p.x, view.GetCenterX()), middle(p.y, view.GetCenterY())});
  }

  const Rect& r = view.GetViewRect();
  const auto onChart = [&](const Spot& p) {
    return r.left + 1 <= p[0] && p[0] <= r.right - 1 && r.top + 1 <= p[1] && p[1] <= r.bottom - 1;
  };
  const auto distanceTo = [](const Spot& p, const std::vector<Spot>& path) {
    double best = 1e300;
    for (size_t i = 0; i + 1 < path.size(); ++i) {
      const double dx = path[i + 1][0] - path[i][0];
      const double dy = path[i + 1][1] - path[i][1];
      const double squared = dx * dx + dy * dy;
      const double along =
          squared > 0 ? std::clamp(((p[0] - path[i][0]) * dx + (p[1] - path[i][1]) * dy) / squared,
                                   0.0, 1.0)
                      : 0.0;
      best = std::min(best,
                      std::hypot(p[0] - path[i][0] - along * dx, p[1] - path[i][1] - along * dy));
    }
    return best;
  };
  double worst = 0.0;
  for (size_t i = 0; i + 1 < line.size(); ++i) {
    for (int k = 0; k <= 8; ++k) {
      const Spot p{line[i][0] + (line[i + 1][0] - line[i][0]) * k / 8,
                   line[i][1] + (line[i + 1][1] - line[i][1]) * k / 8};
      if (onChart(p)) worst = std::max(worst, distanceTo(p, arc));
    }
  }
  for (const Spot& p : arc) {
    if (onChart(p)) worst = std::max(worst, distanceTo(p, line));
  }
  return worst;
}

}  // namespace halvane::test_support
