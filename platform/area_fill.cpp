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
  std::vector<std::vector<double>> crossings(static_cast<size_t>(height));
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
    const double slope = (bx - ax) / (by - ay);
    for (int32_t y = first; y < last; ++y) {
      crossings[static_cast<size_t>(y)].push_back(ax + (y + 0.5 - ay) * slope);
    }
  }
  for (int32_t y = 0; y < height; ++y) {
    std::vector<double>& row = crossings[static_cast<size_t>(y)];
    std::sort(row.begin(), row.end());
    for (size_t k = 0; k + 1 < row.size(); k += 2) {
      // Pixels whose centre x + 0.5 lies in [row[k], row[k + 1]).
      const double x0 = std::clamp(std::ceil(row[k] - 0.5), 0.0, double(width));
      const double x1 = std::clamp(std::ceil(row[k + 1] - 0.5), 0.0, double(width));
      if (x0 < x1) span(y, static_cast<int32_t>(x0), static_cast<int32_t>(x1));
    }
  }
}

}  // namespace halvane
