// The ends of the program that do not come through its window: SIGTERM, SIGHUP and SIGINT (a
// logout, a closed terminal, a system shutting down), and an exit() from inside the window
// system (Qt's X11 platform ends so when the display goes away).
#pragma once

#include <csignal>
#include <functional>
#include <memory>

class QSocketNotifier;

namespace halvane {

// Made first in main, before any thread starts, so that every thread leaves the three signals
// to it; they then arrive on a descriptor the event loop watches, and nothing runs in a
// handler. Once QuitOnSignals is called, each one ends every running event loop, so that main
// returns and the settings are saved as after a close. The mask is restored on destruction.
class EndSignals {
 public:
  EndSignals();
  ~EndSignals();
  EndSignals(const EndSignals&) = delete;
  EndSignals& operator=(const EndSignals&) = delete;

  // Needs the window system.
  void QuitOnSignals();

 private:
  int fd = -1;
  sigset_t previousMask{};
  std::unique_ptr<QSocketNotifier> notifier;
};

// Calls save if the program is ended by exit() before save is replaced or cleared (nullptr).
void SaveAtUnexpectedExit(std::function<void()> save);

}  // namespace halvane
