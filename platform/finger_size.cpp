// Sizes for fingers on narrow screens.
#include "platform/finger_size.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "platform/native_window.h"

namespace halvane {

namespace {

// Sets the control's minimum size for the screen it is shown on; the screen is only known
// for sure once the window shows, and changes when it moves.
class FingerFit : public QObject {
 public:
  explicit FingerFit(QWidget& control) : QObject(&control), ownMinimum(control.minimumSize()) {
    control.installEventFilter(this);
    Apply(control);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show || event->type() == QEvent::ScreenChangeInternal) {
      Apply(*static_cast<QWidget*>(watched));
    }
    return false;
  }

 private:
  void Apply(QWidget& control) const {
    if (!IsOnNarrowScreen(control)) {
      control.setMinimumSize(ownMinimum);
      return;
    }
    control.setMinimumSize(ownMinimum.expandedTo(QSize(FINGER_PIXELS, FINGER_PIXELS)));
  }

  const QSize ownMinimum;
};

}  // namespace

bool IsOnNarrowScreen(const QWidget& widget) {
  const QWidget* window = widget.window();
  if (!window->isVisible() && window->parentWidget() != nullptr) {
    window = window->parentWidget()->window();
  }
  const QScreen* screen = window->screen();
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  return screen != nullptr && screen->geometry().width() < NARROW_SCREEN_PIXELS;
}

bool IsOnNarrowScreen(WindowHandle window) {
  return window != nullptr && IsOnNarrowScreen(*window);
}

void FitForFinger(QWidget& control) { new FingerFit(control); }

}  // namespace halvane
