// The grid walk shared by the horizontal and the equatorial grid.
#include "view/grid_walk.h"

#include <cstdint>
#include <cstdio>
#include <vector>

#include "astro/angles.h"
#include "platform/surface.h"
#include "view/projection.h"
#include "view/visible_cap.h"

namespace halvane {

namespace {

// Labels run from their point to the right and downwards, beyond this small box.
constexpr int32_t LABEL_BOX = 10;

// Any denser grid would be invisible; this also bounds the point buffer.
constexpr int32_t MAX_GRID_DIVISIONS = 360;

size_t Widen(const char* ascii, int length, char16_t* text) {
  size_t size = 0;
  for (int i = 0; i < length && size + 1 < GRID_LABEL_CAPACITY; ++i) {
    text[size++] = static_cast<char16_t>(ascii[i]);
  }
  return size;
}

int32_t SaturatingAdd(int32_t value, int32_t offset) {
  const int64_t sum = int64_t{value} + offset;
  return sum > INT32_MAX ? INT32_MAX : static_cast<int32_t>(sum);
}

// One pass over the grid's lines; the two loops differ only in which index runs along
// the line, so both go through Visit. The grid's points are taken from the sines and cosines
// of its meridians and parallels, worked out once, turned into the horizontal frame.
class Walk {
 public:
  Walk(const Projection& view, Surface& surface, const Rotation& turn, int32_t divisions,
       const VisibleCap& cap, std::vector<Point>& points)
      : view(view), surface(surface), turn(turn), cap(cap), points(points) {
    const double step = PI / divisions;
    for (int32_t i = 0; i <= 2 * divisions; ++i) {
      cosLongitude.push_back(std::cos(i * step));
      sinLongitude.push_back(std::sin(i * step));
    }
    for (int32_t k = 0; k <= divisions; ++k) {
      cosLatitude.push_back(std::cos(k * step - HALF_PI));
      sinLatitude.push_back(std::sin(k * step - HALF_PI));
    }
  }

  // Adds the point of meridian i and parallel k to the current run, or ends the run when the
  // point lies outside the cap. label, when not null, is written at the point.
  void Visit(int32_t i, int32_t k, GridLabelFormat label, double labelAngle) {
    const size_t m = static_cast<size_t>(i);
    const size_t p = static_cast<size_t>(k);
    const Direction horizontal = turn.Apply(
        {cosLatitude[p] * cosLongitude[m], cosLatitude[p] * sinLongitude[m], sinLatitude[p]});
    if (!cap.Contains(horizontal)) {
      if (count > 0) surface.Polyline(points.data(), count);
      count = 0;
      return;
    }
    Point& point = points[static_cast<size_t>(count++)];
    point = view.HorizontalToScreen(horizontal);
    if (label == nullptr) return;
    char16_t text[GRID_LABEL_CAPACITY];
    const size_t length = label(labelAngle, text);
    const Rect box{point.x, point.y, SaturatingAdd(point.x, LABEL_BOX),
                   SaturatingAdd(point.y, LABEL_BOX)};
    surface.DrawText(std::u16string_view(text, length), box, TEXT_NOCLIP);
  }

  void EndLine() {
    if (count > 1) surface.Polyline(points.data(), count);
    count = 0;
  }

 private:
  const Projection& view;
  Surface& surface;
  Rotation turn;
  const VisibleCap& cap;
  std::vector<Point>& points;
  std::vector<double> cosLongitude;
  std::vector<double> sinLongitude;
  std::vector<double> cosLatitude;
  std::vector<double> sinLatitude;
  int32_t count = 0;
};

}  // namespace

size_t FormatDegreesLabel(double angle, char16_t* text) {
  char ascii[GRID_LABEL_CAPACITY];
  const int length = std::snprintf(ascii, sizeof ascii, "%d", RoundToInt(RAD_TO_DEG * angle));
  size_t size = Widen(ascii, length, text);
  text[size++] = u'\u00B0';
  return size;
}

size_t FormatHoursLabel(double angle, char16_t* text) {
  const int32_t minutes = RoundToInt(RAD_TO_HOURS * angle * 60.0);
  char ascii[GRID_LABEL_CAPACITY];
  const int length = std::snprintf(ascii, sizeof ascii, "%d:%.2d", minutes / 60, minutes % 60);
  return Widen(ascii, length, text);
}

void WalkGrid(const Projection& view, Surface& surface, const GridSystem& system,
              const Rotation& toHorizontal, double centreLatitude) {
  const int32_t n = view.GetGridDivisions();
  if (n < 1 || n > MAX_GRID_DIVISIONS) return;
  const double step = PI / n;
  const VisibleCap cap = VisibleCap::ForView(view, step);
  double low = 0.0;
  double high = 0.0;
  LatitudeBand(centreLatitude, cap.radius, low, high);

  // The band widened by one parallel on each side; the poles themselves are never drawn.
  int32_t first = 1;
  for (int32_t i = 1; i < n && i * step - HALF_PI < low; ++i) first = i;
  int32_t last = n - 1;
  for (int32_t i = n - 1; i >= 1 && i * step - HALF_PI > high; --i) last = i;

  std::vector<Point> points(static_cast<size_t>(2 * n + 1));
  Walk walk(view, surface, toHorizontal, n, cap, points);
  const int32_t middle = n / 2;

  for (int32_t meridian = 0; meridian < 2 * n; ++meridian) {
    const bool labelled = meridian == 0 || meridian == n;
    for (int32_t k = first; k <= last; ++k) {
      const double latitude = k * step - HALF_PI;
      const bool label = labelled && k != middle;
      walk.Visit(meridian, k, label ? system.latitudeLabel : nullptr, latitude);
    }
    walk.EndLine();
  }

  for (int32_t k = first; k <= last; ++k) {
    for (int32_t i = 0; i <= 2 * n; ++i) {
      const double longitude = i * step;
      const bool label = k == middle && i != 2 * n;
      walk.Visit(i, k, label ? system.longitudeLabel : nullptr, longitude);
    }
    walk.EndLine();
  }
}

}  // namespace halvane
