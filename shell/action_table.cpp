#include "shell/action_table.h"

#include <algorithm>
#include <iterator>

#include "platform/translate.h"
#include "platform/window_system.h"
#include "shell/command_numbers.h"

namespace halvane {

namespace {

using A = Action;
using C = CheckSource;
using M = MenuPlace;

constexpr char16_t CONTROL_F = 0x06;
constexpr char16_t FIND_KEYS[] = {u'F', u'f', CONTROL_F};

// In menu order; the actions of no menu last.
constexpr ActionEntry ACTIONS[] = {
    {.action = A::ToggleEquatorialGrid,
     .command = COMMAND_EQUATORIAL_GRID,
     .keys = u"Qq",
     .menuText = Words::Mark("Equatorial grid"),
     .menuPlace = M::View,
     .check = C::Layer,
     .layer = &LayerSet::showEquatorialGrid,
     .layerName = "equatorial"},
    {.action = A::ToggleHorizontalGrid,
     .command = COMMAND_HORIZONTAL_GRID,
     .keys = u"Hh",
     .menuText = Words::Mark("Horizontal grid"),
     .menuPlace = M::View,
     .check = C::Layer,
     .layer = &LayerSet::showHorizontalGrid,
     .layerName = "horizontal"},
    {.action = A::ToggleConstellationLines,
     .command = COMMAND_CONSTELLATION_LINES,
     .keys = u"Ll",
     .menuText = Words::Mark("Constellation lines"),
     .menuPlace = M::View,
     .check = C::Layer,
     .layer = &LayerSet::showConstellationLines,
     .layerName = "lines"},
    {.action = A::ToggleConstellationBoundaries,
     .command = COMMAND_CONSTELLATION_BOUNDARIES,
     .keys = u"Bb",
     .menuText = Words::Mark("Constellation boundary"),
     .menuPlace = M::View,
     .check = C::Layer,
     .layer = &LayerSet::showConstellationBoundaries,
     .layerName = "boundaries"},
    {.action = A::ToggleSolarSystem,
     .command = COMMAND_SOLAR_SYSTEM,
     .keys = u"Pp",
     .menuText = Words::Mark("Solar system"),
     .menuPlace = M::View,
     .check = C::Layer,
     .layer = &LayerSet::showSolarSystem,
     .layerName = "solar"},
    {.action = A::ToggleConstellationNames,
     .command = COMMAND_CONSTELLATION_NAMES,
     .keys = u"Cc",
     .menuText = Words::Mark("Constellation names"),
     .menuPlace = M::View,
     .check = C::Layer,
     .layer = &LayerSet::showConstellationNames,
     .layerName = "constellation-names"},
    {.action = A::ToggleStarNames,
     .command = COMMAND_STAR_NAMES,
     .keys = u"Xx",
     .menuText = Words::Mark("Star names"),
     .menuPlace = M::View,
     .check = C::Layer,
     .layer = &LayerSet::showStarNames,
     .layerName = "star-names"},
    {.action = A::ToggleGround,
     .command = COMMAND_GROUND,
     .keys = u"Gg",
     .menuText = Words::Mark("Ground"),
     .menuPlace = M::View,
     .check = C::Layer,
     .layer = &LayerSet::showGround,
     .layerName = "ground"},
    {.action = A::ToggleDaylight,
     .command = COMMAND_DAYLIGHT,
     .keys = u"Dd",
     .menuText = Words::Mark("Daylight"),
     .menuPlace = M::View,
     .check = C::Layer,
     .layer = &LayerSet::showDaylight,
     .layerName = "daylight"},
    {.action = A::ToggleEcliptic,
     .command = COMMAND_ECLIPTIC,
     .keys = u"Yy",
     .menuText = Words::Mark("Ecliptic"),
     .menuPlace = M::View,
     .check = C::Layer,
     .layer = &LayerSet::showEcliptic,
     .layerName = "ecliptic"},
    {.action = A::ToggleDeepSky,
     .command = COMMAND_DEEP_SKY,
     .keys = u"Oo",
     .menuText = Words::Mark("Deep sky"),
     .menuPlace = M::View,
     .check = C::Layer,
     .layer = &LayerSet::showDeepSky,
     .layerName = "deep-sky"},
    {.action = A::ToggleMilkyWay,
     .command = COMMAND_MILKY_WAY,
     .keys = u"Mm",
     .menuText = Words::Mark("Milky Way"),
     .menuPlace = M::View,
     .check = C::Layer,
     .layer = &LayerSet::showMilkyWay,
     .layerName = "milky-way"},
    {.action = A::ToggleMinorBodies,
     .command = COMMAND_MINOR_BODIES,
     .keys = u"Kk",
     .menuText = Words::Mark("Comets and asteroids"),
     .menuPlace = M::View,
     .check = C::Layer,
     .layer = &LayerSet::showMinorBodies,
     .layerName = "minor-bodies"},
    {.action = A::ToggleSatellites,
     .command = COMMAND_SATELLITES,
     .keys = u"Vv",
     .menuText = Words::Mark("Satellites"),
     .menuPlace = M::View,
     .check = C::Layer,
     .layer = &LayerSet::showSatellites,
     .layerName = "satellites"},
    {.action = A::ToggleNightVision,
     .command = COMMAND_NIGHT_VISION,
     .keys = u"Rr",
     .menuText = Words::Mark("Night vision"),
     .menuPlace = M::View,
     .check = C::NightVision},
    {.action = A::ZoomIn,
     .command = COMMAND_ZOOM_IN,
     .keys = u"+",
     .menuText = Words::Mark("Zoom in"),
     .menuPlace = M::View,
     .separatorBefore = true,
     .boxColumn = 0,
     .boxRow = 3},
    {.action = A::ZoomOut,
     .command = COMMAND_ZOOM_OUT,
     .keys = u"-",
     .menuText = Words::Mark("Zoom out"),
     .menuPlace = M::View,
     .boxColumn = 2,
     .boxRow = 3},
    {.action = A::ZoomReset,
     .command = COMMAND_ZOOM_RESET,
     .menuText = Words::Mark("Zoom reset (90°)"),
     .menuPlace = M::View,
     .boxColumn = 1,
     .boxRow = 3},
    {.action = A::RotateClockwise,
     .command = COMMAND_ROTATE_CLOCKWISE,
     .menuText = Words::Mark("Rotate clockwise"),
     .menuPlace = M::View,
     .separatorBefore = true,
     .boxColumn = 2,
     .boxRow = 2},
    //: turning the chart the other way than the clock's hands
    {.action = A::RotateCounterClockwise,
     .command = COMMAND_ROTATE_COUNTER_CLOCKWISE,
     .menuText = Words::Mark("Rotate contra clockwise"),
     .menuPlace = M::View,
     .boxColumn = 0,
     .boxRow = 2},
    {.action = A::TogglePrecisePositions,
     .command = COMMAND_PRECISE_POSITIONS,
     .menuText = Words::Mark("Precise positions"),
     .menuPlace = M::View,
     .separatorBefore = true,
     .check = C::Layer,
     .layer = &LayerSet::precisePositions},
    {.action = A::TogglePointAtSky,
     .command = COMMAND_POINT_AT_SKY,
     .keys = u"Aa",
     .menuText = Words::Mark("Point at the sky"),
     .menuPlace = M::View,
     .check = C::PointAtSky},
    {.action = A::ViewEast,
     .command = COMMAND_VIEW_EAST,
     .keys = u"Ee",
     .menuText = Words::Mark("East"),
     .menuPlace = M::GoTo,
     .boxColumn = 2,
     .boxRow = 1},
    {.action = A::ViewNorth,
     .command = COMMAND_VIEW_NORTH,
     .keys = u"Nn",
     .menuText = Words::Mark("North"),
     .menuPlace = M::GoTo,
     .boxColumn = 1,
     .boxRow = 0},
    {.action = A::ViewSouth,
     .command = COMMAND_VIEW_SOUTH,
     .keys = u"Ss",
     .menuText = Words::Mark("South"),
     .menuPlace = M::GoTo,
     .boxColumn = 1,
     .boxRow = 2},
    {.action = A::ViewWest,
     .command = COMMAND_VIEW_WEST,
     .keys = u"Ww",
     .menuText = Words::Mark("West"),
     .menuPlace = M::GoTo,
     .boxColumn = 0,
     .boxRow = 1},
    {.action = A::ViewZenith,
     .command = COMMAND_VIEW_ZENITH,
     .keys = u"Zz",
     .menuText = Words::Mark("Zenith"),
     .menuPlace = M::GoTo,
     .boxColumn = 1,
     .boxRow = 1},
    {.action = A::Find,
     .command = COMMAND_FIND,
     .keys = {FIND_KEYS, std::size(FIND_KEYS)},
     .menuText = Words::Mark("Find..."),
     .menuPlace = M::Menu},
    {.action = A::OpenInfo,
     .command = COMMAND_OBJECT_INFO,
     .keys = u"Ii",
     .menuText = Words::Mark("Information"),
     .menuPlace = M::Menu},
    {.action = A::ShowTonight,
     .command = COMMAND_TONIGHT,
     .keys = u"Jj",
     .menuText = Words::Mark("Tonight..."),
     .menuPlace = M::Menu},
    {.action = A::ReturnToClock,
     .command = COMMAND_NOW,
     .keys = u"Tt",
     .menuText = Words::Mark("Now"),
     .menuPlace = M::Menu},
    {.action = A::UseMyLocation,
     .command = COMMAND_USE_MY_LOCATION,
     .keys = u"Uu",
     .menuText = Words::Mark("Use my location"),
     .menuPlace = M::Menu},
    {.action = A::UpdateSatellites,
     .command = COMMAND_UPDATE_SATELLITES,
     .menuText = Words::Mark("Update satellites"),
     .menuPlace = M::Menu},
    {.action = A::UpdateMinorBodies,
     .command = COMMAND_UPDATE_MINOR_BODIES,
     .menuText = Words::Mark("Update comets and asteroids"),
     .menuPlace = M::Menu},
    {.action = A::ImportElements,
     .command = COMMAND_IMPORT_ELEMENTS,
     .menuText = Words::Mark("Import elements..."),
     .menuPlace = M::Menu},
    {.action = A::ToggleWeeklyUpdates,
     .command = COMMAND_UPDATE_WEEKLY,
     .menuText = Words::Mark("Update weekly"),
     .menuPlace = M::Menu,
     .check = C::WeeklyUpdates},
    {.action = A::Configure,
     .command = COMMAND_CONFIGURE,
     .menuText = Words::Mark("Settings..."),
     .menuPlace = M::Menu},
    //: the & comes before the letter that chooses the item from the keyboard
    {.action = A::Exit,
     .command = COMMAND_EXIT,
     .menuText = Words::Mark("E&xit"),
     .menuPlace = M::Menu,
     .separatorBefore = true},
    {.action = A::ToggleNavigationBox,
     .command = COMMAND_NAVIGATION_BOX,
     .menuText = Words::Mark("Navigation box"),
     .menuPlace = M::BarButton},
    {.action = A::PanLeft, .virtualKey = KEY_LEFT},
    {.action = A::PanRight, .virtualKey = KEY_RIGHT},
    {.action = A::PanUp, .virtualKey = KEY_UP},
    {.action = A::PanDown, .virtualKey = KEY_DOWN},
    {.action = A::CloseInfo, .virtualKey = KEY_ESCAPE},
    {.action = A::StepHourBack, .keys = u"["},
    {.action = A::StepHourForward, .keys = u"]"},
    {.action = A::StepDayBack, .keys = u"{"},
    {.action = A::StepDayForward, .keys = u"}"},
    {.action = A::StarLimitBrighter, .keys = u"<"},
    {.action = A::StarLimitFainter, .keys = u">"},
    // The box's top corners switch what a press on the chart does.
    {.action = A::UsePointer, .boxColumn = 0, .boxRow = 0},
    {.action = A::UseHand, .boxColumn = 2, .boxRow = 0},
};

template <typename Match>
const ActionEntry* FindEntry(Match match) {
  const auto* found = std::find_if(std::begin(ACTIONS), std::end(ACTIONS), match);
  return found == std::end(ACTIONS) ? nullptr : found;
}

}  // namespace

std::span<const ActionEntry> ActionTable() { return ACTIONS; }

const ActionEntry* ActionOfCommand(uint16_t command) {
  if (command == 0) return nullptr;
  return FindEntry([command](const ActionEntry& e) { return e.command == command; });
}

const ActionEntry* ActionOfKey(char16_t character) {
  return FindEntry(
      [character](const ActionEntry& e) { return e.keys.find(character) != e.keys.npos; });
}

const ActionEntry* ActionOfVirtualKey(uintptr_t key) {
  if (key == 0) return nullptr;
  return FindEntry([key](const ActionEntry& e) { return e.virtualKey == key; });
}

const ActionEntry* ActionOfBoxButton(int32_t column, int32_t row) {
  return FindEntry(
      [column, row](const ActionEntry& e) { return e.boxColumn == column && e.boxRow == row; });
}

const ActionEntry& EntryOf(Action action) {
  return *FindEntry([action](const ActionEntry& e) { return e.action == action; });
}

bool ParseLayerNames(std::string_view list, uint16_t& layerFlags, uint16_t& viewLayerFlags) {
  LayerSet chosen;
  for (const ActionEntry& e : ACTIONS) {
    if (e.layer != nullptr) chosen.*e.layer = false;
  }
  for (bool more = list != "none"; more;) {
    const size_t comma = list.find(',');
    const std::string_view name = list.substr(0, comma);
    const ActionEntry* entry = FindEntry(
        [name](const ActionEntry& e) { return e.layerName != nullptr && name == e.layerName; });
    if (entry == nullptr) return false;
    chosen.*entry->layer = true;
    more = comma != std::string_view::npos;
    if (more) list.remove_prefix(comma + 1);
  }
  // Through the conversions of Config.dat, which know which bits mean hidden.
  layerFlags = chosen.LayerFlags();
  viewLayerFlags = chosen.ViewLayerFlags();
  return true;
}

std::string LayerNameList() {
  std::string list;
  for (const ActionEntry& e : ACTIONS) {
    if (e.layerName == nullptr) continue;
    list += (list.empty() ? "" : ", ") + std::string(e.layerName);
  }
  return list;
}

}  // namespace halvane
