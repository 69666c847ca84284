// The numbers of the menu and menu-bar commands, and the one mapping between the go-to
// commands and the rows of the go-to table.
#pragma once

#include <cstdint>

#include "view/go_to_table.h"

namespace halvane {

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
constexpr uint16_t COMMAND_SOLAR_SYSTEM = 40021;
constexpr uint16_t COMMAND_PRECISE_POSITIONS = 40022;
constexpr uint16_t COMMAND_FIND = 40030;
constexpr uint16_t COMMAND_NIGHT_VISION = 40031;
constexpr uint16_t COMMAND_NOW = 40032;
constexpr uint16_t COMMAND_CONSTELLATION_NAMES = 40040;
constexpr uint16_t COMMAND_STAR_NAMES = 40041;
constexpr uint16_t COMMAND_GROUND = 40042;
constexpr uint16_t COMMAND_DAYLIGHT = 40043;
constexpr uint16_t COMMAND_ECLIPTIC = 40044;
constexpr uint16_t COMMAND_OBJECT_INFO = 40060;
constexpr uint16_t COMMAND_TONIGHT = 40061;
constexpr uint16_t COMMAND_USE_MY_LOCATION = 40070;
constexpr uint16_t COMMAND_POINT_AT_SKY = 40075;
constexpr uint16_t COMMAND_DEEP_SKY = 40050;
constexpr uint16_t COMMAND_MILKY_WAY = 40051;
constexpr uint16_t COMMAND_UPDATE_SATELLITES = 40080;
constexpr uint16_t COMMAND_IMPORT_ELEMENTS = 40081;
constexpr uint16_t COMMAND_UPDATE_MINOR_BODIES = 40082;
constexpr uint16_t COMMAND_UPDATE_WEEKLY = 40083;
constexpr uint16_t COMMAND_MINOR_BODIES = 40053;
constexpr uint16_t COMMAND_SATELLITES = 40052;

// The go-to commands: 40100 for the table's first row to 40187 for its last.
constexpr uint16_t COMMAND_FIRST_GO_TO = 40100;

constexpr uint16_t GoToCommandOfRow(int32_t row) {
  return static_cast<uint16_t>(COMMAND_FIRST_GO_TO + row);
}
// The go-to table row of a command; -1 when it is no go-to command.
constexpr int32_t GoToRowOfCommand(uint16_t command) {
  const int32_t row = int32_t{command} - COMMAND_FIRST_GO_TO;
  return row >= 0 && row < GO_TO_ROW_COUNT ? row : -1;
}

}  // namespace halvane
