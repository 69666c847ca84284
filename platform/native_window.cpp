// The Qt widgets behind a window handle: events turned into messages, the composed image,
// coalesced paint requests.
#include "platform/native_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGestureEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QNativeGestureEvent>
#include <QPainter>
#include <QPointer>
#include <QWheelEvent>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/night_vision.h"
#include "platform/vector_state.h"

namespace halvane {

namespace {

// The posted paint message.
const QEvent::Type PAINT_REQUEST = static_cast<QEvent::Type>(QEvent::User + 15);

// Key-down parameters: repeat count 1, and bit 30 when the key was already down.
intptr_t KeyParam(const QKeyEvent& event) { return event.isAutoRepeat() ? (1 | (1 << 30)) : 1; }

// The virtual key code of a Qt key; 0 for keys the chart has no code for.
uintptr_t VirtualKey(int key) {
  switch (key) {
    case Qt::Key_Left: return KEY_LEFT;
    case Qt::Key_Up: return KEY_UP;
    case Qt::Key_Right: return KEY_RIGHT;
    case Qt::Key_Down: return KEY_DOWN;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 0x0D;
    case Qt::Key_Escape: return 0x1B;
    case Qt::Key_Space: return 0x20;
    case Qt::Key_Plus: return 0xBB;
    case Qt::Key_Minus: return 0xBD;
    default: break;
  }
  if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) {
    return static_cast<uintptr_t>(key);
  }
  if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
    return 0x70 + static_cast<uintptr_t>(key - Qt::Key_F1);
  return 0;
}

bool IsAcceleratorClose(const QKeyEvent& event) {
  return event.key() == Qt::Key_F4 && (event.modifiers() & Qt::AltModifier);
}

}  // namespace

// ChartArea

ChartArea::ChartArea(NativeWindow& owner, int32_t width, int32_t height)
    : QWidget(&owner), owner(owner), initialSize(width, height) {
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setMinimumSize(16, 16);
  setAttribute(Qt::WA_AcceptTouchEvents);
  grabGesture(Qt::PinchGesture);
  holdTimer.setSingleShot(true);
  holdTimer.setInterval(STYLUS_HOLD_MS);
  connect(&holdTimer, &QTimer::timeout, this, [this] {
    if (this->owner.destroyed) return;
    this->owner.Send(MESSAGE_STYLUS_HOLD, 0, PackPoint(pressPoint.x(), pressPoint.y()));
  });
}

void ChartArea::paintEvent(QPaintEvent* event) {
  // An exposure only shows the composed image again.
  QPainter painter(this);
  const QRect shown = event->rect();
  const double scale = owner.composed->Scale();
  const QRectF source(shown.x() * scale, shown.y() * scale, shown.width() * scale,
                      shown.height() * scale);
  if (IsNightVisionOn()) {
    // The progress strip shows before the frame's own pass.
    QImage part = owner.composed->Image().copy(source.toAlignedRect());
    ToNightVision(part);
    painter.drawImage(QRectF(shown), part);
    return;
  }
  painter.drawImage(QRectF(shown), owner.composed->Image(), source);
}

void ChartArea::resizeEvent(QResizeEvent*) {
  const double scale = devicePixelRatioF();
  if (owner.composed->Width() == width() && owner.composed->Height() == height() &&
      owner.composed->Scale() == scale) {
    return;
  }
  auto resized = std::make_unique<ImageSurface>(width(), height(), scale);
  {
    QPainter painter(&resized->Image());
    painter.drawImage(0, 0, owner.composed->Image());
  }
  owner.composed = std::move(resized);
  // The class redraws on resize: the window gets a paint message.
  owner.Invalidate();
}

