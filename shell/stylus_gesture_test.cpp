// The stylus gesture without a window: which presses name, when a press becomes a drag, what a
// release and a long press do, on the chart and on the navigation box.
#include "shell/stylus_gesture.h"

#include <gtest/gtest.h>

namespace halvane {
namespace {

constexpr ViewAim PRESS_VIEW{0.5, 0.25};
constexpr int32_t DRAG_DISTANCE = 10;

void ExpectDrag(const std::optional<ViewDrag>& drag, int32_t dx, int32_t dy, const char* what) {
  ASSERT_TRUE(drag.has_value()) << what;
  EXPECT_EQ(drag->from, PRESS_VIEW) << what;
  EXPECT_EQ(drag->dx, dx) << what;
  EXPECT_EQ(drag->dy, dy) << what;
}

TEST(StylusGesture, PointerModeTapsNameAndTravelledPressesDragFromThePress) {
  StylusGesture g;
  ViewDrag drag;
  // A tap names; its release opens the panel with what the press named.
  EXPECT_TRUE(g.Press({100, 100}, false, PRESS_VIEW));
  g.PressNamed(true);
  EXPECT_FALSE(g.Move({104, 105}, true, DRAG_DISTANCE)) << "within the drag distance";
  EXPECT_EQ(g.Lift({104, 105}, drag), StylusGesture::Release::Tap);
  EXPECT_TRUE(g.TapNamed());

  // Once it travelled it drags, always measured from the press; a move without the stylus
  // touching does nothing.
  EXPECT_TRUE(g.Press({100, 100}, false, PRESS_VIEW));
  g.PressNamed(false);
  EXPECT_FALSE(g.Move({130, 100}, false, DRAG_DISTANCE));
  ExpectDrag(g.Move({105, 105}, true, DRAG_DISTANCE), 5, 5, "first step");
  ExpectDrag(g.Move({101, 99}, true, DRAG_DISTANCE), 1, -1, "back near the press");
  std::optional<ViewDrag> undo;
  EXPECT_FALSE(g.Hold(PRESS_VIEW, undo)) << "a drag in pointer mode never names";
  EXPECT_EQ(g.Lift({-20, 300}, drag), StylusGesture::Release::Drag);
  ExpectDrag(drag, -120, 200, "a release off the chart");
  // Nothing pressed: moves and holds do nothing.
  EXPECT_FALSE(g.Move({0, 0}, true, DRAG_DISTANCE));
  EXPECT_FALSE(g.Hold(PRESS_VIEW, undo));
}

TEST(StylusGesture, HandModeDragsAtOnceAndALongPressUndoesTheCreepAndNames) {
  StylusGesture g;
  g.SetHandMode(true);
  ViewDrag drag;
  EXPECT_FALSE(g.Press({50, 60}, false, PRESS_VIEW)) << "a hand-mode press names nothing";
  ExpectDrag(g.Move({52, 61}, true, DRAG_DISTANCE), 2, 1, "hand mode follows at once");
  std::optional<ViewDrag> undo;
  EXPECT_TRUE(g.Hold(ViewAim{0.51, 0.25}, undo));
  ExpectDrag(undo, 0, 0, "the creep undone");
  EXPECT_FALSE(g.Move({90, 90}, true, DRAG_DISTANCE)) << "after naming the press is spent";
  EXPECT_EQ(g.Lift({90, 90}, drag), StylusGesture::Release::Nothing);

  // A release where the press was still draws the view put back.
  EXPECT_FALSE(g.Press({50, 60}, false, PRESS_VIEW));
  EXPECT_EQ(g.Lift({50, 60}, drag), StylusGesture::Release::Drag);
  ExpectDrag(drag, 0, 0, "not moved");

  // A hold on a view that did not creep needs no undo; a plain release ends the drag there.
  EXPECT_FALSE(g.Press({50, 60}, false, PRESS_VIEW));
  undo.reset();
  EXPECT_TRUE(g.Hold(PRESS_VIEW, undo));
  EXPECT_FALSE(undo.has_value());
  EXPECT_FALSE(g.Press({50, 60}, false, PRESS_VIEW));
  EXPECT_EQ(g.Lift({70, 40}, drag), StylusGesture::Release::Drag);
  ExpectDrag(drag, 20, -20, "released");
}

TEST(StylusGesture, APressOnTheBoxOnlyWorksAButtonAtItsRelease) {
  for (const bool hand : {false, true}) {
    StylusGesture g;
    g.SetHandMode(hand);
    ViewDrag drag;
    std::optional<ViewDrag> undo;
    EXPECT_TRUE(g.Press({200, 250}, true, PRESS_VIEW)) << hand;
    EXPECT_FALSE(g.Move({20, 20}, true, DRAG_DISTANCE)) << hand;
    EXPECT_FALSE(g.Hold(PRESS_VIEW, undo)) << hand;
    EXPECT_EQ(g.Lift({20, 20}, drag), StylusGesture::Release::BoxButton) << hand;
  }
}

}  // namespace
}  // namespace halvane
