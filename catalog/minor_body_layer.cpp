// The minor-body layer: small pen-drawn symbols, cheaper than sprites and told apart from stars.
#include "catalog/minor_body_layer.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "platform/utf8_text.h"
#include "view/frame_context.h"
#include "view/star_sprites.h"
#include "view/visible_cap.h"

namespace halvane {
namespace {

constexpr Color ASTEROID_COLOR = MakeColor(200, 200, 168);
constexpr Color COMET_COLOR = MakeColor(160, 232, 216);
constexpr double MARGIN_PIXELS = 40.0;  // a tail whose head lies just off the chart
// Tails: this long at the limit, growing by TAIL_GROWTH a magnitude brighter, up to the most.
constexpr double SHORTEST_TAIL = 6.0;
constexpr double TAIL_GROWTH = 3.0;
constexpr double LONGEST_TAIL = 36.0;
constexpr double TAIL_PROBE = 0.01;  // radians towards the tail: a straight, clear direction

int32_t Round(double v) { return static_cast<int32_t>(std::lround(std::clamp(v, -1e6, 1e6))); }

void Line(Surface& surface, double x0, double y0, double x1, double y1) {
  const Point points[2] = {{Round(x0), Round(y0)}, {Round(x1), Round(y1)}};
  surface.Polyline(points, 2);
}

// A diamond of half-width r, filled by rows.
void Diamond(Surface& surface, int32_t cx, int32_t cy, int32_t r) {
  for (int32_t dy = -r; dy <= r; ++dy) {
    const int32_t half = r - std::abs(dy);
    const Point row[2] = {{cx - half, cy + dy}, {cx + half + 1, cy + dy}};
    surface.Polyline(row, 2);
  }
}

// The point `angle` (position angle, from north through east) a small arc away from a place.
void Towards(double ra, double dec, double angle, double& toRa, double& toDec) {
  const double sinDec = std::sin(dec), cosDec = std::cos(dec);
  const double sinTo = std::clamp(
      sinDec * std::cos(TAIL_PROBE) + cosDec * std::sin(TAIL_PROBE) * std::cos(angle), -1.0, 1.0);
  toDec = std::asin(sinTo);
  toRa = ra + std::atan2(std::sin(angle) * std::sin(TAIL_PROBE) * cosDec,
                         std::cos(TAIL_PROBE) - sinDec * sinTo);
}

}  // namespace

double MinorBodyLimit(const Projection& projection, const LayerSet& layers, double skyFaintest) {
  return std::min(StarLayerLimit(layers, projection.GetFieldOfView()) / 100.0, skyFaintest);
}

void DrawMinorBodies(const FrameContext& frame, Surface& surface) {
  const LayerSet& layers = frame.layers;
  // A moment without elements asks for no places.
  if (!layers.showMinorBodies || frame.moment.GetMinorBodyList()->empty()) return;
  const Projection& projection = frame.projection;
  const SkyPlaces& sky = frame.Sky();
  const MinorBodyList& bodies = *frame.moment.GetMinorBodyList();
  const std::vector<MinorBodyPlace>& places = frame.moment.GetMinorBodies();
  const double faintestMagnitude =
      MinorBodyLimit(projection, layers, frame.light.faintestMagnitude);
  const Rect& clip = projection.GetViewRect();
  const double scale = projection.GetXScale();
  const VisibleCap cap =
      VisibleCap::ForView(projection, scale > 0.0 ? MARGIN_PIXELS / scale + 0.001 : 0.01);
  const size_t count = std::min(bodies.size(), places.size());
  for (size_t i = 0; i < count; ++i) {
    const MinorBodyPlace& place = places[i];
    if (!place.available || place.magnitude > faintestMagnitude) continue;
    const Direction horizontal =
        projection.SkyToHorizontal(sky, place.rightAscension, place.declination);
    if (!cap.Contains(horizontal)) continue;
    double x = 0.0, y = 0.0;
    const Point pixel = projection.HorizontalToScreen(horizontal, x, y);
    if (x < clip.left - MARGIN_PIXELS || x > clip.right + MARGIN_PIXELS ||
        y < clip.top - MARGIN_PIXELS || y > clip.bottom + MARGIN_PIXELS) {
      continue;
    }
    const double brighter = faintestMagnitude - place.magnitude;
    const int32_t radius = 1 + (brighter > 3.0 ? 1 : 0) + (brighter > 6.0 ? 1 : 0);
    const bool comet = bodies[i].kind == MinorBodyKind::Comet;
    surface.SelectPen(comet ? COMET_COLOR : ASTEROID_COLOR);
    Diamond(surface, pixel.x, pixel.y, radius);
    if (comet) {
      double tailRa = 0.0, tailDec = 0.0;
      Towards(place.rightAscension, place.declination, place.tailAngle, tailRa, tailDec);
      const Direction tail = projection.SkyToHorizontal(sky, tailRa, tailDec);
      double tailX = 0.0, tailY = 0.0;
      projection.HorizontalToScreen(tail, tailX, tailY);
      const double dx = tailX - x, dy = tailY - y;
      const double length = std::hypot(dx, dy);
      // Seen end-on, the tail hides behind its head.
      const double shown = std::min(LONGEST_TAIL, SHORTEST_TAIL + TAIL_GROWTH * brighter);
      if (length > 0.0 && cap.Contains(tail)) {
        Line(surface, x, y, x + dx / length * shown, y + dy / length * shown);
      }
    }
    if (layers.showGround && horizontal.z < 0.0) continue;
    frame.labels.push_back({x, y, radius + 1.0, Utf8ToUtf16(bodies[i].label), LabelRank::MinorBody,
                            place.magnitude, frame.pens.bodyName, false});
  }
}

}  // namespace halvane
