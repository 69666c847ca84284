// Sizes for fingers on narrow screens.
#include "platform/finger_size.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QPointer>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QWidget>
#include <algorithm>

#include "platform/native_window.h"

namespace halvane {

namespace {

// Taller items; too many for the screen scroll rather than spread into columns.
constexpr char FINGER_MENU_SHEET[] =
    "QMenu { menu-scrollable: 1; } QMenu::item { min-height: 44px; padding: 0px 16px 0px 24px; }";

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

// Paints as the list's own delegate does, only taller rows on a narrow screen.
class FingerRows : public QStyledItemDelegate {
 public:
  FingerRows(QAbstractItemView& list, const QWidget& anchor)
      : QStyledItemDelegate(&list), own(list.itemDelegate()), anchor(&anchor) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    if (own != nullptr) return own->paint(painter, option, index);
    QStyledItemDelegate::paint(painter, option, index);
  }

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    const QSize size = own != nullptr ? own->sizeHint(option, index)
                                      : QStyledItemDelegate::sizeHint(option, index);
    if (anchor == nullptr || !IsOnNarrowScreen(*anchor)) return size;
    return size.expandedTo(QSize(0, FINGER_PIXELS));
  }

 private:
  QPointer<QAbstractItemDelegate> own;
  QPointer<const QWidget> anchor;
};

}  // namespace

QScreen* ScreenFor(const QWidget& widget) {
  const QWidget* window = widget.window();
  if (!window->isVisible() && window->parentWidget() != nullptr) {
    window = window->parentWidget()->window();
  }
  QScreen* screen = window->screen();
  return screen != nullptr ? screen : QGuiApplication::primaryScreen();
}

bool IsOnNarrowScreen(const QWidget& widget) {
  const QScreen* screen = ScreenFor(widget);
  return screen != nullptr && screen->geometry().width() < NARROW_SCREEN_PIXELS;
}

bool IsOnNarrowScreen(WindowHandle window) {
  return window != nullptr && IsOnNarrowScreen(*window);
}

void FitForFinger(QWidget& control) { new FingerFit(control); }

void FitMenuForFinger(QMenu& menu, const QWidget& anchor) {
  QObject::connect(&menu, &QMenu::aboutToShow, &menu, [&menu, watched = QPointer(&anchor)] {
    const bool narrow = watched != nullptr && IsOnNarrowScreen(*watched);
    const QString sheet = narrow ? QString::fromLatin1(FINGER_MENU_SHEET) : QString();
    if (menu.styleSheet() != sheet) menu.setStyleSheet(sheet);
  });
}

void FitRowsForFinger(QAbstractItemView& list, const QWidget& anchor) {
  list.setItemDelegate(new FingerRows(list, anchor));
}

}  // namespace halvane
