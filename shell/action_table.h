// Every action of the window, each once: its menu command, keys, menu text and place, check
// mark, layer switch, navigation-box button and halvane-render's --layers name. The menus,
// the keys, the box, the check marks and --layers read this table; Perform carries out all.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "view/layer_set.h"

namespace halvane {

enum class Action {
  ToggleEquatorialGrid,
  ToggleHorizontalGrid,
  ToggleConstellationLines,
  ToggleConstellationBoundaries,
  ToggleSolarSystem,
  ToggleConstellationNames,
  ToggleStarNames,
  ToggleGround,
  ToggleDaylight,
  ToggleEcliptic,
  ToggleDeepSky,
  ToggleMilkyWay,
  ToggleMinorBodies,
  ToggleSatellites,
  ToggleNightVision,
  ZoomIn,
  ZoomOut,
  ZoomReset,
  RotateClockwise,
  RotateCounterClockwise,
  TogglePrecisePositions,
  TogglePointAtSky,
  ViewEast,
  ViewNorth,
  ViewSouth,
  ViewWest,
  ViewZenith,
  Find,
  OpenInfo,
  ShowTonight,
  ReturnToClock,
  UseMyLocation,
  UpdateSatellites,
  UpdateMinorBodies,
  ImportElements,
  ToggleWeeklyUpdates,
  Configure,
  Exit,
  ToggleNavigationBox,
  PanLeft,
  PanRight,
  PanUp,
  PanDown,
  CloseInfo,
  StepHourBack,
  StepHourForward,
  StepDayBack,
  StepDayForward,
  StarLimitBrighter,
  StarLimitFainter,
  UsePointer,
  UseHand,
};

// Where an action sits in the menu bar.
enum class MenuPlace : uint8_t {
  None,
  View,       // the "View" popup
  GoTo,       // the "Go to" popup, after the constellations
  Menu,       // the drop-down's own items
  BarButton,  // a picture button of the bar, beside "Menu"
};

// What a check mark shows.
enum class CheckSource : uint8_t { None, Layer, NightVision, PointAtSky, WeeklyUpdates };

struct ActionEntry {
  Action action;
  uint16_t command = 0;            // 0: no menu command
  std::u16string_view keys = {};   // typed characters
  uintptr_t virtualKey = 0;        // a key without a character; 0: none
  const char* menuText = nullptr;  // UTF-8, marked for translation
  MenuPlace menuPlace = MenuPlace::None;
  bool separatorBefore = false;
  CheckSource check = CheckSource::None;
  bool LayerSet::*layer = nullptr;  // the switch a toggle flips and its check mark shows
  const char* layerName = nullptr;  // halvane-render --layers
  int8_t boxColumn = -1;            // the navigation box's button
  int8_t boxRow = -1;
};

std::span<const ActionEntry> ActionTable();

// Null when nothing has that command, key or button.
const ActionEntry* ActionOfCommand(uint16_t command);
const ActionEntry* ActionOfKey(char16_t character);
const ActionEntry* ActionOfVirtualKey(uintptr_t key);
const ActionEntry* ActionOfBoxButton(int32_t column, int32_t row);
const ActionEntry& EntryOf(Action action);

// The layers --layers turns on, by their names; false for an unknown name. "none": no layer.
// Layers the list leaves out are off (the solar system's and view layers' bits mean hidden).
bool ParseLayerNames(std::string_view list, uint16_t& layerFlags, uint16_t& viewLayerFlags);
// The names ParseLayerNames knows, comma separated.
std::string LayerNameList();

}  // namespace halvane
