// Even-odd polygon fill: each edge drops its crossings into the rows it spans, so the cost
// follows the polygon's height on the surface, not the number of edges times the rows.
#include "platform/area_fill.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/surface.h"

namespace halvane {

void ForEachAreaSpan(const Point* points, int32_t count, double scale, int32_t width,
                     int32_t height, const std::function<void(int32_t, int32_t, int32_t)>& span) {
  if (count < 3 || width <= 0 || height <= 0) return;
  // An edge's rows [first, last) and the line through it.
  struct Edge {
    int32_t first, last;
    double ax, ay, slope;
  };
  std::vector<Edge> edges;
  // Each edge adds one crossing to each of its rows: +1 from first, -1 from last.
  std::vector<int32_t> change(static_cast<size_t>(height) + 1, 0);
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
    ++change[static_cast<size_t>(first)];
    --change[static_cast<size_t>(last)];
  }
  if (edges.empty()) return;
  // Row y's crossings go to crossings[offsets[y], offsets[y + 1]): one allocation for all rows.
  // 64 bits: a hostile polygon may cross every row many million times.
  std::vector<int64_t> offsets(static_cast<size_t>(height) + 1, 0);
  int64_t inRow = 0;
  for (size_t y = 0; y < static_cast<size_t>(height); ++y) {
    inRow += change[y];
    offsets[y + 1] = offsets[y] + inRow;
  }
  std::vector<double> crossings(static_cast<size_t>(offsets.back()));
  std::vector<int64_t> next(offsets.begin(), offsets.end() - 1);
  for (const Edge& e : edges) {
    for (int32_t y = e.first; y < e.last; ++y) {
      crossings[static_cast<size_t>(next[static_cast<size_t>(y)]++)] =
          e.ax + (y + 0.5 - e.ay) * e.slope;
    }
  }
  for (int32_t y = 0; y < height; ++y) {
    double* row = crossings.data() + offsets[static_cast<size_t>(y)];
    const int64_t size = offsets[static_cast<size_t>(y) + 1] - offsets[static_cast<size_t>(y)];
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
