// The label overlay.
#include "chart/label_overlay.h"

#include <vector>

namespace halvane {

namespace {

constexpr int32_t RETICLE_GAP = 5;   // pixels from the point to the ticks' inner ends
constexpr int32_t RETICLE_TICK = 5;  // pixels of each tick
constexpr Color RETICLE_SHADOW = 0;  // under the ticks, so a bright sky does not hide them

}  // namespace

void DrawLabelOverlay(Surface& surface, const PickedLabel& label, const Rect& chart,
                      const FrameNames& frame, const Projection* projection) {
  std::vector<LabelCandidate> name = PinnedNames(label, LABEL_COLOR);
  if (name.empty()) return;
  surface.SetTransparentBackground();
  const std::vector<PlacedLabel> placed = PlaceOverFrame(name.front(), frame, surface, chart);
  if (projection != nullptr) FitNamesToSky(name, placed, *projection, frame.light);
  DrawPlacedLabels(surface, name, placed, chart);
}

void DrawReticle(Surface& surface, int32_t x, int32_t y, const Rect& chart) {
  if (x < chart.left || x >= chart.right || y < chart.top || y >= chart.bottom) return;
  constexpr int32_t IN = RETICLE_GAP;
  constexpr int32_t OUT = RETICLE_GAP + RETICLE_TICK;
  const Point ticks[4][2] = {{{x - OUT, y}, {x - IN, y}},
                             {{x + IN + 1, y}, {x + OUT + 1, y}},
                             {{x, y - OUT}, {x, y - IN}},
                             {{x, y + IN + 1}, {x, y + OUT + 1}}};
  surface.SelectPen(RETICLE_SHADOW);
  for (const auto& tick : ticks) {
    const Point shadow[2] = {{tick[0].x + 1, tick[0].y + 1}, {tick[1].x + 1, tick[1].y + 1}};
    surface.Polyline(shadow, 2);
  }
  surface.SelectPen(LABEL_COLOR);
  for (const auto& tick : ticks) surface.Polyline(tick, 2);
  surface.Ellipse({x, y}, OUT, OUT, 0, true);
}

}  // namespace halvane
