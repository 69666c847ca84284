// What Find and halvane-render --goto turn to: the best name for a text and where it is.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "astro/moment.h"
#include "catalog/sky_names.h"

namespace halvane {

// In the go-to table's units, so that a constellation's point is the table's own.
struct SkyTarget {
  std::string name;  // UTF-8, as the index shows it
  double rightAscensionHours;
  double declinationDegrees;
  // False for a name that stands in for elements not loaded: no place to turn to.
  bool placed = true;
};

// The first completion of text (see NameIndex::Complete) and its place; a body's place is the
// moment's. Empty when nothing matches or the body has no place then.
std::optional<SkyTarget> FindSkyTarget(const SkyNames& names, std::string_view text,
                                       const Moment& moment);

}  // namespace halvane
