// Builds the four catalogs (Stars.dat, ConLin.dat, ConBon.dat, Labels.dat) from the source
// data folder: stars.8.json, starnames.json, constellations.lines.json,
// constellations.borders.json, constellations.json and messier.json.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "catalog/catalog_records.h"

class QJsonDocument;

namespace halvane {

// No two consecutive boundary vertices lie farther apart than this, in degrees of arc.
constexpr double MAX_VERTEX_GAP_DEGREES = 1.0;

struct BuildSummary {
  size_t stars = 0;
  size_t starsWithoutColor = 0;
  size_t segments = 0;
  size_t boundaryLines = 0;
  size_t vertices = 0;
  size_t labels = 0;
  // One line for each record dropped, name transliterated or shortened, and similar.
  std::vector<std::string> notes;
};

// The stars of a stars.*.json feature collection in file order, those without a usable
// position or magnitude left out with a note naming file; byHipparcos gets each star's
// position in the list.
std::vector<StarRecord> BuildStars(const QJsonDocument& source,
                                   std::map<int64_t, size_t>& byHipparcos, BuildSummary& summary,
                                   const std::string& file);

// Right ascension in radians in [0, 2 pi) from a longitude in degrees (any finite value).
double RightAscensionFromLongitude(double degrees);

// Angular distance in radians between two points given in radians.
double AngularDistance(double ra1, double dec1, double ra2, double dec2);

// The vertices of one boundary line given as J2000 (longitude, latitude) degrees, with
// points inserted along every edge so that no two consecutive vertices are more than
// MAX_VERTEX_GAP_DEGREES apart. The points are spaced linearly in B1875 right ascension
// (the short way round) and declination, so that an edge along a B1875 parallel or
// meridian keeps to it. The given vertices are kept exactly; every vertex carries id.
std::vector<BoundaryVertex> DensifyBoundary(const std::vector<std::pair<double, double>>& line,
                                            uint16_t id);

// Reads the source files of sourceDir and writes the four catalogs into outDir (created
// when missing; each file is written under a temporary name and renamed). Deterministic.
// False with a one-line error when a source file is missing or malformed, a source holds
// more boundary lines than ids, or a catalog cannot be written.
bool BuildCatalogs(const std::string& sourceDir, const std::string& outDir, BuildSummary& summary,
                   std::string& error);

}  // namespace halvane
