// The go-to table: one row per constellation with the point that the view turns to, found by
// menu command (the shell) or by name (halvane-render --goto).
#pragma once

#include <cstdint>
#include <string_view>

namespace halvane {

class Observer;

struct GoToRow {
  int32_t command;   // menu command 40100 to 40187; 0 ends the table
  const char* name;  // the constellation's name, as the menu shows it
  double rightAscensionHours;
  double declinationDegrees;
};

constexpr int32_t GO_TO_FIRST_COMMAND = 40100;
constexpr int32_t GO_TO_LAST_COMMAND = 40187;
constexpr int GO_TO_ROW_COUNT = 88;

// The 88 rows in menu order, then the closing row with command 0.
extern const GoToRow GO_TO_TABLE[GO_TO_ROW_COUNT + 1];

// The row of a menu command, scanning from the first row and stopping at the closing row;
// null for any other command.
const GoToRow* FindGoToRow(int32_t command);

// The row whose name equals name ignoring ASCII case ("orion", "URSA MAJOR"); null when none.
const GoToRow* FindGoToRowByName(std::string_view name);

// Turns the observer's view to the row's point as seen at the local sidereal angle
// (radians); zoom and rotation stay. A point below the horizon is turned to as well.
void GoToConstellation(Observer& observer, const GoToRow& row, double siderealAngle);

}  // namespace halvane
