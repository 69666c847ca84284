// Stars.dat held in memory, for questions about one star (its magnitude and colour) rather
// than a frame's walk over all of them.
#pragma once

#include <string>
#include <vector>

#include "catalog/catalog_records.h"

namespace halvane {

// Every record of the star catalog at path; empty when it is missing or rejected.
std::vector<StarRecord> LoadStarList(const std::string& path);

// The star nearest the J2000 direction (radians) within maxAngle (radians); null when none.
const StarRecord* NearestStar(const std::vector<StarRecord>& stars, double rightAscension,
                              double declination, double maxAngle);

}  // namespace halvane
