// The program entry: one window, the window system's event loop as the message loop.
#include "platform/window_system.h"
#include "shell/main_window.h"

int main(int argc, char** argv) {
  const halvane::WindowSystem windowSystem(argc, argv);
  const std::unique_ptr<halvane::MainWindow> window = halvane::InitInstance(halvane::SHOW_NORMAL);
  // A second copy made no window: it has brought the first forward and ends here.
  if (window->hwnd == nullptr) return 0;
  return halvane::RunMessageLoop();
}
