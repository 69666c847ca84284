// The horizon is a great circle. Seen from the view centre every bearing meets it exactly once,
// so its image is a closed curve around the centre: the ground is inside when the centre is
// below the horizon, and between the curve and the chart's edge when it is above.
#include "view/ground_layer.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "astro/angles.h"
#include "platform/utf8_text.h"
#include "view/compass_point.h"
#include "view/frame_context.h"

namespace halvane {

namespace {

constexpr int32_t HORIZON_POINTS = 720;
constexpr double UP_PROBE = 1.0e-4;     // radians towards the zenith that give the way up
constexpr double DIRECTION_DROP = 8.0;  // pixels from the horizon down to a direction's centre
constexpr double BEHIND = -0.99;        // cosine of the distance from the view centre
constexpr int DIRECTION_COUNT = 8;

constexpr double EDGE_INSET_X = 10.0;  // pixels from the side to an edge name's centre
constexpr double EDGE_INSET_Y = 8.0;
constexpr double TOWARD_STEP = 0.01;  // radians from the view centre that give a way

bool Within(double x, double y, const Rect& r, double inset) {
  return x >= r.left + inset && x < r.right - inset && y >= r.top + inset && y < r.bottom - inset;
}

// Where the way from the chart's centre toward target (along the great circle through the view
// centre) meets the chart's edge, inset to hold a name; false when the way is undefined.
bool AtEdgeToward(const Projection& projection, const Direction& centre, const Direction& target,
                  double& x, double& y) {
  const double along = Dot(target, centre);
  Direction way{target.x - along * centre.x, target.y - along * centre.y,
                target.z - along * centre.z};
  const double size = std::sqrt(Dot(way, way));
  if (!(size > 1e-9)) return false;
  const Direction step{centre.x + TOWARD_STEP * way.x / size, centre.y + TOWARD_STEP * way.y / size,
                       centre.z + TOWARD_STEP * way.z / size};
  double cx = 0.0;
  double cy = 0.0;
  double sx = 0.0;
  double sy = 0.0;
  projection.HorizontalToPixel(centre, cx, cy);
  projection.HorizontalToPixel(step, sx, sy);
  const double ux = sx - cx;
  const double uy = sy - cy;
  if (!(std::hypot(ux, uy) > 0.0)) return false;
  const Rect& r = projection.GetViewRect();
  const double midX = 0.5 * (r.left + r.right);
  const double midY = 0.5 * (r.top + r.bottom);
  const double halfWidth = 0.5 * r.Width() - EDGE_INSET_X;
  const double halfHeight = 0.5 * r.Height() - EDGE_INSET_Y;
  if (halfWidth <= 0.0 || halfHeight <= 0.0) return false;
  const double t = std::min(ux != 0.0 ? halfWidth / std::abs(ux) : INFINITY,
                            uy != 0.0 ? halfHeight / std::abs(uy) : INFINITY);
  x = midX + t * ux;
  y = midY + t * uy;
  return true;
}

}  // namespace

void DrawGround(const FrameContext& frame, Surface& surface) {
  if (!frame.layers.showGround) return;
  const Projection& projection = frame.projection;
  double viewAzimuth = 0.0;
  double viewAltitude = 0.0;
  projection.GetViewDirection(viewAzimuth, viewAltitude);

  // The horizon by bearings from the centre: along bearing b (from the way up to the zenith) it
  // lies at the distance d with sin h0 cos d + cos h0 cos b sin d = 0, 0 < d < pi. Looking
  // level, the upward bearings meet it only at the far side, so the sky is a half disc.
  const double probe = viewAltitude > 0.0 ? -UP_PROBE : UP_PROBE;
  double upX = 0.0;
  double upY = 0.0;
  projection.GetOrientation().HorizontalToView(viewAzimuth, viewAltitude + probe, upX, upY);
  const double upLength = std::hypot(upX, upY);
  upX /= probe < 0.0 ? -upLength : upLength;
  upY /= probe < 0.0 ? -upLength : upLength;
  const double sinAltitude = std::abs(std::sin(viewAltitude));
  const double cosAltitude = (viewAltitude >= 0.0 ? -1.0 : 1.0) * std::cos(viewAltitude);
  std::vector<Point> horizon;
  horizon.reserve(HORIZON_POINTS + 1);
  for (int32_t i = 0; i <= HORIZON_POINTS; ++i) {
    const double bearing = TWO_PI * i / HORIZON_POINTS;
    const double c = std::cos(bearing);
    const double s = std::sin(bearing);
    const double distance = std::atan2(sinAltitude, cosAltitude * c);
    // The right of the way up, (upY, -upX): either side would do for a whole turn.
    const double x = distance * (c * upX + s * upY);
    const double y = distance * (c * upY - s * upX);
    int32_t sx = 0;
    int32_t sy = 0;
    projection.ViewToScreen(x, y, sx, sy);
    if (horizon.empty() || sx != horizon.back().x || sy != horizon.back().y) {
      horizon.push_back({sx, sy});
    }
  }

  std::vector<Point> area;
  if (viewAltitude >= 0.0) {
    // The chart's frame, then the curve as a hole in it; the two joining edges cancel.
    const Rect& r = projection.GetViewRect();
    area = {{r.left - 1, r.top - 1},
            {r.right + 1, r.top - 1},
            {r.right + 1, r.bottom + 1},
            {r.left - 1, r.bottom + 1},
            {r.left - 1, r.top - 1}};
  }
  area.insert(area.end(), horizon.begin(), horizon.end());
  if (viewAltitude >= 0.0) area.push_back(area.front());
  surface.FillArea("ground", area.data(), static_cast<int32_t>(area.size()), frame.pens.ground);

  surface.SelectPen(frame.pens.horizon);
  surface.Polyline(horizon.data(), static_cast<int32_t>(horizon.size()));

  const Rect& chart = projection.GetViewRect();
  const Direction centre = DirectionOf(viewAzimuth, viewAltitude);
  for (int i = 0; i < DIRECTION_COUNT; ++i) {
    const double azimuth = i * (TWO_PI / DIRECTION_COUNT);
    // Near the point behind the view the projection folds back onto the centre.
    const double fromCentre = std::cos(viewAltitude) * std::cos(azimuth - viewAzimuth);
    if (fromCentre < BEHIND) continue;
    const Point at = projection.HorizontalToScreen(azimuth, 0.0);
    const Point below = projection.HorizontalToScreen(azimuth, -0.01);
    // Straight down the chart's "down" of the ground, a few pixels.
    const double dx = below.x - at.x;
    const double dy = below.y - at.y;
    const double length = std::hypot(dx, dy);
    if (!(length > 0.0)) continue;
    LabelCandidate name{at.x + dx / length * DIRECTION_DROP,
                        at.y + dy / length * DIRECTION_DROP,
                        0.0,
                        Utf8ToUtf16(CompassPoint(azimuth * RAD_TO_DEG)),
                        LabelRank::Direction,
                        static_cast<double>(i),
                        frame.pens.direction,
                        true};
    if (!Within(name.x, name.y, chart, 0.0)) {
      // Its point of the horizon is off the chart: written at the edge, the way it lies.
      if (!AtEdgeToward(projection, centre, DirectionOf(azimuth, 0.0), name.x, name.y)) continue;
    }
    frame.labels.push_back(std::move(name));
  }
}

}  // namespace halvane
