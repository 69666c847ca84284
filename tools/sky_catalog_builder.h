// Builds the four catalogs of the fainter sky (FaintStars.dat, DeepSky.dat, MilkyWay.dat,
// Names.dat) from the source data folder: stars.8.json, stars.14.json, dsos.14.json,
// dsonames.json, messier.json, mw.json, starnames.json, constellations.json, asterisms.json.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace halvane {

struct SkyBuildSummary {
  size_t faintStars = 0;
  size_t deepSky = 0;
  size_t milkyWayVertices = 0;
  size_t milkyWayRings = 0;
  size_t names = 0;
  // One line for each record or name left out or shortened.
  std::vector<std::string> notes;
};

// Reads the sources of sourceDir and writes the four catalogs into outDir, which must exist.
// namesPath, when given, is a table of common names (data/common-names.tsv: a name, then
// tab-separated the catalog names it stands for; "#" starts a comment line), each added as a
// name of its object, or of the middle of several. Deterministic. False with a one-line
// error when a source or the table is missing or malformed, a name of the table stands for
// nothing the catalogs name, or a catalog cannot be written.
bool BuildSkyCatalogs(const std::string& sourceDir, const std::string& outDir,
                      SkyBuildSummary& summary, std::string& error,
                      const std::string& namesPath = "");

}  // namespace halvane
