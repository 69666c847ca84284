// Even-odd polygon fill: each edge drops its crossings into the rows it spans, so the cost
// follows the polygon's height on the surface, not the number of edges times the rows.
#include "platform/area_fill.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/surface.h"

namespace halvane {

namespace {

// The first pixel whose centre lies at or after edge, clipped to [0, size].
int32_t FirstCentreFrom(double edge, int32_t size) {
  return static_cast<int32_t>(std::clamp(std::ceil(edge - 0.5), 0.0, double(size)));
}

}  // namespace

bool UprightRectangleArea(const Point* points, int32_t count, double scale, int32_t width,
                          int32_t height, Rect& area) {
  if (count != 4) return false;
  const Point& a = points[0];
  const Point& b = points[1];
  const Point& c = points[2];
  const Point& d = points[3];
  const bool acrossFirst = a.y == b.y && b.x == c.x && c.y == d.y && d.x == a.x;
  const bool downFirst = a.x == b.x && b.y == c.y && c.x == d.x && d.y == a.y;
  if (!acrossFirst && !downFirst) return false;
  area.top = FirstCentreFrom(std::min(a.y, c.y) * scale, height);
  area.bottom = FirstCentreFrom(std::max(a.y, c.y) * scale, height);
  area.left = FirstCentreFrom(std::min(a.x, c.x) * scale, width);
  area.right = FirstCentreFrom(std::max(a.x, c.x) * scale, width);
  if (area.left >= area.right) area.bottom = area.top;
  return true;
}

void ForEachAreaSpan(const Point* points, int32_t count, double scale, int32_t width,
                     int32_t height, const std::function<void(int32_t, int32_t, int32_t)>& span) {
  if (count < 3 || width <= 0 || height <= 0) return;
  Rect upright;
  if (UprightRectangleArea(points, count, scale, width, height, upright)) {
    for (int32_t y = upright.top; y < upright.bottom; ++y) span(y, upright.left, upright.right);
    return;
  }
  // An edge's rows [first, last) and the line through it.
  struct Edge {
    int32_t first, last;
    double ax, ay, slope;
  };
  std::vector<Edge> edges;
  edges.reserve(static_cast<size_t>(count));
  // Only the rows the polygon covers are walked: a chart fills many small areas per frame.
  int32_t top = height;
  int32_t bottom = 0;
  for (int32_t i = 0; i < count; ++i) {
    const Point& a = points[i];
    const Point& b = points[(i + 1) % count];
    const double ay = a.y * scale;
    const double by = b.y * scale;
    if (ay == by) continue;
    const double ax = a.x * scale;
    const double bx = b.x * scale;
    // Rows whose centre y + 0.5 lies in [min, max) of the edge.
    const double low = std::min(ay, by);
    const double high = std::max(ay, by);
    const auto first = static_cast<int32_t>(std::clamp(std::ceil(low - 0.5), 0.0, double(height)));
    const auto last = static_cast<int32_t>(std::clamp(std::ceil(high - 0.5), 0.0, double(height)));
    if (first >= last) continue;
    edges.push_back({first, last, ax, ay, (bx - ax) / (by - ay)});
    top = std::min(top, first);
    bottom = std::max(bottom, last);
  }
  if (edges.empty()) return;
  const auto rows = static_cast<size_t>(bottom - top);
  // Each edge adds one crossing to each of its rows: +1 from first, -1 from last.
  std::vector<int32_t> change(rows + 1, 0);
  for (const Edge& e : edges) {
    ++change[static_cast<size_t>(e.first - top)];
    --change[static_cast<size_t>(e.last - top)];
  }
  // Row top + r's crossings go to crossings[offsets[r], offsets[r + 1]): one allocation for all
  // rows. 64 bits: a hostile polygon may cross every row many million times.
  std::vector<int64_t> offsets(rows + 1, 0);
  int64_t inRow = 0;
  for (size_t r = 0; r < rows; ++r) {
    inRow += change[r];
    offsets[r + 1] = offsets[r] + inRow;
  }
  std::vector<double> crossings(static_cast<size_t>(offsets.back()));
  std::vector<int64_t> next(offsets.begin(), offsets.end() - 1);
  for (const Edge& e : edges) {
    for (int32_t y = e.first; y < e.last; ++y) {
      crossings[static_cast<size_t>(next[static_cast<size_t>(y - top)]++)] =
          e.ax + (y + 0.5 - e.ay) * e.slope;
    }
  }
  for (int32_t y = top; y < bottom; ++y) {
    const auto r = static_cast<size_t>(y - top);
    double* row = crossings.data() + offsets[r];
    const int64_t size = offsets[r + 1] - offsets[r];
    std::sort(row, row + size);
    for (int64_t k = 0; k + 1 < size; k += 2) {
      // Pixels whose centre x + 0.5 lies in [row[k], row[k + 1]).
      const double x0 = std::clamp(std::ceil(row[k] - 0.5), 0.0, double(width));
      const double x1 = std::clamp(std::ceil(row[k + 1] - 0.5), 0.0, double(width));
      if (x0 < x1) span(y, static_cast<int32_t>(x0), static_cast<int32_t>(x1));
    }
  }
}

}  // namespace halvane
