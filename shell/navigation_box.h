// The navigation box: a picture of twelve buttons in three columns and four rows, shown in the
// chart's bottom-right corner; on a narrow screen at a finger's size. The buttons' actions are
// the action table's.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/bitmaps.h"
#include "platform/surface.h"
#include "shell/action_table.h"

namespace halvane {

constexpr int32_t NAV_BOX_WIDTH = 70;
constexpr int32_t NAV_BOX_HEIGHT = 93;
constexpr int32_t NAV_BOX_PITCH = 23;

// One size of the box, in client pixels; a button is pitch - 1 pixels across.
struct NavigationBoxSize {
  int32_t width;
  int32_t height;
  int32_t pitch;
  bool operator==(const NavigationBoxSize&) const = default;
};

constexpr NavigationBoxSize NAV_BOX_DESKTOP{NAV_BOX_WIDTH, NAV_BOX_HEIGHT, NAV_BOX_PITCH};
// 44-pixel buttons: no bigger than a finger needs, so the chart keeps the rest.
constexpr NavigationBoxSize NAV_BOX_FINGER{136, 181, 45};

// The picture of the box of this size, by day or in night vision's dim reds.
constexpr BitmapId NavigationBoxPicture(const NavigationBoxSize& size, bool night) {
  if (size == NAV_BOX_FINGER) {
    return night ? BitmapId::NavigationBoxFingerNight : BitmapId::NavigationBoxFinger;
  }
  return night ? BitmapId::NavigationBoxNight : BitmapId::NavigationBox;
}

class NavigationBox {
 public:
  bool IsShown() const { return shown; }
  void SetShown(bool show) { shown = show; }
  Point GetOrigin() const { return {x, y}; }
  NavigationBoxSize GetSize() const { return size; }
  // The box of this size in the client's bottom-right corner.
  void Place(const Rect& client, const NavigationBoxSize& newSize);
  // While shown; left and right edges count, top and bottom do not.
  bool Contains(int32_t px, int32_t py) const;
  // The button under (px, py); null on a dividing line, the outer edge or past the last
  // button.
  const ActionEntry* ButtonAt(int32_t px, int32_t py) const;
  // Draws the box over screen while it is shown, in night vision's reds at night.
  void Draw(Surface& screen, bool night);

 private:
  bool shown = false;
  NavigationBoxSize size = NAV_BOX_DESKTOP;
  int32_t x = 0;
  int32_t y = 0;
  BitmapId picture = BitmapId::NavigationBox;
  std::unique_ptr<Bitmap> bitmap;
};

}  // namespace halvane
