// Saving the settings at exit, where a failure is told to the user rather than lost.
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/app_paths.h"
#include "platform/message_box.h"
#include "platform/printable_text.h"
#include "shell/main_window.h"

namespace halvane {

void MainWindow::SaveSettings() {
  for (;;) {
    errno = 0;
    if (MakeConfigFolder(configPath) && SaveConfig(configPath, config, extension)) return;
    const std::string reason = errno != 0 ? std::strerror(errno) : "the folder cannot be made";
    std::fprintf(stderr, "halvane: the settings could not be saved to %s: %s\n",
                 PrintableText(configPath).c_str(), reason.c_str());
    const std::string text = "The settings could not be saved to\n" + configPath + "\n(" + reason +
                             ").\n\nFree some space or make the folder writable, " +
                             "then try again.";
    if (AskRetry(windowDestroyed ? nullptr : hwnd, "Halvane", text, "Close without saving") !=
        MessageBoxAnswer::Retry) {
      return;
    }
  }
}

}  // namespace halvane