void ChartArea::keyPressEvent(QKeyEvent* event) {
  if (IsAcceleratorClose(*event)) {
    owner.Send(MESSAGE_COMMAND, MakeCommandParam(1, COMMAND_CLOSE_ACCELERATOR), 0);
    return;
  }
  QPointer<ChartArea> alive(this);
  const uintptr_t key = VirtualKey(event->key());
  bool leftToDefault = true;
  if (key != 0) leftToDefault = owner.SendLeavingDefault(MESSAGE_KEY_DOWN, key, KeyParam(*event));
  // Ctrl with a letter also gives a control character, 1 for A to 26 for Z.
  const bool control = (event->modifiers() & Qt::ControlModifier) != 0 &&
                       (event->modifiers() & Qt::AltModifier) == 0;
  if (control && event->key() >= Qt::Key_A && event->key() <= Qt::Key_Z) {
    if (alive && !owner.destroyed) {
      owner.SendLeavingDefault(MESSAGE_CHAR, event->key() - Qt::Key_A + 1, KeyParam(*event));
    }
    return;
  }
  const QString text = event->text();
  for (const QChar unit : text) {
    if (!alive || owner.destroyed) return;
    if (!unit.isPrint()) continue;
    owner.SendLeavingDefault(MESSAGE_CHAR, unit.unicode(), KeyParam(*event));
  }
  if (alive && leftToDefault && key == 0 && text.isEmpty()) QWidget::keyPressEvent(event);
}

void ChartArea::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  const QPoint p = event->position().toPoint();
  pressPoint = p;
  holdTimer.start();
  owner.Send(MESSAGE_SET_CURSOR, 0, 1 | (MESSAGE_STYLUS_DOWN << 16));
  owner.Send(MESSAGE_STYLUS_DOWN, STYLUS_TOUCHING, PackPoint(p.x(), p.y()));
}

void ChartArea::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
  holdTimer.stop();
  const QPoint p = event->position().toPoint();
  owner.Send(MESSAGE_STYLUS_UP, 0, PackPoint(p.x(), p.y()));
}

void ChartArea::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  if ((p - pressPoint).manhattanLength() >= DragStartDistance()) holdTimer.stop();
  owner.Send(MESSAGE_SET_CURSOR, 0, 1 | (MESSAGE_STYLUS_MOVE << 16));
  owner.Send(MESSAGE_STYLUS_MOVE, (event->buttons() & Qt::LeftButton) ? STYLUS_TOUCHING : 0,
             PackPoint(p.x(), p.y()));
}

void ChartArea::wheelEvent(QWheelEvent* event) {
  // Shift turns a vertical wheel horizontal on some systems; either axis counts.
  QPoint delta = event->angleDelta();
  // A touchpad without angles: two pixels make an eighth of a degree, a notch per 60 pixels.
  if (delta.isNull()) delta = event->pixelDelta() * 2;
  wheelRest += delta.y() != 0 ? delta.y() : delta.x();
  const int32_t notches = std::clamp(wheelRest / WHEEL_NOTCH, -100, 100);
  wheelRest %= WHEEL_NOTCH;
  event->accept();
  if (notches == 0) return;
  uintptr_t keys = 0;
  if (event->modifiers() & Qt::ShiftModifier) keys |= WHEEL_SHIFT;
  if (event->modifiers() & Qt::ControlModifier) keys |= WHEEL_CONTROL;
  const auto distance = static_cast<uint16_t>(static_cast<int16_t>(notches * WHEEL_NOTCH));
  owner.Send(MESSAGE_MOUSE_WHEEL, (uintptr_t{distance} << 16) | keys, 0);
}

bool ChartArea::event(QEvent* event) {
  // On a screen of another pixel ratio the picture is made again at its resolution.
  if (event->type() == QEvent::ScreenChangeInternal) {
    const bool handled = QWidget::event(event);
    resizeEvent(nullptr);
    return handled;
  }
  if (event->type() == QEvent::NativeGesture) {
    const auto* gesture = static_cast<QNativeGestureEvent*>(event);
    switch (gesture->gestureType()) {
      case Qt::ZoomNativeGesture: Pinch(1.0 + gesture->value()); break;
      case Qt::RotateNativeGesture: Turn(gesture->value()); break;
      case Qt::BeginNativeGesture:
      case Qt::EndNativeGesture: EndGesture(); break;
      default: return QWidget::event(event);
    }
    return true;
  }
  if (event->type() == QEvent::Gesture) {
    auto* gestures = static_cast<QGestureEvent*>(event);
    auto* pinch = static_cast<QPinchGesture*>(gestures->gesture(Qt::PinchGesture));
    if (pinch == nullptr) return QWidget::event(event);
    if (pinch->state() == Qt::GestureStarted) EndGesture();
    Pinch(pinch->scaleFactor());
    Turn(pinch->rotationAngle() - pinch->lastRotationAngle());
    if (pinch->state() == Qt::GestureFinished || pinch->state() == Qt::GestureCanceled)
      EndGesture();
    gestures->accept(pinch);
    return true;
  }
  return QWidget::event(event);
}

