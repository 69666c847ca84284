// The wheel and two-finger gestures: zoom and rotation by the chart's own steps.
#include <algorithm>
#include <cstdlib>

#include "shell/main_window.h"

namespace halvane {

namespace {

// More steps than either range holds change nothing more; the bound keeps a flood of them cheap.
constexpr int32_t MOST_STEPS = 24;

}  // namespace

void MainWindow::OnMouseWheel(uintptr_t keys, int32_t distance) {
  const int32_t notches = distance / WHEEL_NOTCH;
  if ((keys & (WHEEL_SHIFT | WHEEL_CONTROL)) != 0) {
    OnGesture(GESTURE_ROTATE, notches);
  } else {
    OnGesture(GESTURE_ZOOM, notches);
  }
}

void MainWindow::OnGesture(uintptr_t kind, int32_t steps) {
  if (kind != GESTURE_ZOOM && kind != GESTURE_ROTATE) return;
  const int32_t count = std::min(std::abs(steps), MOST_STEPS);
  if (count == 0) return;
  // Away from the user (a pinch that spreads) zooms in; a clockwise turn turns clockwise.
  Action action = steps > 0 ? Action::ZoomIn : Action::ZoomOut;
  if (kind == GESTURE_ROTATE) {
    action = steps > 0 ? Action::RotateClockwise : Action::RotateCounterClockwise;
  }
  for (int32_t i = 0; i < count; ++i) Perform(action);
}

}  // namespace halvane
