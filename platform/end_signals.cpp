// Signals read from a signalfd under a QSocketNotifier, and the exit hook.
#include "platform/end_signals.h"

#include <sys/signalfd.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cstdlib>

#include "platform/window_system.h"

namespace halvane {

namespace {

sigset_t EndingSignals() {
  sigset_t set;
  sigemptyset(&set);
  sigaddset(&set, SIGTERM);
  sigaddset(&set, SIGHUP);
  sigaddset(&set, SIGINT);
  return set;
}

struct ExitHook {
  std::function<void()> save;
  bool registered = false;
};

ExitHook& TheExitHook() {
  static ExitHook hook;
  return hook;
}

void RunExitHook() {
  // Taken out first: a save that itself ends the program does not come back here.
  const std::function<void()> save = std::move(TheExitHook().save);
  TheExitHook().save = nullptr;
  if (save) save();
}

}  // namespace

EndSignals::EndSignals() {
  const sigset_t set = EndingSignals();
  if (::pthread_sigmask(SIG_BLOCK, &set, &previousMask) != 0) return;
  fd = ::signalfd(-1, &set, SFD_NONBLOCK | SFD_CLOEXEC);
  if (fd < 0) ::pthread_sigmask(SIG_SETMASK, &previousMask, nullptr);
}

EndSignals::~EndSignals() {
  notifier.reset();
  if (fd < 0) return;
  ::close(fd);
  ::pthread_sigmask(SIG_SETMASK, &previousMask, nullptr);
}

void EndSignals::QuitOnSignals() {
  if (fd < 0 || notifier != nullptr) return;
  notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
  const int descriptor = fd;
  QObject::connect(notifier.get(), &QSocketNotifier::activated, notifier.get(), [descriptor] {
    signalfd_siginfo received{};
    bool any = false;
    while (::read(descriptor, &received, sizeof received) == sizeof received) any = true;
    if (any) EndMessageLoops(0);
  });
}

void SaveAtUnexpectedExit(std::function<void()> save) {
  ExitHook& hook = TheExitHook();
  hook.save = std::move(save);
  if (hook.save && !hook.registered) hook.registered = std::atexit(RunExitHook) == 0;
}

}  // namespace halvane