void ChartArea::Pinch(double scaleFactor) {
  if (!(scaleFactor > 0.0) || !std::isfinite(scaleFactor)) return;
  pinchRest += std::log2(scaleFactor);
  const auto steps = static_cast<int32_t>(std::trunc(pinchRest));
  if (steps == 0) return;
  pinchRest -= steps;
  owner.Send(MESSAGE_GESTURE, GESTURE_ZOOM, steps);
}

void ChartArea::Turn(double degrees) {
  if (!std::isfinite(degrees)) return;
  turnRest += std::clamp(degrees, -360.0, 360.0);
  const auto steps = static_cast<int32_t>(std::trunc(turnRest / ROTATION_GESTURE_STEP));
  if (steps == 0) return;
  turnRest -= steps * ROTATION_GESTURE_STEP;
  owner.Send(MESSAGE_GESTURE, GESTURE_ROTATE, steps);
}

void ChartArea::EndGesture() {
  // A second finger makes a pinch of the press, never a long press.
  holdTimer.stop();
  pinchRest = 0.0;
  turnRest = 0.0;
}

// ScreenSurface

void ScreenSurface::Ellipse(Point centre, int32_t radiusX, int32_t radiusY, int32_t angleDegrees,
                            bool dotted) {
  owner.composed->Ellipse(centre, radiusX, radiusY, angleDegrees, dotted);
  Touch(owner.composed->Image().rect());
}
void ScreenSurface::FillPolygon(const Point* points, const int32_t* counts, int32_t rings,
                                Color color) {
  owner.composed->FillPolygon(points, counts, rings, color);
  Touch(owner.composed->Image().rect());
}

void ScreenSurface::FillRect(const Rect& rect, StockBrush brush) {
  owner.composed->FillRect(rect, brush);
  if (rect.right > rect.left && rect.bottom > rect.top) {
    Touch(QRect(rect.left, rect.top, rect.Width(), rect.Height()));
  }
  // Shown now, from outside Qt's painting: this is how the splash or the previous frame and
  // the progress strip over it reach the screen while the frame is still being drawn.
  const QRect shown = changed & owner.composed->Image().rect();
  if (owner.isVisible() && !shown.isEmpty()) {
    changed = QRect();
    owner.chart->repaint(shown);
    ClearUpperVectorState();
  }
}
void ScreenSurface::SelectPen(Color color) { owner.composed->SelectPen(color); }
void ScreenSurface::SetTextColor(Color color) { owner.composed->SetTextColor(color); }
void ScreenSurface::SetTransparentBackground() { owner.composed->SetTransparentBackground(); }
void ScreenSurface::Polyline(const Point* points, int32_t count) {
  owner.composed->Polyline(points, count);
  Touch(owner.composed->Image().rect());
}
void ScreenSurface::DrawText(std::u16string_view text, const Rect& rect, uint32_t flags) {
  owner.composed->DrawText(text, rect, flags);
  Touch(owner.composed->Image().rect());
}
void ScreenSurface::FillArea(std::string_view kind, const Point* points, int32_t count,
                             Color color) {
  owner.composed->FillArea(kind, points, count, color);
  Touch(owner.composed->Image().rect());
}
TextSize ScreenSurface::MeasureText(std::u16string_view text) const {
  return owner.composed->MeasureText(text);
}
void ScreenSurface::Blit(int32_t x, int32_t y, int32_t width, int32_t height, const Bitmap& source,
                         int32_t sourceX, int32_t sourceY, RasterOp op) {
  Touch(QRect(x, y, width, height));
  // Copying a whole picture (the back buffer every paint) goes by rows, not by pixels.
  const auto* picture = dynamic_cast<const ImageBitmap*>(&source);
  if (op != RasterOp::Copy || picture == nullptr || owner.composed->Scale() != 1.0 ||
      picture->Image().devicePixelRatio() != 1.0) {
    owner.composed->Blit(x, y, width, height, source, sourceX, sourceY, op);
    return;
  }
  QImage& target = owner.composed->Image();
  const QImage& from = picture->Image();
  const int64_t left = std::max<int64_t>({0, -int64_t{sourceX}, -int64_t{x}});
  const int64_t top = std::max<int64_t>({0, -int64_t{sourceY}, -int64_t{y}});
  const int64_t right =
      std::min<int64_t>({width, int64_t{from.width()} - sourceX, int64_t{target.width()} - x});
  const int64_t bottom =
      std::min<int64_t>({height, int64_t{from.height()} - sourceY, int64_t{target.height()} - y});
  if (left >= right || top >= bottom) return;
  const auto bytes = static_cast<size_t>(right - left) * sizeof(uint32_t);
  for (int64_t row = top; row < bottom; ++row) {
    const auto* in =
        reinterpret_cast<const uint32_t*>(from.constScanLine(static_cast<int>(sourceY + row)));
    auto* out = reinterpret_cast<uint32_t*>(target.scanLine(static_cast<int>(y + row)));
    std::memcpy(out + x + left, in + sourceX + left, bytes);
  }
}

