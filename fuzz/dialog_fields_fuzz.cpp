// Fuzzes the configuration dialog's fields through its form: the input is up to twelve lines
// of UTF-8 text for the edits (longitude degrees, minutes, seconds, latitude degrees, minutes,
// seconds, day, month, year, hour, minute, second) and a thirteenth that checks "Use system
// time" when it starts with '1'. The text is typed as it is (past the dialog's digits-only
// filter), OK is pressed, and the window draws a frame with whatever was accepted.
#include <QCoreApplication>

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
#include "platform/window_system.h"
#include "shell/main_window.h"
#include "shell/settings_form.h"

namespace halvane {
namespace {

constexpr SettingsField FIELDS[] = {SettingsField::LongitudeDegrees,
                                    SettingsField::LongitudeMinutes,
                                    SettingsField::LongitudeSeconds,
                                    SettingsField::LatitudeDegrees,
                                    SettingsField::LatitudeMinutes,
                                    SettingsField::LatitudeSeconds,
                                    SettingsField::Day,
                                    SettingsField::Month,
                                    SettingsField::Year,
                                    SettingsField::Hour,
                                    SettingsField::Minute,
                                    SettingsField::Second};

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
    WriteSampleCatalogs();
    OpenedWindow() = InitInstance(SHOW_NORMAL, FuzzFolder(), nullptr,
                                  WindowOptions{"fuzz-" + std::to_string(::getpid()), false});
    FuzzCheck(OpenedWindow()->hwnd != nullptr);
    return OpenedWindow().get();
  }();
  return *window;
}

}  // namespace
}  // namespace halvane

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace halvane;
  MainWindow& window = FuzzedWindow();
  SettingsValues current;
  current.longitude = window.GetObserver().GetLongitude();
  current.latitude = window.GetObserver().GetLatitude();
  current.useClock = window.GetConfig().useSystemTime != 0;
  current.fixedTime = window.GetConfig().observationTime;
  SettingsForm form(window.GetCities(), window.GetClock(), current, window.GetPlaceZone(), false);
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  size_t start = 0;
  for (size_t field = 0; start <= text.size() && field <= std::size(FIELDS); ++field) {
    const size_t end = std::min(text.find('\n', start), text.size());
    const std::string line(text.substr(start, end - start));
    if (field < std::size(FIELDS)) {
      form.Type(FIELDS[field], line);
    } else {
      form.SetUseClock(line.rfind('1', 0) == 0);
    }
    start = end + 1;
  }
  // Qt makes globals of its own while the first frame is drawn and frees them at exit before
  // the window system; the window must go before them.
  static const int teardown = std::atexit([] { OpenedWindow().reset(); });
  (void)teardown;
  const SettingsCheck check = form.Accept();
  // A refusal always says why.
  FuzzCheck(!check.problem || !check.problem->message.empty());
  if (!check.problem) {
    const SettingsValues& v = check.values;
    FuzzCheck(std::isfinite(v.longitude) && std::fabs(v.longitude) <= 180.0 &&
              std::isfinite(v.latitude) && std::fabs(v.latitude) <= 90.0);
    window.ApplySettings(v.longitude, v.latitude, v.useClock, v.fixedTime);
  }
  // A frame with the new settings, drawn the way the window draws it.
  window.UpdateMomentAndRender();
  QCoreApplication::processEvents();
  return 0;
}
