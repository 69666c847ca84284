// The comets and asteroids the program knows: whatever element files the cache folder holds.
#pragma once

#include <string>
#include <vector>

#include "astro/minor_body.h"

namespace halvane {

struct MinorBodyLoad {
  SharedMinorBodies bodies;           // never null; empty when the folder has no elements
  std::vector<std::string> messages;  // "comets.txt line 12: eccentricity", ...
};

// comets.txt (CometEls.txt), minor-planets.txt (MPCORB lines) and the imported-* files of
// folder that hold either format, in that order. Called at start and again after an update or
// an import. A missing file is no message; an imported file of another kind (satellites) is
// passed over.
MinorBodyLoad LoadMinorBodyFolder(const std::string& folder);

// The same of a list of files, each of which should hold elements.
MinorBodyLoad LoadMinorBodyFiles(const std::vector<std::string>& paths);

}  // namespace halvane
