// An overlay follows the chart area's size through an event filter of its own.
#include "platform/chart_overlay.h"

#include <QEvent>
#include <QWidget>
#include <algorithm>

#include "platform/info_panel.h"
#include "platform/native_window.h"

namespace halvane {

namespace {

constexpr int SIDE_WIDTH = 360;  // beside a wide chart
constexpr int MARGIN = 8;
constexpr double SHEET_SHARE = 0.6;  // at most this part of a narrow chart

void Place(QWidget& widget, const QWidget& chart, OverlayPlace place) {
  const QRect area = chart.geometry();
  const QSize hint = widget.sizeHint();
  if (place == OverlayPlace::Top) {
    const int width = area.width() < NARROW_CHART_WIDTH
                          ? area.width()
                          : std::min(area.width() - 2 * MARGIN, SIDE_WIDTH);
    const int left = area.width() < NARROW_CHART_WIDTH ? area.left() : area.left() + MARGIN;
    widget.setGeometry(left, area.top(), width, std::min(hint.height(), area.height()));
  } else if (area.width() < NARROW_CHART_WIDTH) {
    const int height = std::min(std::max(hint.height(), area.height() / 2),
                                static_cast<int>(area.height() * SHEET_SHARE));
    widget.setGeometry(area.left(), area.bottom() + 1 - height, area.width(), height);
  } else {
    const int width = std::min(SIDE_WIDTH, area.width() - 2 * MARGIN);
    widget.setGeometry(area.right() + 1 - MARGIN - width, area.top() + MARGIN, width,
                       area.height() - 2 * MARGIN);
  }
  widget.raise();
}

class Follower : public QObject {
 public:
  Follower(QWidget& widget, QWidget& chart, OverlayPlace place)
      : QObject(&widget), widget(widget), chart(chart), place(place) {
    chart.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Resize) Place(widget, chart, place);
    return false;
  }

 private:
  QWidget& widget;
  QWidget& chart;
  const OverlayPlace place;
};

}  // namespace

void ShowOverChart(WindowHandle window, QWidget& widget, OverlayPlace place) {
  if (window == nullptr || window->chart == nullptr) return;
  widget.setParent(window, Qt::Widget);
  new Follower(widget, *window->chart, place);
  // Placed before it shows: a dialog not yet moved would centre itself as a window does.
  Place(widget, *window->chart, place);
  widget.show();
}

}  // namespace halvane
