// The go-to table: one row per constellation with the point that the view turns to, found by
// row (the shell's menu maps its commands to rows) or by name (halvane-render --goto).
#pragma once

#include <cstdint>
#include <string_view>

#include "astro/sky_places.h"

namespace halvane {

class Projection;

struct GoToRow {
  const char* name;  // the constellation's name, as the menu shows it
  double rightAscensionHours;
  double declinationDegrees;
};

constexpr int32_t GO_TO_ROW_COUNT = 88;

// The 88 rows in alphabetical (menu) order.
extern const GoToRow GO_TO_TABLE[GO_TO_ROW_COUNT];

// The row at index 0 to 87; null for any other index.
const GoToRow* GoToRowAt(int32_t index);

// The row whose name equals name ignoring ASCII case ("orion", "URSA MAJOR"); null when none.
const GoToRow* FindGoToRowByName(std::string_view name);

// Turns the view to the row's point in the sky; zoom and rotation stay. A point
// below the horizon is turned to as well.
void GoToConstellation(Projection& projection, const GoToRow& row, const SkyPlaces& sky);

}  // namespace halvane
