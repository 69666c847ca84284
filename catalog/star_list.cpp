// One pass over Stars.dat into a vector; a linear search for the nearest star.
#include "catalog/star_list.h"

#include <cmath>

#include "catalog/data_file.h"

namespace halvane {

std::vector<StarRecord> LoadStarList(const std::string& path) {
  std::vector<StarRecord> stars;
  WalkRecords(path, "STAR", STAR_RECORD_SIZE,
              [&](const uint8_t* record) { stars.push_back(DecodeStar(record)); });
  return stars;
}

const StarRecord* NearestStar(const std::vector<StarRecord>& stars, double rightAscension,
                              double declination, double maxAngle) {
  const double sinDec = std::sin(declination), cosDec = std::cos(declination);
  double bestCos = std::cos(maxAngle);
  const StarRecord* best = nullptr;
  for (const StarRecord& star : stars) {
    // A cheap band test first: most stars are far in declination.
    if (std::abs(star.declination - declination) > maxAngle) continue;
    const double c =
        sinDec * std::sin(star.declination) +
        cosDec * std::cos(star.declination) * std::cos(star.rightAscension - rightAscension);
    if (c >= bestCos) {
      bestCos = c;
      best = &star;
    }
  }
  return best;
}

}  // namespace halvane
