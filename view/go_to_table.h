// The go-to table: one row per constellation with the point that the view turns to, found by
// row (the shell's menu maps its commands to rows) or by name.
#pragma once

#include <cstdint>
#include <string_view>

#include "astro/angles.h"

namespace halvane {

struct GoToRow {
  const char* name;  // the constellation's name, as the menu shows it
  double rightAscensionHours;
  double declinationDegrees;

  // The point in radians, J2000, as the view aims.
  double RightAscension() const { return rightAscensionHours * HOURS_TO_RAD; }
  double Declination() const { return declinationDegrees * DEG_TO_RAD; }
};

constexpr int32_t GO_TO_ROW_COUNT = 88;

// The 88 rows in alphabetical (menu) order.
extern const GoToRow GO_TO_TABLE[GO_TO_ROW_COUNT];

// The row at index 0 to 87; null for any other index.
const GoToRow* GoToRowAt(int32_t index);

// The row whose name equals name ignoring ASCII case ("orion", "URSA MAJOR"); null when none.
const GoToRow* FindGoToRowByName(std::string_view name);

}  // namespace halvane
