// MainWindow: the program's one window. It owns the observer, the chart and the back buffer,
// keeps the settings and the last tap's label, and composes the parts that answer the stylus
// (StylusGesture), the navigation box, "Point at the sky" (PointingMode) and Find and the panel
// (FindPanel); every command, key and box button ends in Perform.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "astro/moment.h"
#include "astro/observer.h"
#include "astro/satellite_passes.h"
#include "catalog/city_catalog.h"
#include "chart/chart.h"
#include "platform/clock.h"
#include "platform/element_update.h"
#include "platform/fetch_rules.h"
#include "platform/menu_bar.h"
#include "platform/position_source.h"
#include "platform/repeating_timer.h"
#include "platform/window_system.h"
#include "shell/action_table.h"
#include "shell/command_numbers.h"
#include "shell/config_file.h"
#include "shell/find_panel.h"
#include "shell/navigation_box.h"
#include "shell/pointing_mode.h"
#include "shell/stylus_gesture.h"
#include "shell/window.h"

namespace halvane {

constexpr char WINDOW_CLASS_NAME[] = "HalvaneWindow";
constexpr char WINDOW_TITLE[] = "Halvane v1.2";

class MainWindow : public Window {
 public:
  // dataFolder holds Config.dat and the catalogs, with a trailing '/'; empty means the places
  // LocateAppFiles finds beside the executable. Only tests and benchmarks pass a folder, a
  // clock of their own (null: the system's) or options.
  explicit MainWindow(std::string dataFolder = {}, std::shared_ptr<const Clock> clock = nullptr,
                      const WindowOptions& options = {});
  // Saves the settings (only when the window was made) and frees everything.
  ~MainWindow() override;

  void OnDraw(Surface& screen) override;
  void Create(const std::string& className, const std::string& title) override;
  void OnKeyDown(uintptr_t virtualKey, intptr_t lParam) override;
  void OnChar(char16_t character, intptr_t lParam) override;
  void OnCreate(intptr_t creationData) override;
  void OnDestroy() override;
  void OnCommand(uint16_t notification, uint16_t command, intptr_t control) override;
  void OnStylusDown(uintptr_t wParam, int32_t x, int32_t y) override;
  void OnStylusUp(uintptr_t wParam, int32_t x, int32_t y) override;
  void OnStylusMove(uintptr_t wParam, int32_t x, int32_t y) override;
  void OnStylusHold(int32_t x, int32_t y) override;
  void OnMouseWheel(uintptr_t keys, int32_t distance) override;
  void OnGesture(uintptr_t kind, int32_t steps) override;
  // The shown minute changed: the chart follows the clock.
  void OnTimer() override;

  // Carries out any action of the action table; those that change the view or a layer ask
  // for a new frame.
  void Perform(Action action);
  // Needs a new frame at the next paint; the moment is built anew when the time, the place or
  // "Precise positions" changed since it was.
  void UpdateMomentAndRender();
  // The next paint only copies the back buffer and draws the overlays.
  void RequestRepaint();
  // Reads the clock into the settings when it is in use.
  void SetTimeFromClock();
  const Clock& GetClock() const { return *clock; }
  // The configuration dialog's OK: the observer's place and the time setting (fixedTime
  // counts only without the clock), then a new frame.
  void ApplySettings(double longitude, double latitude, bool useSystemTime,
                     const CalendarTime& fixedTime);

  // Asks the position source where the device is; while it waits, and when it finds none,
  // the caption says so and the place stays. A position found becomes the observer's.
  void UseMyLocation();
  // True while "Use my location" waits for its answer.
  bool IsFindingLocation() const { return positionRequest != nullptr; }
  // Names the place the chart shows in the window's title.
  void ShowPlaceInTitle();
  // No Config.dat was read at the start: the place is the built-in one.
  bool IsFirstStart() const { return firstStart; }
  // The first start, and no place has been given yet: the dialog asks for one.
  bool AsksForPlace() const { return firstStart && !placeGiven; }
  // The first start's dialog was closed without a place: the caption names the built-in one.
  void KeepBuiltInPlace();

