// The program entry: one window, the window system's event loop as the message loop.
#include "platform/window_system.h"
#include "shell/main_window.h"

int main(int argc, char** argv) {
  const halvane::WindowSystem windowSystem(argc, argv);
  halvane::InitInstance(halvane::SHOW_NORMAL);
  // A second copy made no window: it has brought the first forward and ends here.
  if (halvane::theMainWindow == nullptr || halvane::theMainWindow->hwnd == nullptr) {
    halvane::ExitInstance();
    return 0;
  }
  const int exitCode = halvane::RunMessageLoop();
  halvane::ExitInstance();
  return exitCode;
}
