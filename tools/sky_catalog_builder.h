// Builds the catalogs of the fainter sky (FaintStars.dat, DeepSky.dat, MilkyWay.dat,
// Names.dat) and of the sky's names in other languages (SkyNames.dat) from the source data
// folder: stars.8.json, stars.14.json, dsos.14.json, dsonames.json, messier.json, mw.json,
// starnames.json, constellations.json, asterisms.json.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

namespace halvane {

// How many names of each kind the source gives a language, and how many of them SkyNames.dat
// keeps (a name equal to the international one needs no record).
struct LocalNameCount {
  size_t constellations = 0;
  size_t deepSky = 0;
  size_t keptRecords = 0;
};

struct SkyBuildSummary {
  size_t faintStars = 0;
  size_t deepSky = 0;
  size_t milkyWayVertices = 0;
  size_t milkyWayRings = 0;
  size_t names = 0;
  // By language code: the names the source gives and the records kept.
  std::map<std::string, LocalNameCount> localNames;
  size_t namedDeepSky = 0;  // deep-sky objects with a name of dsonames.json
  // One line for each record or name left out or shortened.
  std::vector<std::string> notes;
};

// Reads the sources of sourceDir and writes the five catalogs into outDir, which must exist.
// namesPath, when given, is a table of common names (data/common-names.tsv: a name, then
// tab-separated the catalog names it stands for; "#" starts a comment line), each added as a
// name of its object, or of the middle of several. Deterministic. False with a one-line
// error when a source or the table is missing or malformed, a name of the table stands for
// nothing the catalogs name, or a catalog cannot be written.
bool BuildSkyCatalogs(const std::string& sourceDir, const std::string& outDir,
                      SkyBuildSummary& summary, std::string& error,
                      const std::string& namesPath = "");

}  // namespace halvane
