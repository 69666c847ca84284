// The window system that the shell runs on: top-level windows whose Qt events arrive as the
// handheld's numbered messages at one window procedure, coalesced paint requests delivered
// from the event loop, the window's on-screen surface, off-screen buffers and the quit message.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/surface.h"

class QApplication;
class QWidget;

namespace halvane {

// Message numbers, with the handheld's values.
constexpr uint32_t MESSAGE_CREATE = 0x0001;
constexpr uint32_t MESSAGE_DESTROY = 0x0002;
constexpr uint32_t MESSAGE_SIZE = 0x0005;
constexpr uint32_t MESSAGE_PAINT = 0x000F;
constexpr uint32_t MESSAGE_CLOSE = 0x0010;
constexpr uint32_t MESSAGE_SET_CURSOR = 0x0020;
constexpr uint32_t MESSAGE_KEY_DOWN = 0x0100;
constexpr uint32_t MESSAGE_CHAR = 0x0102;
constexpr uint32_t MESSAGE_COMMAND = 0x0111;
constexpr uint32_t MESSAGE_TIMER = 0x0113;
constexpr uint32_t MESSAGE_GESTURE = 0x0119;
constexpr uint32_t MESSAGE_STYLUS_MOVE = 0x0200;
constexpr uint32_t MESSAGE_STYLUS_DOWN = 0x0201;
constexpr uint32_t MESSAGE_STYLUS_UP = 0x0202;
constexpr uint32_t MESSAGE_MOUSE_WHEEL = 0x020A;
// The stylus was held still where it went down for STYLUS_HOLD_MS; lParam the point.
constexpr uint32_t MESSAGE_STYLUS_HOLD = 0x02A1;

// Virtual key codes of the key-down message.
constexpr uintptr_t KEY_LEFT = 0x25;
constexpr uintptr_t KEY_UP = 0x26;
constexpr uintptr_t KEY_RIGHT = 0x27;
constexpr uintptr_t KEY_DOWN = 0x28;
constexpr uintptr_t KEY_ESCAPE = 0x1B;

// The stylus messages' wParam while the stylus touches the screen.
constexpr uintptr_t STYLUS_TOUCHING = 0x0001;
// How long a press must stay within DragStartDistance of its point to be a long press.
constexpr int32_t STYLUS_HOLD_MS = 500;
// The wheel message's wParam: the keys held in the low word, the signed distance in the high
// word, in whole notches of WHEEL_NOTCH (a touchpad's small steps are added up first).
constexpr uintptr_t WHEEL_SHIFT = 0x0004;
constexpr uintptr_t WHEEL_CONTROL = 0x0008;
constexpr int32_t WHEEL_NOTCH = 120;
// The gesture message's wParam says which, its lParam the signed number of whole steps: a zoom
// step for each doubling or halving of a pinch, a rotation step for each ROTATION_GESTURE_STEP
// degrees of a two-finger turn (positive clockwise).
constexpr uintptr_t GESTURE_ZOOM = 3;
constexpr uintptr_t GESTURE_ROTATE = 5;
constexpr double ROTATION_GESTURE_STEP = 15.0;
// The command that the accelerator table gives Alt+F4.
constexpr uint16_t COMMAND_CLOSE_ACCELERATOR = 18;
// Show codes.
constexpr int SHOW_NORMAL = 1;

class NativeWindow;
using WindowHandle = NativeWindow*;
using WindowProcedure = intptr_t (*)(WindowHandle window, uint32_t message, uintptr_t wParam,
                                     intptr_t lParam);

// Stylus positions travel in lParam as two signed 16-bit client coordinates, x low.
constexpr intptr_t PackPoint(int32_t x, int32_t y) {
  return static_cast<intptr_t>((static_cast<uint32_t>(static_cast<uint16_t>(x))) |
                               (static_cast<uint32_t>(static_cast<uint16_t>(y)) << 16));
}
constexpr int32_t PointX(intptr_t lParam) {
  return static_cast<int16_t>(static_cast<uint16_t>(lParam & 0xFFFF));
}
constexpr int32_t PointY(intptr_t lParam) {
  return static_cast<int16_t>(static_cast<uint16_t>((lParam >> 16) & 0xFFFF));
}
constexpr uintptr_t MakeCommandParam(uint16_t notification, uint16_t command) {
  return (uintptr_t{notification} << 16) | command;
}

// Creates a hidden top-level window with a chart area of clientWidth x clientHeight and sends
// it the create message before returning. Qt has no window classes: the class name only
// matters to the single-instance socket. context is the procedure's own (WindowContext).
WindowHandle CreateAppWindow(const std::string& className, const std::string& title,
                             WindowProcedure procedure, int32_t clientWidth, int32_t clientHeight,
                             void* context = nullptr);
// The context the window was created with.
void* WindowContext(WindowHandle window);
// The timer message, once, after milliseconds (at least 0); a new start replaces the old one.
void StartWindowTimer(WindowHandle window, int32_t milliseconds);
void StopWindowTimer(WindowHandle window);
// Sends the destroy message and deletes the window once control is back in the event loop.
// Safe to call from the window's own handlers; a second call does nothing.
void DestroyAppWindow(WindowHandle window);
// The window's title (UTF-8), as the window manager shows it.
void SetAppWindowTitle(WindowHandle window, const std::string& title);
std::string GetAppWindowTitle(WindowHandle window);
// Shows the window and delivers its pending paint at once.
void ShowAppWindow(WindowHandle window, int showCode);
// Where a top-level window is, in logical pixels without the decorations; a maximised window
// keeps its normal geometry here.
struct WindowPlacement {
  bool known = false;
  bool maximised = false;
  int32_t x = 0;
  int32_t y = 0;
  int32_t width = 0;
  int32_t height = 0;
};
// Screens narrower than this, in logical pixels, are phones: the window takes the whole screen.
constexpr int32_t PHONE_SCREEN_WIDTH = 720;
// The smallest chart a remembered window size may give: the handheld's.
constexpr int32_t MIN_CHART_WIDTH = 240;
constexpr int32_t MIN_CHART_HEIGHT = 294;
// Places a window before it is first shown: maximised on a phone; else where it was when it is
// known and still on a screen, its size brought within the smallest chart and the screen;
// else, unless keepCreatedSize, with a chart of about two thirds of the screen's height,
// shaped as the screen.
void PlaceAppWindow(WindowHandle window, const WindowPlacement& remembered, bool keepCreatedSize);
// Where the window is now.
WindowPlacement GetAppWindowPlacement(WindowHandle window);
// Brings the window to the foreground.
void BringToForeground(WindowHandle window);

// How far, in client pixels, a press must travel before it counts as a drag.
int32_t DragStartDistance();

// The chart area in client pixels (the window's client area above the menu bar). Client
// pixels are logical: on a HiDPI screen each holds PixelRatio device pixels.
Rect ClientRect(WindowHandle window);
double PixelRatio(WindowHandle window);

// Asks for one paint message; any number of requests before it is delivered give one paint.
void InvalidateWindow(WindowHandle window);
// Delivers a pending paint message now.
void UpdateWindow(WindowHandle window);
// The surface of the window's on-screen image, valid between BeginPaint and EndPaint. A fill
// on it reaches the screen at once (the progress strip); everything else at EndPaint.
Surface& BeginPaint(WindowHandle window);
void EndPaint(WindowHandle window);

// What the window procedure returns for a message it leaves alone: the close message destroys
// the window, a paint is validated, a Qt event behind the message gets Qt's own handling.
intptr_t DefaultWindowProcedure(WindowHandle window, uint32_t message, uintptr_t wParam,
                                intptr_t lParam);
// Sends a message to the window's procedure and returns its result.
intptr_t SendWindowMessage(WindowHandle window, uint32_t message, uintptr_t wParam,
                           intptr_t lParam);

// The window system for the life of the program: the Qt application with the program's name
// and icon. Exactly one exists while windows do.
class WindowSystem {
 public:
  WindowSystem(int& argc, char** argv);
  ~WindowSystem();
  WindowSystem(const WindowSystem&) = delete;
  WindowSystem& operator=(const WindowSystem&) = delete;

