// The Qt widgets behind a window handle: a top-level widget holding the chart area and, once
// the menu bar is built, the bar below it. Private to platform/.
#pragma once

#include <QImage>
#include <QRect>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>
#include <memory>

#include "platform/image_surface.h"
#include "platform/window_system.h"

namespace halvane {

class NativeWindow;

// The client area: shows the composed image and turns input into messages.
class ChartArea : public QWidget {
  Q_OBJECT
 public:
  ChartArea(NativeWindow& owner, int32_t width, int32_t height);
  QSize sizeHint() const override { return initialSize; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  // Tab and Backtab stay with the chart: nothing else in the window takes keys.
  bool focusNextPrevChild(bool) override { return false; }
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  bool event(QEvent* event) override;

 private:
  // Adds a pinch's scale factor and a turn's degrees, and sends the whole steps they make.
  void Pinch(double scaleFactor);
  void Turn(double degrees);
  void EndGesture();

  NativeWindow& owner;
  // Runs out when a press stays put: the long press.
  QTimer holdTimer;
  QPoint pressPoint;
  QSize initialSize;
  // What the wheel and the gestures have moved since their last whole step.
  int32_t wheelRest = 0;
  double pinchRest = 0.0;  // doublings
  double turnRest = 0.0;   // degrees
};

// The screen surface: the composed image. A fill pushes to the screen at once whatever was
// drawn since the last push, so that the progress strip shows while a frame is drawn, over
// the splash or the previous frame.
class ScreenSurface : public Surface {
 public:
  explicit ScreenSurface(NativeWindow& owner) : owner(owner) {}
  // Nothing drawn so far needs a push: the whole chart is about to be shown.
  void MarkShown() { changed = QRect(); }
  void FillRect(const Rect& rect, StockBrush brush) override;
  void SelectPen(Color color) override;
  void SetTextColor(Color color) override;
  void SetTransparentBackground() override;
  void Polyline(const Point* points, int32_t count) override;
  void DrawText(std::u16string_view text, const Rect& rect, uint32_t flags) override;
  void Blit(int32_t x, int32_t y, int32_t width, int32_t height, const Bitmap& source,
            int32_t sourceX, int32_t sourceY, RasterOp op) override;
  void FillArea(std::string_view kind, const Point* points, int32_t count, Color color) override;
  TextSize MeasureText(std::u16string_view text) const override;
  void Ellipse(Point centre, int32_t radiusX, int32_t radiusY, int32_t angleDegrees,
               bool dotted) override;
  void FillPolygon(const Point* points, const int32_t* counts, int32_t rings, Color color) override;

 private:
  void Touch(const QRect& area) {
    if (area.isValid()) changed |= area;
  }

  NativeWindow& owner;
  QRect changed;  // drawn on the composed image, not yet pushed to the screen
};

class NativeWindow : public QWidget {
  Q_OBJECT
 public:
  NativeWindow(WindowProcedure procedure, void* context, int32_t clientWidth, int32_t clientHeight);

  intptr_t Send(uint32_t message, uintptr_t wParam, intptr_t lParam);
  // Sends a message behind a Qt event; true when the procedure left it to default processing.
  bool SendLeavingDefault(uint32_t message, uintptr_t wParam, intptr_t lParam);
  void RequestDefault() { defaultRequested = true; }

  void Invalidate();
  void DeliverPaint();
  void Destroy();
  void AddBottomBar(QWidget* bar);
  QWidget* BottomBar() const { return bottomBar; }
  void* Context() const { return context; }
  // One timer per window: the timer message after milliseconds, once.
  void StartTimer(int32_t milliseconds);
  void StopTimer();

  ChartArea* chart = nullptr;
  // The composed picture the chart area shows; resized with the chart area.
  std::unique_ptr<ImageSurface> composed;
  ScreenSurface screenSurface{*this};
  bool IsExposed() const;

  int foregroundRequests = 0;
  // While set, a due paint is kept for later instead of delivered.
  bool paintsSuspended = false;
  bool destroyed = false;

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool event(QEvent* event) override;

 private:
  WindowProcedure procedure;
  void* context;
  QTimer* timer = nullptr;
  QVBoxLayout* layout = nullptr;
  QWidget* bottomBar = nullptr;
  bool paintPending = false;
  bool defaultRequested = false;
};

}  // namespace halvane
