// What kind of orbital elements a downloaded or chosen file holds, read by the program's own
// readers, so that nothing unusable replaces a working file.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace halvane {

enum class ElementKind { None, Satellites, MinorBodies };

struct ElementTextKind {
  ElementKind kind = ElementKind::None;
  size_t records = 0;  // the usable ones
  std::string error;   // with None: why nothing is usable
};

// Satellites (TLE / 3LE, OMM CSV, JSON, XML) or comets and minor planets (the MPC's comet
// lines, MPCORB lines).
ElementTextKind ClassifyElementText(std::string_view text);

}  // namespace halvane
