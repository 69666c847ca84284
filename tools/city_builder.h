// Builds Cities.dat from the GeoNames table of cities (cities1000.txt: tab-separated, one
// place a line, nineteen fields).
#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

namespace halvane {

// Places with fewer inhabitants are left out.
constexpr uint32_t MIN_CITY_POPULATION = 15000;

struct CityBuildSummary {
  size_t cities = 0;
  size_t tooSmall = 0;
  size_t malformed = 0;    // lines without nineteen fields or with unreadable numbers
  size_t withoutZone = 0;  // cities kept whose time zone is missing or no storable id
  // "name (country) -> shortened" for each name cut to fit the record.
  std::vector<std::string> shortened;
};

// Reads the table and writes outDir/Cities.dat (outDir created when missing; written under
// a temporary name and renamed). Deterministic. False with a one-line error when the table
// cannot be read, holds no city, or the file cannot be written.
bool BuildCities(const std::string& sourceFile, const std::string& outDir,
                 CityBuildSummary& summary, std::string& error);

// halvane-catalog build-cities --source FILE --out DIR: builds, then prints the count and
// every shortened name on out. Returns 0, 1 when the build fails, 2 for wrong arguments.
int RunBuildCities(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace halvane
