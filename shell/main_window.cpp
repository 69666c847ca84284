// MainWindow's life: start-up, creation, the window procedure, shutdown.
#include "shell/main_window.h"

#include "platform/app_paths.h"
#include "platform/bitmaps.h"
#include "platform/files.h"

namespace halvane {

MainWindow* theMainWindow = nullptr;

namespace {

// Owns what theMainWindow points to.
std::unique_ptr<MainWindow>& MainWindowOwner() {
  static std::unique_ptr<MainWindow> owner;
  return owner;
}

uint16_t LayerFlagsOf(const SkyView& view) {
  uint16_t flags = 0;
  if (view.showEquatorialGrid) flags |= LAYER_EQUATORIAL_GRID;
  if (view.showHorizontalGrid) flags |= LAYER_HORIZONTAL_GRID;
  if (view.showConstellationLines) flags |= LAYER_CONSTELLATION_LINES;
  if (view.showConstellationBoundaries) flags |= LAYER_CONSTELLATION_BOUNDARIES;
  return flags;
}

}  // namespace

MainWindow::MainWindow(std::string dataFolder) : dataFolder(std::move(dataFolder)) {}

MainWindow::~MainWindow() {
  if (hwnd != nullptr && !windowDestroyed) DestroyAppWindow(hwnd);
  // A second copy made no observer and no view: it must leave Config.dat alone.
  if (observer != nullptr && skyView != nullptr) {
    config.longitude = observer->GetLongitude();
    config.latitude = observer->GetLatitude();
    config.layerFlags = LayerFlagsOf(*skyView);
    MakeConfigFolder(configPath);
    SaveConfig(configPath, config);
  }
  skyView.reset();
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
  skyView = std::make_unique<SkyView>(client, observer.get());

  const AppFiles files =
      dataFolder.empty() ? LocateAppFiles(ExecutableDirectory()) : AppFilesIn(dataFolder);
  const std::string& folder = files.catalogFolder;
  configPath = files.configSavePath;
  skyView->starsPath = folder + "Stars.dat";
  skyView->linesPath = folder + "ConLin.dat";
  skyView->boundariesPath = folder + "ConBon.dat";
  skyView->labelsPath = folder + "Labels.dat";

  LoadConfig(files.configLoadPath, config);
  observer->SetLocation(config.longitude, config.latitude);
  skyView->showEquatorialGrid = (config.layerFlags & LAYER_EQUATORIAL_GRID) != 0;
  skyView->showHorizontalGrid = (config.layerFlags & LAYER_HORIZONTAL_GRID) != 0;
  skyView->showConstellationLines = (config.layerFlags & LAYER_CONSTELLATION_LINES) != 0;
  skyView->showConstellationBoundaries = (config.layerFlags & LAYER_CONSTELLATION_BOUNDARIES) != 0;
  SetCheckMarks();

  navBoxShown = false;
  penDownInNavBox = false;
  handMode = false;
  backBuffer.reset();
  navBoxBitmap = LoadBitmap(BitmapId::NavigationBox);
  needsRender = true;
}

void MainWindow::SetCheckMarks() {
  CheckMenuItem(menu, COMMAND_EQUATORIAL_GRID, skyView->showEquatorialGrid);
  CheckMenuItem(menu, COMMAND_HORIZONTAL_GRID, skyView->showHorizontalGrid);
  CheckMenuItem(menu, COMMAND_CONSTELLATION_LINES, skyView->showConstellationLines);
  CheckMenuItem(menu, COMMAND_CONSTELLATION_BOUNDARIES, skyView->showConstellationBoundaries);
}

void MainWindow::RequestRender() {
  needsRender = true;
  InvalidateWindow(hwnd);
}

void MainWindow::RequestRepaint() { InvalidateWindow(hwnd); }

intptr_t WindowProc(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
  if (theMainWindow == nullptr) return DefaultWindowProcedure(window, message, wParam, lParam);
  return theMainWindow->Dispatch(window, message, wParam, lParam);
}

bool InitInstance(int showCode, const std::string& dataFolder) {
  if (theMainWindow != nullptr) return true;
  MainWindowOwner() = std::make_unique<MainWindow>(dataFolder);
  theMainWindow = MainWindowOwner().get();
  theMainWindow->Create(WINDOW_CLASS_NAME, WINDOW_TITLE, WindowProc);
  if (theMainWindow->hwnd != nullptr) theMainWindow->Show(showCode);
  return true;
}

void ExitInstance() {
  if (theMainWindow == nullptr) return;
  MainWindowOwner().reset();
  theMainWindow = nullptr;
}

}  // namespace halvane
