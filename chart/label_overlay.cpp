// The label overlay.
#include "chart/label_overlay.h"

#include <algorithm>
#include <string_view>

namespace halvane {

void DrawLabelOverlay(Surface& surface, const PickedLabel& label, const Rect& chart) {
  if (label.x == 0 || label.y == 0) return;
  // The name up to its terminator, never past its 20 units.
  const std::u16string_view name(
      label.name, std::find(label.name, label.name + LABEL_NAME_UNITS, u'\0') - label.name);
  surface.SetTextColor(LABEL_COLOR);
  surface.SetTransparentBackground();
  surface.DrawText(name, Rect{label.x, label.y, chart.right, chart.bottom},
                   TEXT_LEFT | TEXT_NOCLIP);
}

}  // namespace halvane