 private:
  std::unique_ptr<QApplication> application;
};

// Ends the message loop with exitCode once control is back in it.
void PostQuit(int exitCode);
// Ends every running message loop, the nested ones of open boxes included, at once; before
// the message loop runs, the next one ends at once with exitCode.
void EndMessageLoops(int exitCode);
// Runs the message loop until the quit message; returns its exit code.
int RunMessageLoop();

// An off-screen picture that can be drawn on and copied to another surface.
class OffscreenBuffer {
 public:
  virtual ~OffscreenBuffer() = default;
  virtual Surface& GetSurface() = 0;
  virtual const Bitmap& GetBitmap() = 0;
  virtual int32_t Width() const = 0;
  virtual int32_t Height() const = 0;
  // Device pixels per pixel of the size above.
  virtual double Scale() const = 0;
};
// A black buffer of the given size (empty for sizes below 1), drawn at scale device pixels per
// pixel.
std::unique_ptr<OffscreenBuffer> CreateOffscreenBuffer(int32_t width, int32_t height,
                                                       double scale = 1.0);

// For tests: the Qt widget of the chart area (where keys and stylus events go), the top-level
// widget, and the colour of a pixel of the on-screen image (0x00BBGGRR).
QWidget* ChartWidget(WindowHandle window);
QWidget* TopLevelWidget(WindowHandle window);
Color ScreenPixel(WindowHandle window, int32_t x, int32_t y);
// The number of times the window was brought to the foreground by BringToForeground.
int ForegroundRequests(WindowHandle window);

}  // namespace halvane
