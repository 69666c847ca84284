// Controls a finger can hit: on a phone-sized screen every control is at least about 7 mm.
#pragma once

#include "platform/window_system.h"

class QAbstractItemView;
class QMenu;
class QScreen;
class QWidget;

namespace halvane {

// 7 mm at a phone's density, in logical pixels.
constexpr int FINGER_PIXELS = 44;
// Screens narrower than this, in logical pixels, are held in the hand.
constexpr int NARROW_SCREEN_PIXELS = PHONE_SCREEN_WIDTH;

// True when the screen of widget's window is narrower than NARROW_SCREEN_PIXELS. A dialog not
// yet shown counts on its owner's screen, where it will open; with neither, the primary screen.
bool IsOnNarrowScreen(const QWidget& widget);
// The screen that counts for widget as above; null without any screen.
QScreen* ScreenFor(const QWidget& widget);
bool IsOnNarrowScreen(WindowHandle window);

// Keeps a control at least FINGER_PIXELS square while it is on a narrow screen, and at its own
// size elsewhere, following the window from screen to screen.
void FitForFinger(QWidget& control);

// Makes menu's items, and those of its submenus, a finger high while anchor (the button that
// opens it) is on a narrow screen; the menus scroll when they outgrow the screen.
void FitMenuForFinger(QMenu& menu, const QWidget& anchor);

// Makes the rows of a list (a completer's popup) a finger high while anchor, the widget the
// list belongs to, is on a narrow screen.
void FitRowsForFinger(QAbstractItemView& list, const QWidget& anchor);

}  // namespace halvane
