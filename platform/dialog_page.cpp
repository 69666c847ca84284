// A dialog's page: fixed on wide screens, scrolling and finger-sized on narrow ones.
#include "platform/dialog_page.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QInputMethod>
#include <QLineEdit>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QScroller>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "platform/finger_size.h"

namespace halvane {

namespace {

// Room kept between the control in use and the edge of what shows, pixels.
constexpr int VIEW_MARGIN = 8;
// The least share of its width a page is narrowed to.
constexpr double MOST_SQUEEZED = 0.9;

// A scroll area that keeps the focused control in view, above the on-screen keyboard when
// Qt knows where that is (otherwise the compositor makes the window smaller, which resizes
// the area).
class DialogScroll : public QScrollArea {
 public:
  explicit DialogScroll(QDialog& dialog) : QScrollArea(&dialog) {
    setObjectName(QStringLiteral("dialogPage"));
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(false);
    // A finger scrolls the page as it does any phone's.
    QScroller::grabGesture(viewport(), QScroller::TouchGesture);
    connect(qApp, &QApplication::focusChanged, this, [this] { ShowFocus(); });
    connect(QGuiApplication::inputMethod(), &QInputMethod::keyboardRectangleChanged, this,
            [this] { AvoidKeyboard(); });
  }

 protected:
  void resizeEvent(QResizeEvent* event) override {
    QScrollArea::resizeEvent(event);
    ShowFocus();
  }

 private:
  // Once the layout has settled, so the viewport has its final size.
  void ShowFocus() {
    QMetaObject::invokeMethod(
        this,
        [this] {
          QWidget* focus = QApplication::focusWidget();
          if (focus == nullptr || widget() == nullptr || !widget()->isAncestorOf(focus)) return;
          // The whole control, not only a line edit's cursor.
          const QRect place(focus->mapTo(widget(), QPoint(0, 0)), focus->size());
          ensureVisible(place.center().x(), place.center().y(), place.width() / 2 + VIEW_MARGIN,
                        place.height() / 2 + VIEW_MARGIN);
        },
        Qt::QueuedConnection);
  }

  // The keyboard's rectangle is in the coordinates of the window that has the focus.
  void AvoidKeyboard() {
    const QRectF keyboard = QGuiApplication::inputMethod()->keyboardRectangle();
    int covered = 0;
    if (!keyboard.isEmpty() && isVisible()) {
      const QRect area(mapTo(window(), QPoint(0, 0)), size());
      covered = std::max(0, area.bottom() - static_cast<int>(keyboard.top()));
      covered = std::min(covered, height() / 2 + height() / 4);
    }
    setViewportMargins(0, 0, 0, covered);
    ShowFocus();
  }
};

bool IsFingerTarget(const QWidget& widget) {
  return qobject_cast<const QLineEdit*>(&widget) != nullptr ||
         qobject_cast<const QComboBox*>(&widget) != nullptr ||
         qobject_cast<const QAbstractButton*>(&widget) != nullptr;
}

// Two widgets stand in one row when their heights overlap.
bool InRow(const QWidget& a, const QWidget& b) {
  return a.y() < b.geometry().bottom() && b.y() < a.geometry().bottom();
}

// The widgets of page right of x in the row of control, group frames aside.
std::vector<QWidget*> RightOf(QWidget& page, const QWidget& control, int x) {
  std::vector<QWidget*> found;
  for (QWidget* other : page.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (other == &control || qobject_cast<QGroupBox*>(other) != nullptr) continue;
    if (InRow(*other, control) && other->x() >= x) found.push_back(other);
  }
  return found;
}

// How far right control's row may reach: the frame around it, or the page's edge.
int RowLimit(const QWidget& page, const QWidget& control, int width) {
  int limit = width;
  for (const QGroupBox* frame : page.findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly)) {
    if (frame->geometry().contains(control.pos()))
      limit = std::min(limit, frame->x() + frame->width());
  }
  return limit - VIEW_MARGIN;
}

// Narrows the page's controls and the gaps between them alike until the page fits width;
// returns the page's width. Narrower than MOST_SQUEEZED of itself the labels would be cut, so
// then it stays as wide as it is and scrolls sideways too.
int SqueezeTo(QWidget& page, int pageWidth, int width) {
  const double factor = static_cast<double>(width) / pageWidth;
  if (factor >= 1.0 || factor < MOST_SQUEEZED) return pageWidth;
  for (QWidget* control : page.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    const int left = static_cast<int>(control->x() * factor);
    const int right = static_cast<int>((control->x() + control->width()) * factor);
    control->setGeometry(left, control->y(), right - left, control->height());
  }
  return width;
}

// Grows each narrow control to a finger's width, pushing its row to the right; a row that then
// overflows its frame gives the room back from its widest control.
void WidenForFinger(QWidget& page, int width) {
  const QList<QWidget*> controls = page.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  for (QWidget* control : controls) {
    if (!IsFingerTarget(*control) || control->width() >= FINGER_PIXELS) continue;
    const int growth = FINGER_PIXELS - control->width();
    for (QWidget* other : RightOf(page, *control, control->x() + control->width())) {
      other->move(other->x() + growth, other->y());
    }
    control->resize(FINGER_PIXELS, control->height());
  }
  for (QWidget* control : controls) {
    if (!IsFingerTarget(*control)) continue;
    int right = 0;
    QWidget* widest = control;
    for (QWidget* other : controls) {
      if (qobject_cast<QGroupBox*>(other) != nullptr || !InRow(*other, *control)) continue;
      right = std::max(right, other->x() + other->width());
      if (IsFingerTarget(*other) && other->width() > widest->width()) widest = other;
    }
    const int excess =
        std::min(right - RowLimit(page, *control, width), widest->width() - FINGER_PIXELS);
    if (excess <= 0) continue;
    for (QWidget* other : RightOf(page, *widest, widest->x() + widest->width())) {
      other->move(other->x() - excess, other->y());
    }
    widest->resize(widest->width() - excess, widest->height());
  }
}

}  // namespace

QWidget& MakeDialogPage(QDialog& dialog) {
  if (!IsOnNarrowScreen(dialog)) return dialog;
  auto* layout = new QVBoxLayout(&dialog);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* scroll = new DialogScroll(dialog);
  layout->addWidget(scroll);
  auto* page = new QWidget;
  scroll->setWidget(page);
  return *page;
}

void FinishDialogPage(QDialog& dialog, QWidget& page, QSize size) {
  if (&page == &dialog) {
    dialog.setFixedSize(size);
    return;
  }
  // The page fits beside the vertical scroll bar, where it can, inside the frame that the
  // owner's window shows the window system keeps around a maximised window.
  const QScreen* screen = ScreenFor(dialog);
  const QWidget* owner = dialog.parentWidget();
  const int frame = owner != nullptr ? owner->frameGeometry().width() - owner->width() : 0;
  const int room = screen != nullptr ? screen->availableGeometry().width() - frame -
                                           dialog.style()->pixelMetric(QStyle::PM_ScrollBarExtent)
                                     : size.width();
  const QSize fitted(SqueezeTo(page, size.width(), room), size.height());
  WidenForFinger(page, fitted.width());
  page.setFixedSize(fitted);
  dialog.resize(fitted);
}

}  // namespace halvane
