// Saving the settings: at exit, where a failure is told to the user rather than lost, a few
// seconds after each change, and when the program is ended without returning from its loop.
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "catalog/data_file.h"
#include "platform/app_paths.h"
#include "platform/end_signals.h"
#include "platform/message_box.h"
#include "platform/printable_text.h"
#include "platform/translate.h"
#include "shell/main_window.h"

namespace halvane {

namespace {

// Long enough that a burst of changes is one save, short enough that a kill loses little.
constexpr int32_t SAVE_DELAY_MS = 3000;
// Where the record's time lies in the file.
constexpr size_t TIME_AT = HEADER_SIZE + 20;
constexpr size_t TIME_BYTES = 16;

// The clock's time is no setting: left out, it does not make every minute a change.
std::vector<uint8_t> WithoutClockTime(std::vector<uint8_t> bytes, bool clock) {
  if (clock && bytes.size() >= TIME_AT + TIME_BYTES) {
    std::fill_n(bytes.begin() + TIME_AT, TIME_BYTES, 0);
  }
  return bytes;
}

}  // namespace

std::vector<uint8_t> MainWindow::CurrentSettings(bool withPlacement) {
  config.longitude = observer->GetLongitude();
  config.latitude = observer->GetLatitude();
  config.layerFlags = chart->GetLayers().LayerFlags();
  extension.viewLayerFlags = chart->GetLayers().ViewLayerFlags();
  if (withPlacement && !windowDestroyed && hwnd != nullptr) {
    const WindowPlacement placement = GetAppWindowPlacement(hwnd);
    if (placement.known) {
      extension.window = WindowGeometry{true,        placement.maximised, placement.x,
                                        placement.y, placement.width,     placement.height};
    }
  }
  return EncodeConfig(config, extension);
}

bool MainWindow::WriteSettings(bool withPlacement) {
  const std::vector<uint8_t> ours = CurrentSettings(withPlacement);
  if (!MakeConfigFolder(configPath)) return false;
  // Another window (on another display) may have saved since this one read the file.
  const std::vector<uint8_t> merged = MergeConfig(savedSettings, ours, ReadConfigBytes(configPath));
  if (!SaveConfigBytes(configPath, merged)) return false;
  savedSettings = ours;
  return true;
}

void MainWindow::SaveSettingsQuietly(bool withPlacement) {
  if (saveTimer != nullptr) saveTimer->Stop();
  errno = 0;
  if (WriteSettings(withPlacement)) return;
  const std::string reason =
      errno != 0 ? std::strerror(errno) : Words::Tr("the folder cannot be made");
  std::fprintf(stderr, "halvane: the settings could not be saved to %s: %s\n",
               PrintableText(configPath, ECHOED_VALUE_BYTES).c_str(), reason.c_str());
}

void MainWindow::WatchSettings(const std::string& loadedPath) {
  // What the file held: a value corrected at load counts as this window's change.
  savedSettings = ReadConfigBytes(loadedPath);
  if (savedSettings.empty()) savedSettings = CurrentSettings(false);
  saveTimer = std::make_unique<RepeatingTimer>([this] { SaveSettingsQuietly(true); });
  // Qt's X11 platform ends the program with exit() when the display goes away: the window's
  // place is then not asked of it.
  SaveAtUnexpectedExit([this] {
    SaveSettingsQuietly(false);
    session.Release();
  });
}

void MainWindow::OnMessageHandled() {
  if (saveTimer == nullptr || windowDestroyed || saveTimer->IsRunning()) return;
  const bool clock = config.useSystemTime != 0;
  if (WithoutClockTime(CurrentSettings(false), clock) != WithoutClockTime(savedSettings, clock)) {
    saveTimer->Start(SAVE_DELAY_MS);
  }
}

void MainWindow::SaveSettings() {
  SaveAtUnexpectedExit(nullptr);
  if (saveTimer != nullptr) saveTimer->Stop();
  for (;;) {
    errno = 0;
    if (WriteSettings(true)) return;
    const std::string reason =
        errno != 0 ? std::strerror(errno) : Words::Tr("the folder cannot be made");
    std::fprintf(stderr, "halvane: the settings could not be saved to %s: %s\n",
                 PrintableText(configPath, ECHOED_VALUE_BYTES).c_str(), reason.c_str());
    //: %1 is the settings file, %2 the system's reason
    const std::string text = FillArgs(Words::Tr("The settings could not be saved to\n%1\n(%2).\n\n"
                                                "Free some space or make the folder writable, "
                                                "then try again."),
                                      {configPath, reason});
    if (AskRetry(windowDestroyed ? nullptr : hwnd, "Halvane", text,
                 Words::Tr("Close without saving")) != MessageBoxAnswer::Retry) {
      return;
    }
  }
}

}  // namespace halvane
