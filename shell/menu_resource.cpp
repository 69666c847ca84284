// Menu 102, with the constellations of the go-to table in six alphabetical popups.
#include "shell/menu_resource.h"

#include <string>

#include "shell/command_numbers.h"
#include "view/go_to_table.h"

namespace halvane {

namespace {

// Each popup holds the go-to table's rows first to last.
struct ConstellationPopup {
  const char16_t* title;
  int32_t first;
  int32_t last;
};

constexpr ConstellationPopup CONSTELLATION_POPUPS[] = {
    {u"And-CMi", 0, 14},  {u"Cap-Cru", 15, 29}, {u"Cyg-Lac", 30, 44},
    {u"Leo-Ori", 45, 59}, {u"Pav-Sct", 60, 74}, {u"Ser-Vul", 75, 87},
};

std::vector<MenuEntry> BuildEntries() {
  using K = MenuEntryKind;
  // The names live as long as the program.
  static std::vector<std::u16string> names;
  names.reserve(GO_TO_ROW_COUNT);
  std::vector<MenuEntry> e = {
      {K::Popup, 0, u"View"},
      {K::CheckItem, COMMAND_EQUATORIAL_GRID, u"Equatorial grid"},
      {K::CheckItem, COMMAND_HORIZONTAL_GRID, u"Horizontal grid"},
      {K::CheckItem, COMMAND_CONSTELLATION_LINES, u"Constellation lines"},
      {K::CheckItem, COMMAND_CONSTELLATION_BOUNDARIES, u"Constellation boundary"},
      {K::CheckItem, COMMAND_SOLAR_SYSTEM, u"Solar system"},
      {K::CheckItem, COMMAND_CONSTELLATION_NAMES, u"Constellation names"},
      {K::CheckItem, COMMAND_STAR_NAMES, u"Star names"},
      {K::CheckItem, COMMAND_GROUND, u"Ground"},
      {K::CheckItem, COMMAND_DAYLIGHT, u"Daylight"},
      {K::CheckItem, COMMAND_ECLIPTIC, u"Ecliptic"},
      {K::CheckItem, COMMAND_DEEP_SKY, u"Deep sky"},
      {K::CheckItem, COMMAND_MILKY_WAY, u"Milky Way"},
      {K::CheckItem, COMMAND_MINOR_BODIES, u"Comets and asteroids"},
      {K::CheckItem, COMMAND_SATELLITES, u"Satellites"},
      {K::CheckItem, COMMAND_NIGHT_VISION, u"Night vision"},
      {K::Separator, 0, u""},
      {K::Item, COMMAND_ZOOM_IN, u"Zoom in"},
      {K::Item, COMMAND_ZOOM_OUT, u"Zoom out"},
      {K::Item, COMMAND_ZOOM_RESET, u"Zoom reset (90\u00B0)"},
      {K::Separator, 0, u""},
      {K::Item, COMMAND_ROTATE_CLOCKWISE, u"Rotate clockwise"},
      {K::Item, COMMAND_ROTATE_COUNTER_CLOCKWISE, u"Rotate contra clockwise"},
      {K::Separator, 0, u""},
      {K::CheckItem, COMMAND_PRECISE_POSITIONS, u"Precise positions"},
      {K::CheckItem, COMMAND_POINT_AT_SKY, u"Point at the sky"},
      {K::End, 0, u""},
      {K::Popup, 0, u"Go to"},
      {K::Popup, 0, u"Constellation"},
  };
  for (const ConstellationPopup& popup : CONSTELLATION_POPUPS) {
    e.push_back({K::Popup, 0, popup.title});
    for (int32_t index = popup.first; index <= popup.last; ++index) {
      const GoToRow* row = GoToRowAt(index);
      if (row == nullptr) continue;
      const std::string name = row->name;
      names.emplace_back(name.begin(), name.end());  // the names are ASCII
      e.push_back({K::Item, GoToCommandOfRow(index), names.back()});
    }
    e.push_back({K::End, 0, u""});
  }
  const std::vector<MenuEntry> tail = {
      {K::End, 0, u""},
      {K::Separator, 0, u""},
      {K::Item, COMMAND_VIEW_EAST, u"East"},
      {K::Item, COMMAND_VIEW_NORTH, u"North"},
      {K::Item, COMMAND_VIEW_SOUTH, u"South"},
      {K::Item, COMMAND_VIEW_WEST, u"West"},
      {K::Item, COMMAND_VIEW_ZENITH, u"Zenith"},
      {K::End, 0, u""},
      {K::Item, COMMAND_FIND, u"Find..."},
      {K::Item, COMMAND_OBJECT_INFO, u"Information"},
      {K::Item, COMMAND_TONIGHT, u"Tonight..."},
      {K::Item, COMMAND_NOW, u"Now"},
      {K::Item, COMMAND_USE_MY_LOCATION, u"Use my location"},
      {K::Item, COMMAND_UPDATE_SATELLITES, u"Update satellites"},
      {K::Item, COMMAND_UPDATE_MINOR_BODIES, u"Update comets and asteroids"},
      {K::Item, COMMAND_IMPORT_ELEMENTS, u"Import elements..."},
      {K::CheckItem, COMMAND_UPDATE_WEEKLY, u"Update weekly"},
      {K::Item, COMMAND_CONFIGURE, u"Settings..."},
      {K::Separator, 0, u""},
      {K::Item, COMMAND_EXIT, u"E&xit"},
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
