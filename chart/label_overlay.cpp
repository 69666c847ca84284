// The label overlay.
#include "chart/label_overlay.h"

#include <vector>

namespace halvane {

void DrawLabelOverlay(Surface& surface, const PickedLabel& label, const Rect& chart,
                      const FrameNames& frame) {
  const std::vector<LabelCandidate> name = PinnedNames(label, LABEL_COLOR);
  if (name.empty()) return;
  surface.SetTransparentBackground();
  DrawPlacedLabels(surface, name, PlaceOverFrame(name.front(), frame, surface, chart), chart);
}

}  // namespace halvane
