// MainWindow: the program's one window. It owns the observer, the chart, the back buffer
// and the navigation-box picture, keeps the settings and the last tap's label, and answers
// commands, keys, the stylus and paint messages.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "astro/moment.h"
#include "astro/observer.h"
#include "catalog/city_catalog.h"
#include "catalog/sky_names.h"
#include "chart/chart.h"
#include "platform/menu_bar.h"
#include "platform/repeating_timer.h"
#include "platform/sky_pointer.h"
#include "platform/window_system.h"
#include "shell/chart_action.h"
#include "shell/command_numbers.h"
#include "shell/config_file.h"
#include "shell/navigation_box.h"
#include "shell/window.h"

namespace halvane {

constexpr char WINDOW_CLASS_NAME[] = "HalvaneWindow";
constexpr char WINDOW_TITLE[] = "Halvane v1.2";

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
  void OnMouseMove(uintptr_t wParam, int32_t x, int32_t y) override;
  void OnMouseWheel(uintptr_t keys, int32_t distance) override;
  void OnGesture(uintptr_t kind, int32_t steps) override;

  // Changes the observer or the chart, then asks for a new frame.
  void Perform(ChartAction action);
  // Needs a new frame at the next paint; the moment is built anew when the time, the place or
  // "Precise positions" changed since it was.
  void RequestRender();
  // The next paint only copies the back buffer and draws the overlays.
  void RequestRepaint();
  // Reads the clock into the settings when it is in use.
  void ReadClock();
  // True when (x, y) lies on the visible navigation box.
  bool InNavigationBox(int32_t x, int32_t y) const;
  // The configuration dialog's OK: the observer's place and the time setting (fixedTime
  // counts only without the clock), then a new frame.
  void ApplySettings(double longitude, double latitude, bool useSystemTime,
                     const SYSTEMTIME& fixedTime);

  // Opens the find field; the chosen name's object is turned to and labelled.
  void Find();
  // Turns the view to the object that best completes text and labels it; false, changing
  // nothing, when no name matches.
  bool TurnToName(std::u16string_view text);
  // Moves the observation time (the clock stops) and renders anew.
  void StepTime(int32_t hours, int32_t days);
  // Back to the clock.
  void ReturnToClock();
  void ToggleNightVision();
  // Makes the faintest drawn stars steps magnitudes fainter (negative: brighter), within
  // the range of the setting.
  void ChangeStarLimit(int32_t steps);
  // "Point at the sky" on or off; nothing without usable motion sensors.
  void TogglePointAtSky();
  bool IsPointingAtSky() const;
  // One reading of the motion sensors, seconds after the previous one: aims the chart and asks
  // for a frame when the aim moved by more than a quarter of a pixel. Returns whether it did.
  // The mode's timer calls it; tests and benchmarks may too.
  bool FollowSensors(double seconds);
  // Counters for tests and benchmarks: sensor readings taken, frames they asked for.
  int32_t GetSensorReadings() const { return sensorReadings; }
  int32_t GetSensorFrames() const { return sensorFrames; }
  // The caption over the chart; empty when the chart shows the clock's time at the zoom's
  // own star limit.
  std::u16string CaptionText() const;
  // The names Find completes, read at the first use.
  const SkyNames& GetSkyNames();
  // The cities the configuration dialog completes, read at the first use.
  const CityCatalog& GetCities();

  const Observer& GetObserver() const { return *observer; }
  const Chart& GetChart() const { return *chart; }
  const ConfigRecord& GetConfig() const { return config; }
  // The later settings (night vision, star limit, window geometry, city), saved with the rest.
  const ConfigExtension& GetExtension() const { return extension; }
  ConfigExtension& GetExtension() { return extension; }
  // The last tap's label; all zero when there is none.
  const PickedLabel& GetLabel() const { return label; }
  double GetSiderealAngle() const { return moment.GetSky().GetSiderealAngle(); }
  const SkyPlaces& GetSky() const { return moment.GetSky(); }
  // The moment the chart shows.
  const Moment& GetMoment() const { return moment; }
  MenuBarHandle GetMenuBar() const { return menuBar; }
  MenuHandle GetMenu() const { return menu; }
  bool IsNavigationBoxShown() const { return navBoxShown; }
  // The box's top-left pixel.
  Point GetNavigationBoxOrigin() const { return {navBoxX, navBoxY}; }
  bool IsHandMode() const { return handMode; }
  // A frame was asked for and the next paint draws it.
  bool IsRenderPending() const { return needsRender; }
  // Counters for tests and benchmarks: frames drawn by DrawFrame, paints handled.
  int32_t GetFramesDrawn() const { return framesDrawn; }
  int32_t GetPaintsDone() const { return paintsDone; }
  // Set once the destroy message has arrived; the handle is dangling from then on.
  bool IsWindowDestroyed() const { return windowDestroyed; }

 private:
  void SetCheckMarks();
  // Finds the motion sensors, greys "Point at the sky" out with the reason when there are none
  // to use, and starts the mode when the settings have it on.
  void SetUpPointAtSky();
  void StartPointing();
  // Builds the moment again when the settings no longer give the one there is.
  void UpdateMoment();
  void PressNavigationButton(int32_t column, int32_t row);
  // Puts the view where a drag from the press to (x, y) takes it and asks for a frame.
  void DragFromStart(int32_t x, int32_t y);

  std::unique_ptr<Observer> observer;
  std::unique_ptr<Chart> chart;
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
  bool stylusDown = false;
  bool dragging = false;
  double dragStartAzimuth = 0.0;
  double dragStartAltitude = 0.0;
  std::string configPath;
  std::string catalogFolder;
  PickedLabel label;
  Moment moment;
  ConfigRecord config;
  ConfigExtension extension;
  std::unique_ptr<SkyNames> skyNames;
  std::unique_ptr<CityCatalog> cities;
  // Find's name, written at the chart's centre once the frame turned to it is drawn.
  std::u16string foundName;
  bool needsRender = false;
  int32_t framesDrawn = 0;
  int32_t paintsDone = 0;
  bool windowDestroyed = false;
  std::string dataFolder;
  std::unique_ptr<SkyPointer> skyPointer;
  std::unique_ptr<RepeatingTimer> pointingTimer;
  std::chrono::steady_clock::time_point lastReading;
  int32_t sensorReadings = 0;
  int32_t sensorFrames = 0;
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

}  // namespace halvane