// NativeWindow

NativeWindow::NativeWindow(WindowProcedure procedure, void* context, int32_t clientWidth,
                           int32_t clientHeight)
    : procedure(procedure), context(context) {
  setAttribute(Qt::WA_DeleteOnClose, false);
  layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  chart = new ChartArea(*this, clientWidth, clientHeight);
  composed = std::make_unique<ImageSurface>(clientWidth, clientHeight);
  chart->resize(clientWidth, clientHeight);
  layout->addWidget(chart, 1);
  setFocusProxy(chart);
}

intptr_t NativeWindow::Send(uint32_t message, uintptr_t wParam, intptr_t lParam) {
  // Every message leaves Qt for the chart here.
  ClearUpperVectorState();
  return procedure(this, message, wParam, lParam);
}

void NativeWindow::StartTimer(int32_t milliseconds) {
  if (timer == nullptr) {
    timer = new QTimer(this);
    timer->setSingleShot(true);
    timer->setTimerType(Qt::PreciseTimer);
    connect(timer, &QTimer::timeout, this, [this] { Send(MESSAGE_TIMER, 0, 0); });
  }
  timer->start(std::max(0, milliseconds));
}

void NativeWindow::StopTimer() {
  if (timer != nullptr) timer->stop();
}

bool NativeWindow::SendLeavingDefault(uint32_t message, uintptr_t wParam, intptr_t lParam) {
  defaultRequested = false;
  Send(message, wParam, lParam);
  const bool leftToDefault = defaultRequested;
  defaultRequested = false;
  return leftToDefault;
}

void NativeWindow::Invalidate() {
  if (paintPending || destroyed) return;
  paintPending = true;
  QCoreApplication::postEvent(this, new QEvent(PAINT_REQUEST));
}

bool NativeWindow::IsExposed() const {
  return windowHandle() != nullptr && windowHandle()->isExposed();
}

void NativeWindow::DeliverPaint() {
  if (!paintPending || destroyed || paintsSuspended) return;
  paintPending = false;
  Send(MESSAGE_PAINT, 0, 0);
}

void NativeWindow::Destroy() {
  if (destroyed) return;
  destroyed = true;
  Send(MESSAGE_DESTROY, 0, 0);
  hide();
  deleteLater();
}

void NativeWindow::AddBottomBar(QWidget* bar) {
  if (bottomBar != nullptr) {
    layout->removeWidget(bottomBar);
    bottomBar->deleteLater();
  }
  bottomBar = bar;
  if (bar != nullptr) layout->addWidget(bar, 0);
}

void NativeWindow::closeEvent(QCloseEvent* event) {
  // The window manager's close takes the same path as the exit command: the close message,
  // whose default processing destroys the window.
  event->ignore();
  if (!destroyed) Send(MESSAGE_CLOSE, 0, 0);
}

bool NativeWindow::event(QEvent* event) {
  if (event->type() == PAINT_REQUEST) {
    DeliverPaint();
    return true;
  }
  return QWidget::event(event);
}

}  // namespace halvane