  // Find's answer to a chosen or confirmed text: the view turned to the object that best
  // completes it, labelled, and its panel opened; false, changing nothing, when none matches or
  // the object has no place then.
  bool AcceptFind(std::u16string_view text);
  bool IsPointingAtSky() const;
  // Counters for tests and benchmarks: sensor readings taken, frames they asked for.
  int32_t GetSensorReadings() const { return pointing ? pointing->GetReadings() : 0; }
  int32_t GetSensorFrames() const { return pointing ? pointing->GetFrames() : 0; }
  // The caption over the chart; empty when the chart shows the clock's time at the zoom's
  // own star limit.
  std::u16string CaptionText();
  // The IANA time zone of the observer's place (shell/place_zone.h); empty for the device's.
  const std::string& GetPlaceZone();
  // The names Find completes, read at the first use.
  const SkyNames& GetSkyNames() { return findPanel.GetSkyNames(chart->GetLayers(), moment); }
  // Reads the comet and asteroid elements of the cache folder (catalog/minor_body_files.h)
  // anew, at start and after an update or import, and shows them; returns the skipped lines.
  std::vector<std::string> LoadMinorBodies();
  // Reads every element file of the cache folder again: after an update or an import.
  void ReloadElementFiles();
  // "Update satellites", "Update comets and asteroids": the group's files fetched in the
  // background, the caption telling how it goes; nothing while an update runs.
  enum class ElementGroup { Satellites, MinorBodies };
  void UpdateElements(ElementGroup group);
  bool IsUpdatingElements() const { return elementUpdate != nullptr; }
  // The same of a file given by path; returns what the caption says of it.
  std::u16string ImportElementFile(const std::string& path);
  // The weekly timer runs exactly while "Update weekly" is on.
  void SetUpWeeklyUpdates();
  // Tests wait less than a real server is given before it counts as stalled.
  void SetElementStallForTesting(int32_t milliseconds) { elementStallMs = milliseconds; }
  // The cities the configuration dialog completes, read at the first use.
  const CityCatalog& GetCities();

  // Opens the information panel of the object and makes it the last named one; false,
  // changing nothing, when it cannot be described (a body without a place then).
  bool ShowObjectInfo(const NamedRef& object);
  // An open panel tells of the time shown again after the time changed.
  void RefreshInfoPanel();
  // Reads the satellites' element files of the cache folder again (at start, and after an
  // update or import); with none, the chart is as without the layer.
  void LoadSatellites();
  // The satellites loaded; null when there are none.
  const std::shared_ptr<const SatelliteSet>& GetSatellites() const {
    return chart->GetSatellites();
  }

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
  bool IsNavigationBoxShown() const { return navigationBox.IsShown(); }
  // A window on a desktop's screen, at least PHONE_SCREEN_WIDTH wide, opens with the
  // navigation box shown.
  void ShowNavigationBoxWhenWide();
  // The box's top-left pixel and its size: a finger's on a narrow screen.
  Point GetNavigationBoxOrigin() const { return navigationBox.GetOrigin(); }
  NavigationBoxSize GetNavigationBoxSize() const { return navigationBox.GetSize(); }
  bool IsHandMode() const { return stylus.IsHandMode(); }
  // A frame was asked for and the next paint draws it.
  bool IsRenderPending() const { return needsRender; }
  // Counters for tests and benchmarks: frames drawn by DrawFrame, paints handled.
  int32_t GetFramesDrawn() const { return framesDrawn; }
  int32_t GetPaintsDone() const { return paintsDone; }
  // Set once the destroy message has arrived; the handle is dangling from then on.
  bool IsWindowDestroyed() const { return windowDestroyed; }

 private:
  // The actions only Perform reaches.
  // Find: the bar's field takes the cursor, or a field opens over the chart; a chosen name's
  // object is turned to and labelled, and its panel opened.
  void Find();
  std::vector<std::u16string> CompleteFind(std::u16string_view text);
  std::u16string SuggestFind(std::u16string_view text);
  // The time moved (the clock stops), or back to the clock.
  void StepTime(int32_t hours, int32_t days);
  void ReturnToClock();
  void ToggleNightVision();
  // The faintest stars steps magnitudes fainter (negative: brighter), within the setting's range.
  void ChangeStarLimit(int32_t steps);
  // Nothing without usable motion sensors.
  void TogglePointAtSky();
  // One reading of the sensors, from the mode's timer: a frame when the aim moved.
  bool FollowSensors(double seconds);
  // "Import elements...": a chosen file copied into the cache folder.
  void ImportElements();
  void ToggleWeeklyUpdates();
  // With "Update weekly" on and a week gone since the last update, both groups are fetched.
  void UpdateIfAWeekPassed();
  // The Tonight list; the chosen line's body is turned to and its panel opened; a chosen
  // satellite pass sets the time to its start and turns there.
  void ShowTonight();
  // After a tap in pointer mode: the panel of what it named, or closed when it named nothing.
  void AfterTap(bool named);
  // The panel of the last named object; nothing before one was named.
  void OpenInfoPanel();
  void CloseInfo();
  const std::vector<StarRecord>& GetStarList() { return findPanel.GetStarList(chart->GetLayers()); }

