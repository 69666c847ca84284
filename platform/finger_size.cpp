// Sizes for fingers on narrow screens.
#include "platform/finger_size.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace halvane {

bool IsOnNarrowScreen(const QWidget& widget) {
  const QScreen* screen = widget.screen();
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  return screen != nullptr && screen->geometry().width() < NARROW_SCREEN_PIXELS;
}

void FitForFinger(QWidget& control) {
  if (!IsOnNarrowScreen(control)) return;
  control.setMinimumSize(std::max(control.minimumWidth(), FINGER_PIXELS),
                         std::max(control.minimumHeight(), FINGER_PIXELS));
}

}  // namespace halvane
