// The navigation box without a window: where it sits, its edges, and which action each of its
// twelve buttons gives at both sizes.
#include "shell/navigation_box.h"

#include <gtest/gtest.h>

namespace halvane {
namespace {

Action ButtonAction(const NavigationBox& box, int32_t column, int32_t row) {
  const NavigationBoxSize size = box.GetSize();
  const ActionEntry* entry = box.ButtonAt(box.GetOrigin().x + column * size.pitch + size.pitch / 2,
                                          box.GetOrigin().y + row * size.pitch + size.pitch / 2);
  EXPECT_NE(entry, nullptr) << column << ", " << row;
  return entry != nullptr ? entry->action : Action::Exit;
}

TEST(NavigationBox, ButtonsGiveTheActionsOfThePicture) {
  // The picture, row by row.
  const Action picture[4][3] = {
      {Action::UsePointer, Action::ViewNorth, Action::UseHand},
      {Action::ViewWest, Action::ViewZenith, Action::ViewEast},
      {Action::RotateCounterClockwise, Action::ViewSouth, Action::RotateClockwise},
      {Action::ZoomIn, Action::ZoomReset, Action::ZoomOut},
  };
  for (const NavigationBoxSize& size : {NAV_BOX_DESKTOP, NAV_BOX_FINGER}) {
    NavigationBox box;
    box.Place(Rect{0, 0, 360, 720}, size);
    for (int32_t row = 0; row < 4; ++row) {
      for (int32_t column = 0; column < 3; ++column) {
        EXPECT_EQ(ButtonAction(box, column, row), picture[row][column])
            << size.pitch << ": " << column << ", " << row;
      }
    }
  }
}

TEST(NavigationBox, SitsInTheCornerAndItsEdgesAndLinesWorkNothing) {
  NavigationBox box;
  box.Place(Rect{0, 0, 240, 294}, NAV_BOX_DESKTOP);
  const Point o = box.GetOrigin();
  EXPECT_EQ(o.x, 240 - 70);
  EXPECT_EQ(o.y, 294 - 93);
  EXPECT_FALSE(box.Contains(o.x + 10, o.y + 10)) << "hidden";
  box.SetShown(true);
  // Left and right edges count, top and bottom do not.
  EXPECT_TRUE(box.Contains(o.x, o.y + 1));
  EXPECT_TRUE(box.Contains(o.x + 70, o.y + 1));
  EXPECT_FALSE(box.Contains(o.x, o.y));
  EXPECT_FALSE(box.Contains(o.x + 10, o.y + 93));
  EXPECT_FALSE(box.Contains(o.x - 1, o.y + 10));
  // Lines between buttons, the outer edge and past the last column or row.
  for (const Point p :
       {Point{o.x + 23, o.y + 10}, Point{o.x + 10, o.y + 46}, Point{o.x, o.y + 10},
        Point{o.x + 69, o.y + 10}, Point{o.x + 10, o.y + 92}, Point{o.x - 30, o.y + 10}}) {
    EXPECT_EQ(box.ButtonAt(p.x, p.y), nullptr) << p.x - o.x << ", " << p.y - o.y;
  }
  // A new size moves the box with the corner.
  box.Place(Rect{0, 0, 360, 720}, NAV_BOX_FINGER);
  EXPECT_EQ(box.GetOrigin().x, 360 - 136);
  EXPECT_EQ(box.GetOrigin().y, 720 - 181);
}

}  // namespace
}  // namespace halvane
