// The program's bitmap resources, compiled into the executable from resources/.
#pragma once

#include <memory>

#include "platform/surface.h"

namespace halvane {

// Resource numbers of the handheld's resource file.
enum class BitmapId {
  StarSprites = 105,               // 121 x 77: 7 tinted rows x 11 sizes of 11 x 11 star images
  Splash = 106,                    // 240 x 179: shown while the first frame is drawn
  NavigationBox = 111,             // 70 x 93: twelve buttons on a 23-pixel pitch
  Compass = 113,                   // 16 x 16: the menu bar's navigation-box button
  NavigationBoxNight = 114,        // 70 x 93: the box in dim reds for night vision
  NavigationBoxFinger = 115,       // 136 x 181: twelve 44-pixel buttons on a 45-pixel pitch
  NavigationBoxFingerNight = 116,  // 136 x 181: the same in dim reds
};

// Loads a bitmap resource; null when it cannot be loaded.
std::unique_ptr<Bitmap> LoadBitmap(BitmapId id);

}  // namespace halvane
