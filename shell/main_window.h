// MainWindow: the program's one window. It owns the observer, the sky view, the back buffer
// and the navigation-box picture, keeps the settings and the last tap's label, and answers
// commands, keys, the stylus and paint messages.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "astro/observer.h"
#include "catalog/picked_label.h"
#include "platform/dialog.h"
#include "platform/menu_bar.h"
#include "platform/window_system.h"
#include "shell/config_file.h"
#include "shell/window.h"
#include "view/sky_view.h"

namespace halvane {

constexpr char WINDOW_CLASS_NAME[] = "HalvaneWindow";
constexpr char WINDOW_TITLE[] = "Halvane v1.2";

// Menu and menu-bar command numbers.
constexpr uint16_t COMMAND_MENU_BUTTON = 40001;
constexpr uint16_t COMMAND_EXIT = 40002;
constexpr uint16_t COMMAND_CONFIGURE = 40003;
constexpr uint16_t COMMAND_VIEW_EAST = 40004;
constexpr uint16_t COMMAND_VIEW_NORTH = 40005;
constexpr uint16_t COMMAND_VIEW_SOUTH = 40006;
constexpr uint16_t COMMAND_VIEW_WEST = 40007;
constexpr uint16_t COMMAND_VIEW_ZENITH = 40008;
constexpr uint16_t COMMAND_EQUATORIAL_GRID = 40009;
constexpr uint16_t COMMAND_HORIZONTAL_GRID = 40010;
constexpr uint16_t COMMAND_CONSTELLATION_LINES = 40011;
constexpr uint16_t COMMAND_CONSTELLATION_BOUNDARIES = 40012;
constexpr uint16_t COMMAND_ZOOM_IN = 40013;
constexpr uint16_t COMMAND_ZOOM_OUT = 40014;
constexpr uint16_t COMMAND_ZOOM_RESET = 40015;
constexpr uint16_t COMMAND_ROTATE_CLOCKWISE = 40016;
constexpr uint16_t COMMAND_ROTATE_COUNTER_CLOCKWISE = 40017;
constexpr uint16_t COMMAND_NAVIGATION_BOX = 40020;

// The navigation box picture and its buttons.
constexpr int32_t NAV_BOX_WIDTH = 70;
constexpr int32_t NAV_BOX_HEIGHT = 93;
constexpr int32_t NAV_BOX_PITCH = 23;

// What commands, keys and navigation-box buttons ask of the chart.
enum class ChartAction {
  ViewEast,
  ViewNorth,
  ViewSouth,
  ViewWest,
  ViewZenith,
  ToggleEquatorialGrid,
  ToggleHorizontalGrid,
  ToggleConstellationLines,
  ToggleConstellationBoundaries,
  ZoomIn,
  ZoomOut,
  ZoomReset,
  RotateClockwise,
  RotateCounterClockwise,
  PanLeft,
  PanRight,
  PanUp,
  PanDown,
};

class MainWindow : public Window {
 public:
  // dataFolder holds Config.dat and the catalogs, with a trailing '/'; empty means the places
  // LocateAppFiles finds beside the executable. Only tests and benchmarks pass a folder.
  explicit MainWindow(std::string dataFolder = {});
  // Saves the settings (only when the window was made) and frees everything.
  ~MainWindow() override;

  void OnDraw(Surface& screen) override;
  void Create(const std::string& className, const std::string& title,
              WindowProcedure procedure) override;
  void OnKeyDown(uintptr_t virtualKey, intptr_t lParam) override;
  void OnChar(char16_t character, intptr_t lParam) override;
  void OnCreate(intptr_t creationData) override;
  void OnDestroy() override;
  void OnCommand(uint16_t notification, uint16_t command, intptr_t control) override;
  void OnLButtonDown(uintptr_t wParam, int32_t x, int32_t y) override;
  void OnLButtonUp(uintptr_t wParam, int32_t x, int32_t y) override;

  // Changes the observer or the sky view, then asks for a new frame.
  void Perform(ChartAction action);
  // Needs a new frame at the next paint.
  void RequestRender();
  // The next paint only copies the back buffer and draws the overlays.
  void RequestRepaint();
  // Reads the clock into the settings when it is in use and recomputes siderealAngle.
  void RefreshSiderealAngle();
  // True when (x, y) lies on the visible navigation box.
  bool InNavigationBox(int32_t x, int32_t y) const;

  std::unique_ptr<Observer> observer;
  std::unique_ptr<SkyView> skyView;
  bool navBoxShown = false;
  bool handMode = false;
  std::unique_ptr<OffscreenBuffer> backBuffer;
  std::unique_ptr<Bitmap> navBoxBitmap;
  MenuBarHandle menuBar = nullptr;
  MenuHandle menu = nullptr;
  int32_t navBoxX = 0;
  int32_t navBoxY = 0;
  int32_t dragStartX = 0;
  int32_t dragStartY = 0;
  bool penDownInNavBox = false;
  std::string configPath;
  PickedLabel label;
  double siderealAngle = 0.0;
  ConfigRecord config;
  bool needsRender = false;

  // Counters for tests and benchmarks: frames drawn by DrawFrame, paints handled.
  int32_t framesDrawn = 0;
  int32_t paintsDone = 0;
  // Set once the destroy message has arrived; the handle is dangling from then on.
  bool windowDestroyed = false;

 private:
  void SetCheckMarks();
  void PressNavigationButton(int32_t column, int32_t row);

  std::string dataFolder;
};

// The one main window; null before start-up and after shutdown.
extern MainWindow* theMainWindow;

// The window procedure: the main window's Dispatch once it exists, else default processing.
intptr_t WindowProc(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam);
// Creates, shows and paints the main window (nothing when another copy runs: then the
// window handle stays null). dataFolder as for MainWindow.
bool InitInstance(int showCode, const std::string& dataFolder = {});
// Destroys the main window object, which saves the settings.
void ExitInstance();

// The configuration dialog's procedure.
bool ConfigDialogProc(DialogHandle dialog, uint32_t message, uintptr_t wParam, intptr_t lParam);

}  // namespace halvane
