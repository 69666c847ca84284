// The navigation box: a picture of twelve buttons in three columns and four rows, shown in the
// chart's bottom-right corner; on a narrow screen at a finger's size.
#pragma once

#include <cstdint>

#include "platform/bitmaps.h"

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

}  // namespace halvane
