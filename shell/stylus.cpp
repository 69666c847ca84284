// The stylus messages carried out: the gesture decides, the window names, drags and works the
// navigation box's buttons.
#include "shell/main_window.h"

namespace halvane {

ViewAim MainWindow::CurrentAim() const {
  ViewAim aim;
  chart->GetProjection().GetViewDirection(aim.azimuth, aim.altitude);
  return aim;
}

void MainWindow::OnStylusDown(uintptr_t, int32_t x, int32_t y) {
  if (!stylus.Press({x, y}, navigationBox.Contains(x, y), CurrentAim())) return;
  // A press that names nothing keeps the last label.
  PickedLabel picked;
  chart->IdentifyObject(picked, x, y, moment);
  stylus.PressNamed(picked.name[0] != 0);
  if (stylus.TapNamed()) label = picked;
  RequestRepaint();
}

void MainWindow::OnStylusMove(uintptr_t wParam, int32_t x, int32_t y) {
  const std::optional<ViewDrag> drag =
      stylus.Move({x, y}, (wParam & STYLUS_TOUCHING) != 0, DragStartDistance());
  if (drag) DragView(*drag);
}

void MainWindow::OnStylusUp(uintptr_t, int32_t x, int32_t y) {
  ViewDrag drag;
  switch (stylus.Lift({x, y}, drag)) {
    case StylusGesture::Release::Nothing: return;
    case StylusGesture::Release::BoxButton:
      if (const ActionEntry* button = navigationBox.ButtonAt(x, y)) Perform(button->action);
      return;
    case StylusGesture::Release::Tap: return AfterTap(stylus.TapNamed());
    case StylusGesture::Release::Drag: return DragView(drag);
  }
}

void MainWindow::OnStylusHold(int32_t x, int32_t y) {
  std::optional<ViewDrag> undo;
  if (!stylus.Hold(CurrentAim(), undo)) return;
  if (undo) DragView(*undo);
  PickedLabel picked;
  chart->IdentifyObject(picked, x, y, moment);
  const bool named = picked.name[0] != 0;
  if (named) {
    label = picked;
    // A frame still to come keeps it.
    if (needsRender) labelAfterFrame = picked;
  }
  RequestRepaint();
  AfterTap(named);
}

void MainWindow::DragView(const ViewDrag& drag) {
  chart->GetProjection().SetViewDirection(drag.from.azimuth, drag.from.altitude);
  chart->GetProjection().DragView(drag.dx, drag.dy);
  UpdateMomentAndRender();
}

}  // namespace halvane
