#include "shell/stylus_gesture.h"

#include <cstdlib>

namespace halvane {

bool StylusGesture::Press(Point at, bool onBoxNow, ViewAim view) {
  down = true;
  onBox = onBoxNow;
  held = false;
  dragging = false;
  pressNamed = false;
  start = at;
  startView = view;
  if (onBox || !handMode) return true;
  dragging = true;
  return false;
}

std::optional<ViewDrag> StylusGesture::Move(Point at, bool touching, int32_t dragDistance) {
  if (!down || held || onBox || !touching) return std::nullopt;
  // In pointer mode a press becomes a drag once it has travelled; until then it is a tap.
  if (!dragging && std::abs(at.x - start.x) + std::abs(at.y - start.y) < dragDistance) {
    return std::nullopt;
  }
  dragging = true;
  return DragTo(at);
}

StylusGesture::Release StylusGesture::Lift(Point at, ViewDrag& drag) {
  const bool wasDragging = dragging;
  down = false;
  dragging = false;
  if (held) return Release::Nothing;
  if (onBox) return Release::BoxButton;
  if (!wasDragging) return handMode ? Release::Nothing : Release::Tap;
  // Coordinates are signed, so a release left of or above the chart is a small step.
  drag = DragTo(at);
  return Release::Drag;
}

bool StylusGesture::Hold(ViewAim view, std::optional<ViewDrag>& undo) {
  // The window only reports a press that stayed within the drag distance; on the box the
  // release works the button.
  if (!down || onBox || (dragging && !handMode)) return false;
  held = true;
  // Hand mode follows the finger from the start: the few pixels it crept are undone.
  if (dragging && view != startView) undo = ViewDrag{startView, 0, 0};
  dragging = false;
  return true;
}

}  // namespace halvane
