// The program entry: one window, the window system's event loop as the message loop.
#include <iostream>
#include <string>
#include <vector>

#include "platform/end_signals.h"
#include "platform/window_system.h"
#include "shell/app_arguments.h"
#include "shell/main_window.h"

namespace {

constexpr int EXIT_ARGUMENTS = 2;

}  // namespace

int main(int argc, char** argv) {
  // Before Qt starts its threads, so that none of them takes a signal meant for the loop.
  halvane::EndSignals endSignals;
  // Qt takes its own options out of argv first.
  const halvane::WindowSystem windowSystem(argc, argv);
  endSignals.QuitOnSignals();
  halvane::AppArguments arguments;
  std::string error;
  if (!halvane::ParseAppArguments(std::vector<std::string>(argv + 1, argv + argc), arguments,
                                  error)) {
    std::cerr << "halvane: " << error << '\n';
    return EXIT_ARGUMENTS;
  }
  const std::unique_ptr<halvane::MainWindow> window = halvane::InitInstance(halvane::SHOW_NORMAL);
  // A second copy made no window: it has brought the first forward and ends here.
  if (window->hwnd == nullptr) return 0;
  if (!arguments.positionSource.empty()) {
    window->GetExtension().positionSource = arguments.positionSource;
  }
  // Without settings the place is only the built-in one: ask for the user's.
  if (window->IsFirstStart()) {
    halvane::SendWindowMessage(window->hwnd, halvane::MESSAGE_COMMAND,
                               halvane::MakeCommandParam(0, halvane::COMMAND_CONFIGURE), 0);
  }
  return halvane::RunMessageLoop();
}
