// Controls a finger can hit: on a phone-sized screen every control is at least about 7 mm.
#pragma once

class QWidget;

namespace halvane {

// 7 mm at a phone's density, in logical pixels.
constexpr int FINGER_PIXELS = 44;
// Screens narrower than this, in logical pixels, are held in the hand.
constexpr int NARROW_SCREEN_PIXELS = 720;

// True when widget's screen (the primary one before it is shown) is narrower than
// NARROW_SCREEN_PIXELS.
bool IsOnNarrowScreen(const QWidget& widget);

// Makes a button at least FINGER_PIXELS square on a narrow screen; nothing elsewhere.
void FitForFinger(QWidget& control);

}  // namespace halvane