  // Saves the settings; a failure is said on stderr and in a box that offers to retry.
  void SaveSettings();
  // Saves them with a failure said on stderr only: a few seconds after a change, or when the
  // program is ended without a window to ask in.
  void SaveSettingsQuietly(bool withPlacement);
  // The settings as a save would write them (the window's place taken only withPlacement).
  std::vector<uint8_t> CurrentSettings(bool withPlacement);
  // Merges with the file as it is now and writes; false with errno on failure.
  bool WriteSettings(bool withPlacement);
  // Starts the saves after changes and at an unexpected exit, from the settings as loaded.
  void WatchSettings(const std::string& loadedPath);
  void OnMessageHandled() override;
  void SetCheckMarks();
  // Finds the motion sensors, greys "Point at the sky" out with the reason when there are none
  // to use, and starts the mode when the settings have it on.
  void SetUpPointAtSky();
  void StartPointing();
  // Builds the moment again when the settings no longer give the one there is; with the
  // clock, the window's timer is set for the change of the shown minute.
  void UpdateMoment();
  // Sets the window's timer for the change of the shown minute.
  void ArmMinuteTimer();
  // Turns the view to the object and labels it with its name; false, changing nothing, when it
  // has no place then. An asteroid named before its elements are loaded is not turned to, and
  // true.
  bool TurnToObject(const NamedRef& object);
  // Find and the panel for the satellite at index of the set: false, changing nothing, when it
  // has no place.
  bool TurnToSatellite(uint32_t index);
  bool ShowSatelliteInfo(uint32_t index);
  // The visible passes of the night of the satellites Tonight lists, in time order.
  std::vector<std::pair<std::string, SatellitePass>> NightPasses();
  // The time set to the pass's start and the chart turned to where it rises.
  void TurnToPass(const std::string& name, const SatellitePass& pass);
  // With the clock and a satellite on the chart, the next frame when it has moved a pixel.
  void FollowSatellites();
  ViewAim CurrentAim() const;
  // Puts the view where a drag takes it and asks for a frame.
  void DragView(const ViewDrag& drag);
  // Whether the action's menu item is checked now.
  bool IsChecked(const ActionEntry& entry) const;
  // The client pixel of the object whose panel is open, when it is on the chart.
  std::optional<Point> MarkedObjectPixel();

  std::unique_ptr<Observer> observer;
  std::unique_ptr<Chart> chart;
  NavigationBox navigationBox;
  StylusGesture stylus;
  FindPanel findPanel;
  std::unique_ptr<PointingMode> pointing;
  Rect frameCaptionBand;  // the caption's room when the last frame's names were placed
  std::unique_ptr<OffscreenBuffer> backBuffer;
  MenuBarHandle menuBar = nullptr;
  MenuHandle menu = nullptr;
  std::string configPath;
  std::string catalogFolder;
  PickedLabel label;
  Moment moment;
  SharedMinorBodies minorBodies;  // the moment's comets and asteroids; null until read
  ConfigRecord config;
  ConfigExtension extension;
  std::unique_ptr<CityCatalog> cities;
  // The place (longitude, latitude) placeZone was found for.
  std::optional<std::pair<double, double>> zonePlace;
  std::string placeZone;
  // The label the next new frame shows: a tapped object moved out from under the panel.
  PickedLabel labelAfterFrame;
  // Where "Use my location" stands, for the caption; empty when it has nothing to say.
  std::u16string locationMessage;
  // Where an element update or import stands, for the caption; empty when it has nothing to say.
  std::u16string elementMessage;
  std::unique_ptr<PositionRequest> positionRequest;
  std::unique_ptr<ElementUpdate> elementUpdate;
  // Started with "Update weekly" on: looks a minute after the start, then hourly.
  std::unique_ptr<RepeatingTimer> weeklyTimer;
  std::vector<ElementGroup> groupsWaiting;
  int32_t elementStallMs = FETCH_STALL_MS;
  bool firstStart = false;
  // A place was given this session, by the dialog or the position source.
  bool placeGiven = false;
  // The built-in place kept at the first start, said in the caption until a place is given.
  std::u16string placeNote;
  bool needsRender = false;
  int32_t framesDrawn = 0;
  int32_t paintsDone = 0;
  bool windowDestroyed = false;
  std::string dataFolder;
  std::shared_ptr<const Clock> clock;
  // The settings as this window last read or saved them, and the save that follows a change.
  std::vector<uint8_t> savedSettings;
  std::unique_ptr<RepeatingTimer> saveTimer;
};

// Creates, shows and paints the main window reading clock (the system's when null); when
// another copy runs, the window's handle stays null. dataFolder as for MainWindow. Destroying
// the object saves the settings.
std::unique_ptr<MainWindow> InitInstance(int showCode, const std::string& dataFolder = {},
                                         std::shared_ptr<const Clock> clock = nullptr,
                                         const WindowOptions& options = {});

}  // namespace halvane
