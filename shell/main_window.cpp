// MainWindow's life: start-up, creation, the window procedure, shutdown.
#include "shell/main_window.h"

#include <chrono>
#include <cstdio>

#include "catalog/minor_body_files.h"
#include "platform/app_paths.h"
#include "platform/bitmaps.h"
#include "platform/files.h"
#include "platform/finger_size.h"
#include "platform/night_vision.h"
#include "platform/single_instance.h"
#include "platform/translation.h"

namespace halvane {

namespace {

constexpr int32_t MILLISECONDS_PER_MINUTE = 60000;

// Config.dat and the catalogs: in dataFolder when given, else where the program finds them.
AppFiles FilesOf(const std::string& dataFolder) {
  return dataFolder.empty() ? LocateAppFiles(ExecutableDirectory()) : AppFilesIn(dataFolder);
}

}  // namespace

MainWindow::MainWindow(std::string dataFolder, std::shared_ptr<const Clock> clock,
                       const WindowOptions& options)
    : Window(options),
      dataFolder(std::move(dataFolder)),
      clock(clock != nullptr ? std::move(clock) : std::make_shared<const Clock>()) {}

MainWindow::~MainWindow() {
  if (hwnd != nullptr && !windowDestroyed) DestroyAppWindow(hwnd);
  // A second copy made no observer and no view: it must leave Config.dat alone.
  if (observer != nullptr && chart != nullptr) SaveSettings();
  saveTimer.reset();
  positionRequest.reset();
  chart.reset();
  observer.reset();
  backBuffer.reset();
}

void MainWindow::Create(const std::string& className, const std::string& title) {
  // The language before the window makes its menus: a change in Settings takes effect at the
  // next start.
  ConfigExtension saved;
  LoadConfigExtension(FilesOf(dataFolder).configLoadPath, saved);
  const std::string language = UseLanguage(saved.language);
  Window::Create(className, title);
  if (hwnd == nullptr) return;
  observer = std::make_unique<Observer>();

  // The box sits in the bottom-right corner of the chart, just above the menu bar.
  const Rect client = ClientRect(hwnd);
  navigationBox.Place(client, NAV_BOX_DESKTOP);
  chart = std::make_unique<Chart>(client, LoadBitmap(BitmapId::StarSprites));

  const AppFiles files = FilesOf(dataFolder);
  configPath = files.configSavePath;
  RemoveSaveLeftovers(configPath);
  catalogFolder = files.catalogFolder;
  chart->GetLayers().UseDataFolder(files.catalogFolder);
  chart->GetLayers().language = language;

  firstStart = !LoadConfig(files.configLoadPath, config);
  LoadConfigExtension(files.configLoadPath, extension);
  observer->SetLocation(config.longitude, config.latitude);
  ShowPlaceInTitle();
  chart->GetLayers().ApplyLayerFlags(config.layerFlags);
  chart->GetLayers().starLimitOffset = extension.starLimitOffset;
  chart->GetLayers().ApplyViewLayerFlags(extension.viewLayerFlags);
  chart->PrepareInBackground();
  for (const std::string& message : LoadMinorBodies())
    std::fprintf(stderr, "%s\n", message.c_str());
  if (extension.nightVision) SetNightVision(hwnd, true);
  SetCheckMarks();
  SetUpPointAtSky();
  SetUpWeeklyUpdates();
  WatchSettings(files.configLoadPath);

  backBuffer.reset();
  LoadSatellites();
  SetTimeFromClock();
  UpdateMoment();
  needsRender = true;
}

std::vector<std::string> MainWindow::LoadMinorBodies() {
  MinorBodyLoad load = LoadMinorBodyFolder(ElementCacheFolder());
  minorBodies = std::move(load.bodies);
  findPanel.ForgetSkyNames();  // Find's names point into the list
  UpdateMoment();
  UpdateMomentAndRender();
  return std::move(load.messages);
}

void MainWindow::UpdateMoment() {
  if (observer == nullptr || chart == nullptr) return;
  const bool precise = chart->GetLayers().precisePositions;
  if (moment.Matches(config.observationTime, *observer, precise) &&
      (minorBodies == nullptr || moment.GetMinorBodyList() == minorBodies)) {
    return;
  }
  moment = Moment(config.observationTime, *observer, precise, minorBodies);
  // With the clock, the next frame comes when the shown minute changes; a fixed time needs none.
  if (config.useSystemTime == 0) {
    StopWindowTimer(hwnd);
    return;
  }
  ArmMinuteTimer();
}

void MainWindow::ArmMinuteTimer() {
  const CalendarTime& now = config.observationTime;
  StartWindowTimer(hwnd, MILLISECONDS_PER_MINUTE - (now.second * 1000 + now.milliseconds));
}

void MainWindow::OnTimer() {
  SetTimeFromClock();
  // A clock that has not reached the next minute (held still, or the timer a little early)
  // gives the same frame: none is asked for, and the timer waits for the minute again.
  if (config.useSystemTime != 0 &&
      moment.Matches(config.observationTime, *observer, chart->GetLayers().precisePositions)) {
    ArmMinuteTimer();
  } else {
    UpdateMomentAndRender();
  }
  RefreshInfoPanel();
}

void MainWindow::UpdateMomentAndRender() {
  UpdateMoment();
  needsRender = true;
  InvalidateWindow(hwnd);
}

void MainWindow::RequestRepaint() { InvalidateWindow(hwnd); }

void MainWindow::ShowNavigationBoxWhenWide() {
  navigationBox.SetShown(!IsOnNarrowScreen(hwnd) &&
                         GetAppWindowPlacement(hwnd).width >= PHONE_SCREEN_WIDTH);
}

void MainWindow::ApplySettings(double longitude, double latitude, bool useSystemTime,
                               const CalendarTime& fixedTime) {
  config.useSystemTime = useSystemTime ? 1 : 0;
  if (!useSystemTime) config.observationTime = fixedTime;
  SetTimeFromClock();
  observer->SetLocation(longitude, latitude);
  placeGiven = true;
  placeNote.clear();
  ShowPlaceInTitle();
  UpdateMomentAndRender();
  RefreshInfoPanel();
}

std::unique_ptr<MainWindow> InitInstance(int showCode, const std::string& dataFolder,
                                         std::shared_ptr<const Clock> clock,
                                         const WindowOptions& options) {
  auto window = std::make_unique<MainWindow>(dataFolder, std::move(clock), options);
  window->Create(WINDOW_CLASS_NAME, WINDOW_TITLE);
  if (window->hwnd != nullptr) {
    const WindowGeometry& remembered = window->GetExtension().window;
    PlaceAppWindow(window->hwnd,
                   WindowPlacement{remembered.known, remembered.maximised, remembered.x,
                                   remembered.y, remembered.width, remembered.height},
                   options.keepCreatedSize);
    window->ShowNavigationBoxWhenWide();
    window->Show(showCode);
  }
  return window;
}

}  // namespace halvane
