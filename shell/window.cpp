// The message dispatch of Window and its base handlers.
#include "shell/window.h"

namespace halvane {

Window::~Window() = default;

void Window::OnDraw(Surface& screen) { screen.FillRect(ClientRect(hwnd), StockBrush::Gray); }

void Window::Create(const std::string& className, const std::string& title) {
  if (session.Claim(className, title) == InstanceClaim::Elsewhere) return;
  // The create message arrives inside this call and stores the handle through Dispatch.
  const WindowHandle window = CreateAppWindow(className, title, Procedure, INITIAL_CLIENT_WIDTH,
                                              INITIAL_CLIENT_HEIGHT, this);
  hwnd = window;
  session.ListenForLaterInstances(window);
}

void Window::OnPaint() {
  Surface& screen = BeginPaint(hwnd);
  OnDraw(screen);
  EndPaint(hwnd);
}

void Window::OnKeyDown(uintptr_t, intptr_t) {}
void Window::OnChar(char16_t, intptr_t) {}
void Window::OnCreate(intptr_t) {}
void Window::OnDestroy() { PostQuit(0); }
void Window::OnCommand(uint16_t, uint16_t, intptr_t) {}
void Window::OnStylusDown(uintptr_t, int32_t, int32_t) {}
void Window::OnStylusUp(uintptr_t, int32_t, int32_t) {}
void Window::OnSetCursor(uintptr_t, uint16_t, uint16_t) {}
void Window::OnStylusMove(uintptr_t, int32_t, int32_t) {}
void Window::OnStylusHold(int32_t, int32_t) {}
void Window::OnMouseWheel(uintptr_t, int32_t) {}
void Window::OnGesture(uintptr_t, int32_t) {}
void Window::OnTimer() {}
void Window::OnMessageHandled() {}

intptr_t Window::Procedure(WindowHandle window, uint32_t message, uintptr_t wParam,
                           intptr_t lParam) {
  auto* self = static_cast<Window*>(WindowContext(window));
  if (self == nullptr) return DefaultWindowProcedure(window, message, wParam, lParam);
  return self->Dispatch(window, message, wParam, lParam);
}

void Window::Show(int showCode) { ShowAppWindow(hwnd, showCode); }

intptr_t Window::Dispatch(WindowHandle window, uint32_t message, uintptr_t wParam,
                          intptr_t lParam) {
  // Messages sent while the window is being created come before its handle is returned.
  if (hwnd == nullptr) hwnd = window;
  if (window != hwnd) return 0;
  const auto low = static_cast<uint16_t>(wParam & 0xFFFF);
  const auto high = static_cast<uint16_t>((wParam >> 16) & 0xFFFF);
  switch (message) {
    case MESSAGE_PAINT: OnPaint(); break;
    case MESSAGE_KEY_DOWN: OnKeyDown(wParam, lParam); break;
    case MESSAGE_CHAR: OnChar(static_cast<char16_t>(low), lParam); break;
    case MESSAGE_CREATE: OnCreate(lParam); break;
    case MESSAGE_DESTROY: OnDestroy(); break;
    case MESSAGE_COMMAND: OnCommand(high, low, lParam); break;
    case MESSAGE_STYLUS_DOWN: OnStylusDown(wParam, PointX(lParam), PointY(lParam)); break;
    case MESSAGE_STYLUS_UP: OnStylusUp(wParam, PointX(lParam), PointY(lParam)); break;
    case MESSAGE_SET_CURSOR:
      OnSetCursor(wParam, static_cast<uint16_t>(lParam & 0xFFFF),
                  static_cast<uint16_t>((lParam >> 16) & 0xFFFF));
      break;
    case MESSAGE_STYLUS_MOVE: OnStylusMove(wParam, PointX(lParam), PointY(lParam)); break;
    case MESSAGE_STYLUS_HOLD: OnStylusHold(PointX(lParam), PointY(lParam)); break;
    case MESSAGE_MOUSE_WHEEL: OnMouseWheel(low, static_cast<int16_t>(high)); break;
    case MESSAGE_GESTURE: OnGesture(wParam, static_cast<int32_t>(lParam)); break;
    case MESSAGE_TIMER: OnTimer(); break;
    default: return DefaultWindowProcedure(window, message, wParam, lParam);
  }
  OnMessageHandled();
  return 0;
}

}  // namespace halvane
