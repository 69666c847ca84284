// The ecliptic, sampled every half degree and dashed in pixels, so the dashes keep their length
// at every zoom.
#include "view/ecliptic_layer.h"

#include <cmath>
#include <optional>

#include "astro/angles.h"
#include "astro/ecliptic.h"
#include "platform/translate.h"
#include "view/frame_context.h"
#include "view/visible_cap.h"

namespace halvane {

namespace {

constexpr int32_t SAMPLES = 720;
constexpr double DASH = 6.0;         // pixels drawn
constexpr double GAP = 4.0;          // pixels left out
constexpr double CAP_MARGIN = 0.02;  // radians: segments that cross the edge still drawn

// The dashes of the segment a-b, continuing the pattern at phase (pixels into one period).
void DashedSegment(Surface& surface, double ax, double ay, double bx, double by, double& phase) {
  const double length = std::hypot(bx - ax, by - ay);
  double at = 0.0;
  while (at < length) {
    const double inPeriod = std::fmod(phase + at, DASH + GAP);
    const bool drawn = inPeriod < DASH;
    const double step = std::min(length - at, drawn ? DASH - inPeriod : DASH + GAP - inPeriod);
    if (drawn) {
      const double t0 = at / length;
      const double t1 = (at + step) / length;
      const Point points[2] = {{static_cast<int32_t>(std::lround(ax + (bx - ax) * t0)),
                                static_cast<int32_t>(std::lround(ay + (by - ay) * t0))},
                               {static_cast<int32_t>(std::lround(ax + (bx - ax) * t1)),
                                static_cast<int32_t>(std::lround(ay + (by - ay) * t1))}};
      surface.Polyline(points, 2);
    }
    at += step;
  }
  phase = std::fmod(phase + length, DASH + GAP);
}

bool OffChart(const Rect& r, double ax, double ay, double bx, double by) {
  return (ax < r.left && bx < r.left) || (ax > r.right && bx > r.right) ||
         (ay < r.top && by < r.top) || (ay > r.bottom && by > r.bottom);
}

}  // namespace

void DrawEcliptic(const FrameContext& frame, Surface& surface) {
  if (!frame.layers.showEcliptic) return;
  const Projection& projection = frame.projection;
  const SkyPlaces& sky = frame.Sky();
  const Color color = frame.pens.ecliptic;
  const bool nameAboveHorizon = frame.layers.showGround;
  const VisibleCap cap = VisibleCap::ForView(projection, CAP_MARGIN);
  const Rect& chart = projection.GetViewRect();
  const double centreX = 0.5 * (chart.left + chart.right);
  const double centreY = 0.5 * (chart.top + chart.bottom);
  surface.SelectPen(color);

  bool previousShown = false;
  double px = 0.0;
  double py = 0.0;
  double phase = 0.0;
  double nearest = HUGE_VAL;
  double nameX = 0.0;
  double nameY = 0.0;
  const Rotation toCatalog =
      EclipticToCatalog(frame.layers.precisePositions, frame.moment.GetJulianDayTt());
  const std::optional<Rotation> turn = sky.CatalogToHorizontal();
  for (int32_t i = 0; i <= SAMPLES; ++i) {
    const double longitude = TWO_PI * i / SAMPLES;
    const Direction catalog = toCatalog.Apply({std::cos(longitude), std::sin(longitude), 0.0});
    Direction horizontal;
    if (turn) {
      horizontal = turn->Apply(catalog);
    } else {
      double rightAscension = 0.0;
      double declination = 0.0;
      AnglesOf(catalog, rightAscension, declination);
      horizontal = projection.SkyToHorizontal(sky, rightAscension, declination);
    }
    const bool shown = cap.Contains(horizontal);
    double x = 0.0;
    double y = 0.0;
    if (shown) {
      projection.HorizontalToPixel(horizontal, x, y);
      const double distance = std::hypot(x - centreX, y - centreY);
      if (distance < nearest && (!nameAboveHorizon || horizontal.z >= 0.0)) {
        nearest = distance;
        nameX = x;
        nameY = y;
      }
    }
    if (shown && previousShown && !OffChart(chart, px, py, x, y)) {
      DashedSegment(surface, px, py, x, y, phase);
    }
    previousShown = shown;
    px = x;
    py = y;
  }
  if (nearest < HUGE_VAL) {
    //: the Sun's path, written on the chart
    frame.labels.push_back(
        {nameX, nameY, 0.0, Words::Tr16("Ecliptic"), LabelRank::Constellation, 99.0, color, false});
  }
}

}  // namespace halvane
