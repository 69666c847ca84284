// The stylus on the chart: taps name objects, drags move the view (any press in hand mode, a
// press that travels in pointer mode), and taps on the navigation box work its twelve buttons.
#include <cstdlib>

#include "shell/main_window.h"

namespace halvane {

namespace {

// The button index along one axis of the box, or -1 on a dividing line, the outer edge or
// past the last button. All bounds are exclusive.
int32_t ButtonIndex(int32_t offset, int32_t count) {
  for (int32_t i = 0; i < count; ++i) {
    if (offset > i * NAV_BOX_PITCH && offset < (i + 1) * NAV_BOX_PITCH) return i;
  }
  return -1;
}

}  // namespace

bool MainWindow::InNavigationBox(int32_t x, int32_t y) const {
  // Left and right edges count, top and bottom do not.
  return navBoxShown && navBoxX <= x && x <= navBoxX + NAV_BOX_WIDTH && navBoxY < y &&
         y < navBoxY + NAV_BOX_HEIGHT;
}

void MainWindow::OnLButtonDown(uintptr_t, int32_t x, int32_t y) {
  penDownInNavBox = InNavigationBox(x, y);
  stylusDown = true;
  dragging = false;
  dragStartX = x;
  dragStartY = y;
  chart->GetProjection().GetViewDirection(dragStartAzimuth, dragStartAltitude);
  if (penDownInNavBox || !handMode) {
    // A press that names nothing keeps the last label.
    PickedLabel picked;
    chart->IdentifyObject(picked, x, y, moment);
    pressNamed = picked.name[0] != 0;
    if (pressNamed) label = picked;
    RequestRepaint();
    return;
  }
  dragging = true;
}

void MainWindow::OnMouseMove(uintptr_t wParam, int32_t x, int32_t y) {
  if (!stylusDown || penDownInNavBox || (wParam & STYLUS_TOUCHING) == 0) return;
  if (!dragging) {
    // In pointer mode a press becomes a drag once it has travelled; until then it is a tap.
    const int32_t threshold = DragStartDistance();
    if (std::abs(x - dragStartX) + std::abs(y - dragStartY) < threshold) return;
    dragging = true;
  }
  DragFromStart(x, y);
}

void MainWindow::OnLButtonUp(uintptr_t, int32_t x, int32_t y) {
  const bool wasDragging = dragging;
  stylusDown = false;
  dragging = false;
  if (penDownInNavBox) {
    const int32_t column = ButtonIndex(x - navBoxX, 3);
    const int32_t row = ButtonIndex(y - navBoxY, 4);
    if (column >= 0 && row >= 0) PressNavigationButton(column, row);
    return;
  }
  if (!wasDragging) {
    if (!handMode) AfterTap(pressNamed);
    return;
  }
  // Coordinates are signed, so a release left of or above the chart is a small step.
  DragFromStart(x, y);
}

void MainWindow::DragFromStart(int32_t x, int32_t y) {
  // Always measured from the press, so the live frames never add up rounding and the release
  // puts the view exactly where one drag of the whole way would.
  chart->GetProjection().SetViewDirection(dragStartAzimuth, dragStartAltitude);
  chart->GetProjection().DragView(x - dragStartX, y - dragStartY);
  RequestRender();
}

void MainWindow::PressNavigationButton(int32_t column, int32_t row) {
  // Row 0's outer buttons only switch the mode and ask for no paint.
  if (row == 0 && column != 1) {
    handMode = column == 2;
    return;
  }
  // The box picture, row by row; row 0 only uses its middle button here.
  constexpr ChartAction ACTIONS[4][3] = {
      {ChartAction::ViewNorth, ChartAction::ViewNorth, ChartAction::ViewNorth},
      {ChartAction::ViewWest, ChartAction::ViewZenith, ChartAction::ViewEast},
      {ChartAction::RotateCounterClockwise, ChartAction::ViewSouth, ChartAction::RotateClockwise},
      {ChartAction::ZoomIn, ChartAction::ZoomReset, ChartAction::ZoomOut},
  };
  Perform(ACTIONS[row][column]);
}

}  // namespace halvane
