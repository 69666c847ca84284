// The stylus on the chart as a gesture: a tap names what is under it, a drag moves the view
// (any press in hand mode, a press that travels in pointer mode), a long press names in
// either mode, and a press on the navigation box works the button under its release. The
// gesture only decides; the window names, drags and works the buttons.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/surface.h"

namespace halvane {

// Where the view looked, radians.
struct ViewAim {
  double azimuth = 0.0;
  double altitude = 0.0;
  bool operator==(const ViewAim&) const = default;
};

// The view put back to from, then dragged by (dx, dy) pixels: always measured from the press,
// so live frames never add up rounding.
struct ViewDrag {
  ViewAim from;
  int32_t dx = 0;
  int32_t dy = 0;
};

class StylusGesture {
 public:
  enum class Release {
    Nothing,
    BoxButton,  // work the box's button under the release
    Tap,        // pointer mode: the panel of what the press named, or closed
    Drag,       // the drag's last step
  };

  bool IsHandMode() const { return handMode; }
  void SetHandMode(bool hand) { handMode = hand; }

  // A press at `at`, onBox when the shown box holds it, the view looking at view. True when the
  // window should name what lies under the press and tell PressNamed.
  bool Press(Point at, bool onBox, ViewAim view);
  void PressNamed(bool named) { pressNamed = named; }
  // The stylus moved to `at`, touching or not: the drag to make, if any. dragDistance is how
  // far a pointer-mode press travels before it drags.
  std::optional<ViewDrag> Move(Point at, bool touching, int32_t dragDistance);
  // The stylus left the chart at `at`; drag is filled for Release::Drag.
  Release Lift(Point at, ViewDrag& drag);
  bool TapNamed() const { return pressNamed; }
  // The press stayed put (a long press) with the view at view: false when it names nothing.
  // undo is set when a hand-mode drag crept and must be taken back first.
  bool Hold(ViewAim view, std::optional<ViewDrag>& undo);

 private:
  ViewDrag DragTo(Point at) const { return {startView, at.x - start.x, at.y - start.y}; }

  bool handMode = false;
  bool down = false;
  bool onBox = false;
  bool held = false;  // a long press has named already
  bool dragging = false;
  bool pressNamed = false;
  Point start;
  ViewAim startView;
};

}  // namespace halvane
