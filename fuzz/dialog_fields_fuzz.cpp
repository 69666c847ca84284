// Fuzzes the configuration dialog's fields through the dialog itself: the input is up to
// twelve lines of UTF-8 text for the edits (longitude degrees, minutes, seconds, latitude
// degrees, minutes, seconds, day, month, year, hour, minute, second) and a thirteenth that
// checks "Use system time" when it starts with '1'. The text goes into the edits as it is
// (past the digits-only filter), OK is pressed through the real dialog procedure, Cancel when
// OK leaves the dialog open, and a frame is drawn with whatever was accepted.
#include <QCoreApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTimer>

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_chart.h"
#include "fuzz/fuzz_files.h"
#include "platform/dialog.h"
#include "platform/single_instance.h"
#include "platform/window_system.h"
#include "shell/config_dialog.h"
#include "shell/main_window.h"

namespace halvane {
namespace {

constexpr int FIELD_IDS[] = {1004, 1002, 1003, 1001, 1005, 1006,
                             1008, 1009, 1010, 1011, 1012, 1013};
constexpr int USE_SYSTEM_TIME_ID = 1007;

std::vector<std::string>& Lines() {
  static std::vector<std::string> lines;
  return lines;
}

// The one main window, started once against the fuzz folder under a private instance name.
std::unique_ptr<MainWindow>& OpenedWindow() {
  static std::unique_ptr<MainWindow> window;
  return window;
}

MainWindow& FuzzedWindow() {
  static MainWindow* window = [] {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "halvane-fuzz";
    static char* argv[] = {name, nullptr};
    // Kept to the end of the process: Qt's globals are gone by the time statics are freed.
    static WindowSystem* windowSystem = new WindowSystem(argc, argv);
    (void)windowSystem;
    SetInstanceScopeForTesting("fuzz-" + std::to_string(::getpid()));
    WriteSampleCatalogs();
    OpenedWindow() = InitInstance(SHOW_NORMAL, FuzzFolder());
    FuzzCheck(OpenedWindow()->hwnd != nullptr);
    return OpenedWindow().get();
  }();
  return *window;
}

void FillAndPressOk(DialogHandle dialog) {
  QDialog* widget = DialogWidget(dialog);
  const std::vector<std::string>& lines = Lines();
  for (size_t i = 0; i < std::size(FIELD_IDS) && i < lines.size(); ++i) {
    auto* edit = widget->findChild<QLineEdit*>(QString::number(FIELD_IDS[i]));
    FuzzCheck(edit != nullptr);
    edit->setText(QString::fromUtf8(lines[i].data(), static_cast<qsizetype>(lines[i].size())));
  }
  const bool useSystemTime =
      lines.size() > std::size(FIELD_IDS) && lines[std::size(FIELD_IDS)].rfind('1', 0) == 0;
  CheckDialogButton(dialog, USE_SYSTEM_TIME_ID, useSystemTime);
  const uintptr_t ok = MakeCommandParam(0, DIALOG_OK);
  if (!ConfigDialogProc(dialog, MESSAGE_COMMAND, ok, 0)) {
    ConfigDialogProc(dialog, MESSAGE_COMMAND, MakeCommandParam(0, DIALOG_CANCEL), 0);
  }
}

// Lets the dialog's own procedure initialise it, then fills it once its loop runs.
bool FuzzProcedure(DialogHandle dialog, uint32_t message, uintptr_t wParam, intptr_t lParam) {
  const bool handled = ConfigDialogProc(dialog, message, wParam, lParam);
  if (message == MESSAGE_INIT_DIALOG) {
    QTimer::singleShot(0, DialogWidget(dialog), [dialog] { FillAndPressOk(dialog); });
  }
  return handled;
}

}  // namespace
}  // namespace halvane

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace halvane;
  MainWindow& window = FuzzedWindow();
  std::vector<std::string>& lines = Lines();
  lines.clear();
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  size_t start = 0;
  while (start <= text.size() && lines.size() <= std::size(FIELD_IDS)) {
    const size_t end = std::min(text.find('\n', start), text.size());
    lines.emplace_back(text.substr(start, end - start));
    start = end + 1;
  }

  const int result = RunDialog(DIALOG_CONFIGURATION, window.hwnd, FuzzProcedure,
                               reinterpret_cast<intptr_t>(&window));
  // Qt makes globals of its own while the first dialog runs and frees them at exit before
  // the window system; the window must go before them.
  static const int teardown = std::atexit([] { OpenedWindow().reset(); });
  (void)teardown;
  FuzzCheck(result == DIALOG_OK || result == DIALOG_CANCEL);
  FuzzCheck(std::isfinite(window.GetObserver().GetLongitude()) &&
            std::isfinite(window.GetObserver().GetLatitude()));
  // A frame with the new settings, drawn the way the window draws it.
  window.RequestRender();
  QCoreApplication::processEvents();
  return 0;
}
