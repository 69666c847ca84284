// Qt widgets turned into the handheld's window system: events become numbered messages for
// the window procedure, paint requests are coalesced and delivered from the event loop.
#include "platform/window_system.h"

#include <fontconfig/fontconfig.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QVariant>
#include <algorithm>
#include <optional>
#include <thread>

#include "platform/deferred_icon_style.h"
#include "platform/native_window.h"
#include "platform/night_vision.h"
#include "platform/png_resource.h"
#include "platform/translation.h"

namespace halvane {

namespace {

// How long showing a window waits for the window system to put it on the screen.
constexpr qint64 EXPOSURE_WAIT_MS = 1000;

// Reads fontconfig's configuration on the second core while Qt starts on the first: the first
// text would otherwise wait as long for it.
class FontConfigReader {
 public:
  FontConfigReader() = default;
  FontConfigReader(const FontConfigReader&) = delete;
  FontConfigReader& operator=(const FontConfigReader&) = delete;
  ~FontConfigReader() { WaitForFontConfig(); }

  // Qt reads the configuration again itself if its first text comes before the reader is done.
  void WaitForFontConfig() {
    if (reader.joinable()) reader.join();
  }

 private:
  std::thread reader{[] { FcInit(); }};
};

// The reader, a base listed first, starts before Qt and ends after it.
class Application : private FontConfigReader, public QApplication {
 public:
  Application(int& argc, char** argv) : QApplication(argc, argv) {}
  using FontConfigReader::WaitForFontConfig;
};

// Before the first text: the window system's reader is done (tests make no such reader).
void WaitForFontConfig() {
  if (auto* application = dynamic_cast<Application*>(QCoreApplication::instance())) {
    application->WaitForFontConfig();
  }
}

}  // namespace

// The interface

WindowHandle CreateAppWindow(const std::string&, const std::string& title,
                             WindowProcedure procedure, int32_t clientWidth, int32_t clientHeight,
                             void* context) {
  auto* window = new NativeWindow(procedure, context, clientWidth, clientHeight);
  window->setWindowTitle(QString::fromStdString(title));
  window->Send(MESSAGE_CREATE, 0, 0);
  return window;
}

void* WindowContext(WindowHandle window) { return window != nullptr ? window->Context() : nullptr; }

void StartWindowTimer(WindowHandle window, int32_t milliseconds) {
  if (window != nullptr) window->StartTimer(milliseconds);
}

void StopWindowTimer(WindowHandle window) {
  if (window != nullptr) window->StopTimer();
}

void SetAppWindowTitle(WindowHandle window, const std::string& title) {
  if (window != nullptr) window->setWindowTitle(QString::fromStdString(title));
}

std::string GetAppWindowTitle(WindowHandle window) {
  return window == nullptr ? std::string() : window->windowTitle().toStdString();
}

void DestroyAppWindow(WindowHandle window) {
  if (window != nullptr) window->Destroy();
}

void ShowAppWindow(WindowHandle window, int) {
  // On a screen too small for the window it takes the whole screen.
  const QScreen* screen = window->screen();
  const QSize wanted = window->sizeHint();
  if (screen != nullptr && (wanted.width() > screen->availableGeometry().width() ||
                            wanted.height() > screen->availableGeometry().height())) {
    window->setGeometry(screen->availableGeometry());
    window->setWindowState(window->windowState() | Qt::WindowMaximized);
  }
  window->show();
  window->chart->setFocus();
  // The first paint shows the splash and the progress strip while the first frame is drawn,
  // so it waits until the window is on the screen. Paint requests keep till then.
  window->paintsSuspended = true;
  QElapsedTimer waited;
  waited.start();
  while (!window->IsExposed() && waited.elapsed() < EXPOSURE_WAIT_MS) {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
  }
  window->paintsSuspended = false;
  window->Invalidate();
  UpdateWindow(window);
}

void PlaceAppWindow(WindowHandle window, const WindowPlacement& remembered, bool keepCreatedSize) {
  WaitForFontConfig();  // the bar's size is the first text
  const QScreen* screen = window->screen();
  if (screen == nullptr) return;
  const QRect available = screen->availableGeometry();
  if (available.width() < PHONE_SCREEN_WIDTH) {
    window->setGeometry(available);
    window->setWindowState(window->windowState() | Qt::WindowMaximized);
    return;
  }
  const int barHeight =
      window->BottomBar() != nullptr ? window->BottomBar()->sizeHint().height() : 0;
  if (remembered.known) {
    // A stored size is only a wish: never less than the handheld's chart, never more than the
    // screen.
    const QSize smallest(MIN_CHART_WIDTH, MIN_CHART_HEIGHT + barHeight);
    const QSize size = QSize(remembered.width, remembered.height)
                           .expandedTo(smallest)
                           .boundedTo(available.size().expandedTo(smallest));
    QRect place(QPoint(remembered.x, remembered.y), size);
    // A screen that has gone since would leave the window out of reach.
    if (QGuiApplication::screenAt(place.center()) == nullptr) place.moveCenter(available.center());
    window->setGeometry(place.intersected(screen->virtualGeometry()));
    if (remembered.maximised) window->setWindowState(window->windowState() | Qt::WindowMaximized);
    return;
  }
  if (keepCreatedSize) return;
  const int chartHeight = available.height() * 2 / 3;
  const int chartWidth = std::min(
      available.width(), chartHeight * available.width() / std::max(1, available.height()));
  QRect place(0, 0, chartWidth, chartHeight + barHeight);
  place.moveCenter(available.center());
  window->setGeometry(place);
}

WindowPlacement GetAppWindowPlacement(WindowHandle window) {
  const bool maximised = window->isMaximized() || window->isFullScreen();
  const QRect normal = maximised ? window->normalGeometry() : window->geometry();
  WindowPlacement placement;
  placement.maximised = maximised;
  placement.known = normal.width() > 0 && normal.height() > 0;
  placement.x = normal.x();
  placement.y = normal.y();
  placement.width = normal.width();
  placement.height = normal.height();
  return placement;
}

void BringToForeground(WindowHandle window) {
  ++window->foregroundRequests;
  if (window->isMinimized()) window->showNormal();
  window->show();
  window->raise();
  window->activateWindow();
}

int32_t DragStartDistance() { return QApplication::startDragDistance(); }

Rect ClientRect(WindowHandle window) {
  return Rect{0, 0, window->composed->Width(), window->composed->Height()};
}

double PixelRatio(WindowHandle window) { return window->composed->Scale(); }

void InvalidateWindow(WindowHandle window) { window->Invalidate(); }

void UpdateWindow(WindowHandle window) { window->DeliverPaint(); }

Surface& BeginPaint(WindowHandle window) { return window->screenSurface; }

void EndPaint(WindowHandle window) {
  window->screenSurface.MarkShown();
  if (IsNightVisionOn()) ToNightVision(window->composed->Image());
  if (window->isVisible()) window->chart->update();
}

intptr_t DefaultWindowProcedure(WindowHandle window, uint32_t message, uintptr_t, intptr_t) {
  if (window == nullptr) return 0;
  if (message == MESSAGE_CLOSE) {
    window->Destroy();
    return 0;
  }
  window->RequestDefault();
  return 0;
}

intptr_t SendWindowMessage(WindowHandle window, uint32_t message, uintptr_t wParam,
                           intptr_t lParam) {
  return window->Send(message, wParam, lParam);
}

WindowSystem::WindowSystem(int& argc, char** argv)
    : application(std::make_unique<Application>(argc, argv)) {
  QApplication::setApplicationName("Halvane");
  // Wayland shells match the window to its desktop entry, and so to its icon, by this name.
  QApplication::setDesktopFileName("io.github.halvane.Halvane");
  // From an image: an icon made from the file name would find its format by asking every
  // image plugin, loading each.
  QApplication::setWindowIcon(
      QIcon(QPixmap::fromImage(ReadPngResource(QStringLiteral(":/icon.png")))));
  // Before any widget, so that none is polished twice.
  QApplication::setStyle(new DeferredIconStyle);
  UseQtTranslations();
}

WindowSystem::~WindowSystem() = default;

namespace {

// The quit message: posted into a running loop, or kept for the next loop to find at once.
// Both are the application's state, kept on it.
const char* const LOOP_RUNNING = "halvaneLoopRunning";
const char* const PENDING_QUIT = "halvanePendingQuit";  // the exit code, when one waits

bool IsLoopRunning() {
  const QCoreApplication* application = QCoreApplication::instance();
  return application != nullptr && application->property(LOOP_RUNNING).toBool();
}

void KeepQuit(int exitCode) {
  if (QCoreApplication* application = QCoreApplication::instance()) {
    application->setProperty(PENDING_QUIT, exitCode);
  }
}

}  // namespace

void PostQuit(int exitCode) {
  if (!IsLoopRunning()) {
    KeepQuit(exitCode);
    return;
  }
  QMetaObject::invokeMethod(
      QCoreApplication::instance(), [exitCode] { QCoreApplication::exit(exitCode); },
      Qt::QueuedConnection);
}

void EndMessageLoops(int exitCode) {
  if (!IsLoopRunning()) KeepQuit(exitCode);
  QCoreApplication::exit(exitCode);
}

int RunMessageLoop() {
  QCoreApplication* application = QCoreApplication::instance();
  const QVariant pending = application->property(PENDING_QUIT);
  if (pending.isValid()) {
    application->setProperty(PENDING_QUIT, QVariant());
    return pending.toInt();
  }
  application->setProperty(LOOP_RUNNING, true);
  const int exitCode = QApplication::exec();
  application->setProperty(LOOP_RUNNING, false);
  return exitCode;
}

namespace {

class ImageBuffer : public OffscreenBuffer {
 public:
  ImageBuffer(int32_t width, int32_t height, double scale) : surface(width, height, scale) {}
  Surface& GetSurface() override {
    bitmap.reset();  // drawing then works on unshared pixels, without a copy
    return surface;
  }
  const Bitmap& GetBitmap() override {
    // Shares the pixels until the surface is drawn on again.
    bitmap.emplace(surface.Image());
    return *bitmap;
  }
  int32_t Width() const override { return surface.Width(); }
  int32_t Height() const override { return surface.Height(); }
  double Scale() const override { return surface.Scale(); }

 private:
  ImageSurface surface;
  std::optional<ImageBitmap> bitmap;
};

}  // namespace

std::unique_ptr<OffscreenBuffer> CreateOffscreenBuffer(int32_t width, int32_t height,
                                                       double scale) {
  return std::make_unique<ImageBuffer>(width, height, scale);
}

QWidget* ChartWidget(WindowHandle window) { return window->chart; }
QWidget* TopLevelWidget(WindowHandle window) { return window; }
Color ScreenPixel(WindowHandle window, int32_t x, int32_t y) {
  return window->composed->PixelAt(x, y);
}
int ForegroundRequests(WindowHandle window) { return window->foregroundRequests; }

}  // namespace halvane
