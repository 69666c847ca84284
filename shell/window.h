// Window: the small base class that turns the window system's messages into calls of one
// virtual handler per message kind, with the parameters unpacked.
#pragma once

#include <cstdint>
#include <string>

#include "platform/single_instance.h"
#include "platform/window_system.h"

namespace halvane {

// How the window is made: the program's way by default; tests and the shell probe run beside
// other copies and measure on the handheld's chart.
struct WindowOptions {
  // A suffix to the single-instance rendezvous' name, so that copies side by side do not meet.
  std::string instanceScope;
  // Without a remembered place the window keeps the size it was created with.
  bool keepCreatedSize = false;
};

class Window {
 public:
  explicit Window(const WindowOptions& options = {}) : session(options.instanceScope) {}
  // Gives up the session (after a derived window has saved what it keeps).
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // Fills the client area with the gray stock brush.
  virtual void OnDraw(Surface& screen);
  // Claims the session, then makes the window, whose messages come to this object's handlers;
  // hwnd stays null when another copy owns the session.
  virtual void Create(const std::string& className, const std::string& title);
  // Begins painting, calls OnDraw with the screen surface, ends painting.
  virtual void OnPaint();
  virtual void OnKeyDown(uintptr_t virtualKey, intptr_t lParam);
  virtual void OnChar(char16_t character, intptr_t lParam);
  virtual void OnCreate(intptr_t creationData);
  // Posts the quit message with exit code 0.
  virtual void OnDestroy();
  virtual void OnCommand(uint16_t notification, uint16_t command, intptr_t control);
  // Stylus handlers get client pixels, signed.
  virtual void OnStylusDown(uintptr_t wParam, int32_t x, int32_t y);
  virtual void OnStylusUp(uintptr_t wParam, int32_t x, int32_t y);
  virtual void OnSetCursor(uintptr_t wParam, uint16_t hitTest, uint16_t mouseMessage);
  virtual void OnStylusMove(uintptr_t wParam, int32_t x, int32_t y);
  // The stylus went down at (x, y) and has been held there (a long press).
  virtual void OnStylusHold(int32_t x, int32_t y);
  // keys: WHEEL_SHIFT and WHEEL_CONTROL; distance: signed, whole WHEEL_NOTCHes.
  virtual void OnMouseWheel(uintptr_t keys, int32_t distance);
  // kind: GESTURE_ZOOM or GESTURE_ROTATE; steps: signed whole steps.
  virtual void OnGesture(uintptr_t kind, int32_t steps);
  // The window's timer (StartWindowTimer) ran out.
  virtual void OnTimer();
  // After each message the window handled itself.
  virtual void OnMessageHandled();

  // Shows the window and paints it at once.
  void Show(int showCode);

  // Forwards a message of this window to its handler (0), or to the default processing.
  intptr_t Dispatch(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam);

  WindowHandle hwnd = nullptr;

 protected:
  // This copy's claim on the session, held while the window lives.
  SessionClaim session;

  // The procedure of every Window: the message goes to the object the window was made for.
  static intptr_t Procedure(WindowHandle window, uint32_t message, uintptr_t wParam,
                            intptr_t lParam);

  // The chart size the window opens with.
  static constexpr int32_t INITIAL_CLIENT_WIDTH = 240;
  static constexpr int32_t INITIAL_CLIENT_HEIGHT = 294;
};

}  // namespace halvane
