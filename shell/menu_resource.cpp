// Menu 102, with the constellations of the go-to table in six alphabetical popups.
#include "shell/menu_resource.h"

#include <string>

#include "platform/translate.h"
#include "shell/command_numbers.h"
#include "view/go_to_table.h"

namespace halvane {

namespace {

// Each popup holds the go-to table's rows first to last.
struct ConstellationPopup {
  const char* title;
  int32_t first;
  int32_t last;
};

constexpr ConstellationPopup CONSTELLATION_POPUPS[] = {
    {"And-CMi", 0, 14},  {"Cap-Cru", 15, 29}, {"Cyg-Lac", 30, 44},
    {"Leo-Ori", 45, 59}, {"Pav-Sct", 60, 74}, {"Ser-Vul", 75, 87},
};

std::vector<MenuEntry> BuildEntries() {
  using K = MenuEntryKind;
  std::vector<MenuEntry> e = {
      {K::Popup, 0, Words::Mark("View")},
      {K::CheckItem, COMMAND_EQUATORIAL_GRID, Words::Mark("Equatorial grid")},
      {K::CheckItem, COMMAND_HORIZONTAL_GRID, Words::Mark("Horizontal grid")},
      {K::CheckItem, COMMAND_CONSTELLATION_LINES, Words::Mark("Constellation lines")},
      {K::CheckItem, COMMAND_CONSTELLATION_BOUNDARIES, Words::Mark("Constellation boundary")},
      {K::CheckItem, COMMAND_SOLAR_SYSTEM, Words::Mark("Solar system")},
      {K::CheckItem, COMMAND_CONSTELLATION_NAMES, Words::Mark("Constellation names")},
      {K::CheckItem, COMMAND_STAR_NAMES, Words::Mark("Star names")},
      {K::CheckItem, COMMAND_GROUND, Words::Mark("Ground")},
      {K::CheckItem, COMMAND_DAYLIGHT, Words::Mark("Daylight")},
      {K::CheckItem, COMMAND_ECLIPTIC, Words::Mark("Ecliptic")},
      {K::CheckItem, COMMAND_DEEP_SKY, Words::Mark("Deep sky")},
      {K::CheckItem, COMMAND_MILKY_WAY, Words::Mark("Milky Way")},
      {K::CheckItem, COMMAND_MINOR_BODIES, Words::Mark("Comets and asteroids")},
      {K::CheckItem, COMMAND_SATELLITES, Words::Mark("Satellites")},
      {K::CheckItem, COMMAND_NIGHT_VISION, Words::Mark("Night vision")},
      {K::Separator, 0, ""},
      {K::Item, COMMAND_ZOOM_IN, Words::Mark("Zoom in")},
      {K::Item, COMMAND_ZOOM_OUT, Words::Mark("Zoom out")},
      {K::Item, COMMAND_ZOOM_RESET, Words::Mark("Zoom reset (90°)")},
      {K::Separator, 0, ""},
      {K::Item, COMMAND_ROTATE_CLOCKWISE, Words::Mark("Rotate clockwise")},
      //: turning the chart the other way than the clock's hands
      {K::Item, COMMAND_ROTATE_COUNTER_CLOCKWISE, Words::Mark("Rotate contra clockwise")},
      {K::Separator, 0, ""},
      {K::CheckItem, COMMAND_PRECISE_POSITIONS, Words::Mark("Precise positions")},
      {K::CheckItem, COMMAND_POINT_AT_SKY, Words::Mark("Point at the sky")},
      {K::End, 0, ""},
      {K::Popup, 0, Words::Mark("Go to")},
      {K::Popup, 0, Words::Mark("Constellation")},
  };
  for (const ConstellationPopup& popup : CONSTELLATION_POPUPS) {
    e.push_back({K::Popup, 0, popup.title});
    for (int32_t index = popup.first; index <= popup.last; ++index) {
      const GoToRow* row = GoToRowAt(index);
      if (row == nullptr) continue;
      e.push_back({K::Item, GoToCommandOfRow(index), row->name});
    }
    e.push_back({K::End, 0, ""});
  }
  const std::vector<MenuEntry> tail = {
      {K::End, 0, ""},
      {K::Separator, 0, ""},
      {K::Item, COMMAND_VIEW_EAST, Words::Mark("East")},
      {K::Item, COMMAND_VIEW_NORTH, Words::Mark("North")},
      {K::Item, COMMAND_VIEW_SOUTH, Words::Mark("South")},
      {K::Item, COMMAND_VIEW_WEST, Words::Mark("West")},
      {K::Item, COMMAND_VIEW_ZENITH, Words::Mark("Zenith")},
      {K::End, 0, ""},
      {K::Item, COMMAND_FIND, Words::Mark("Find...")},
      {K::Item, COMMAND_OBJECT_INFO, Words::Mark("Information")},
      {K::Item, COMMAND_TONIGHT, Words::Mark("Tonight...")},
      {K::Item, COMMAND_NOW, Words::Mark("Now")},
      {K::Item, COMMAND_USE_MY_LOCATION, Words::Mark("Use my location")},
      {K::Item, COMMAND_UPDATE_SATELLITES, Words::Mark("Update satellites")},
      {K::Item, COMMAND_UPDATE_MINOR_BODIES, Words::Mark("Update comets and asteroids")},
      {K::Item, COMMAND_IMPORT_ELEMENTS, Words::Mark("Import elements...")},
      {K::CheckItem, COMMAND_UPDATE_WEEKLY, Words::Mark("Update weekly")},
      {K::Item, COMMAND_CONFIGURE, Words::Mark("Settings...")},
      {K::Separator, 0, ""},
      //: the & comes before the letter that chooses the item from the keyboard
      {K::Item, COMMAND_EXIT, Words::Mark("E&xit")},
  };
  e.insert(e.end(), tail.begin(), tail.end());
  return e;
}

}  // namespace

const std::vector<MenuEntry>& MainMenuEntries() {
  static const std::vector<MenuEntry> entries = BuildEntries();
  return entries;
}

}  // namespace halvane
