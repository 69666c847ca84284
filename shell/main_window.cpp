// MainWindow's life: start-up, creation, the window procedure, shutdown.
#include "shell/main_window.h"

#include "platform/app_paths.h"
#include "platform/bitmaps.h"
#include "platform/files.h"
#include "platform/night_vision.h"

namespace halvane {

MainWindow* theMainWindow = nullptr;

namespace {

// Owns what theMainWindow points to.
std::unique_ptr<MainWindow>& MainWindowOwner() {
  static std::unique_ptr<MainWindow> owner;
  return owner;
}

}  // namespace

MainWindow::MainWindow(std::string dataFolder) : dataFolder(std::move(dataFolder)) {}

MainWindow::~MainWindow() {
  if (hwnd != nullptr && !windowDestroyed) DestroyAppWindow(hwnd);
  // A second copy made no observer and no view: it must leave Config.dat alone.
  if (observer != nullptr && chart != nullptr) {
    config.longitude = observer->GetLongitude();
    config.latitude = observer->GetLatitude();
    config.layerFlags = chart->GetLayers().LayerFlags();
    MakeConfigFolder(configPath);
    SaveConfig(configPath, config, extension);
  }
  chart.reset();
  observer.reset();
  navBoxBitmap.reset();
  backBuffer.reset();
}

void MainWindow::Create(const std::string& className, const std::string& title,
                        WindowProcedure procedure) {
  Window::Create(className, title, procedure);
  if (hwnd == nullptr) return;
  observer = std::make_unique<Observer>();

  // The box sits in the bottom-right corner of the chart, just above the menu bar.
  const Rect client = ClientRect(hwnd);
  navBoxX = client.right - NAV_BOX_WIDTH;
  navBoxY = client.bottom - NAV_BOX_HEIGHT;
  chart = std::make_unique<Chart>(client, observer.get(), LoadBitmap(BitmapId::StarSprites));

  const AppFiles files =
      dataFolder.empty() ? LocateAppFiles(ExecutableDirectory()) : AppFilesIn(dataFolder);
  configPath = files.configSavePath;
  catalogFolder = files.catalogFolder;
  chart->GetLayers().UseDataFolder(files.catalogFolder);

  LoadConfig(files.configLoadPath, config);
  LoadConfigExtension(files.configLoadPath, extension);
  observer->SetLocation(config.longitude, config.latitude);
  chart->GetLayers().ApplyLayerFlags(config.layerFlags);
  // Until Config.dat keeps the view layer flags: the deep sky shown, the Milky Way (whose
  // fill still turns inside out in some views) hidden.
  chart->GetLayers().ApplyViewLayerFlags(LAYER_MILKY_WAY_HIDDEN);
  chart->GetLayers().starLimitOffset = extension.starLimitOffset;
  if (extension.nightVision) SetNightVision(hwnd, true);
  SetCheckMarks();

  navBoxShown = false;
  penDownInNavBox = false;
  handMode = false;
  backBuffer.reset();
  navBoxBitmap = LoadBitmap(BitmapId::NavigationBox);
  ReadClock();
  UpdateMoment();
  needsRender = true;
}

void MainWindow::SetCheckMarks() {
  CheckMenuItem(menu, COMMAND_EQUATORIAL_GRID, chart->GetLayers().showEquatorialGrid);
  CheckMenuItem(menu, COMMAND_HORIZONTAL_GRID, chart->GetLayers().showHorizontalGrid);
  CheckMenuItem(menu, COMMAND_CONSTELLATION_LINES, chart->GetLayers().showConstellationLines);
  CheckMenuItem(menu, COMMAND_CONSTELLATION_BOUNDARIES,
                chart->GetLayers().showConstellationBoundaries);
  CheckMenuItem(menu, COMMAND_SOLAR_SYSTEM, chart->GetLayers().showSolarSystem);
  CheckMenuItem(menu, COMMAND_PRECISE_POSITIONS, chart->GetLayers().precisePositions);
  CheckMenuItem(menu, COMMAND_DEEP_SKY, chart->GetLayers().showDeepSky);
  CheckMenuItem(menu, COMMAND_MILKY_WAY, chart->GetLayers().showMilkyWay);
  CheckMenuItem(menu, COMMAND_NIGHT_VISION, extension.nightVision);
}

void MainWindow::UpdateMoment() {
  if (observer == nullptr || chart == nullptr) return;
  const bool precise = chart->GetLayers().precisePositions;
  if (moment.Matches(config.observationTime, observer->GetLongitude(), observer->GetLatitude(),
                     precise)) {
    return;
  }
  moment =
      Moment(config.observationTime, observer->GetLongitude(), observer->GetLatitude(), precise);
}

void MainWindow::RequestRender() {
  UpdateMoment();
  needsRender = true;
  InvalidateWindow(hwnd);
}

void MainWindow::RequestRepaint() { InvalidateWindow(hwnd); }

void MainWindow::ApplySettings(double longitude, double latitude, bool useSystemTime,
                               const SYSTEMTIME& fixedTime) {
  config.useSystemTime = useSystemTime ? 1 : 0;
  if (!useSystemTime) config.observationTime = fixedTime;
  ReadClock();
  observer->SetLocation(longitude, latitude);
  RequestRender();
}

intptr_t WindowProc(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
  if (theMainWindow == nullptr) return DefaultWindowProcedure(window, message, wParam, lParam);
  return theMainWindow->Dispatch(window, message, wParam, lParam);
}

bool InitInstance(int showCode, const std::string& dataFolder) {
  if (theMainWindow != nullptr) return true;
  MainWindowOwner() = std::make_unique<MainWindow>(dataFolder);
  theMainWindow = MainWindowOwner().get();
  theMainWindow->Create(WINDOW_CLASS_NAME, WINDOW_TITLE, WindowProc);
  if (theMainWindow->hwnd != nullptr) {
    const WindowGeometry& remembered = theMainWindow->GetExtension().window;
    PlaceAppWindow(theMainWindow->hwnd,
                   WindowPlacement{remembered.known, remembered.maximised, remembered.x,
                                   remembered.y, remembered.width, remembered.height});
    theMainWindow->Show(showCode);
  }
  return true;
}

void ExitInstance() {
  if (theMainWindow == nullptr) return;
  MainWindowOwner().reset();
  theMainWindow = nullptr;
}

}  // namespace halvane
