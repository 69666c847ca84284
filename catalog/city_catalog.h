// The cities of Cities.dat with the index of their names, for the city field's completion.
#pragma once

#include <string>
#include <vector>

#include "catalog/city_records.h"
#include "catalog/name_search.h"

namespace halvane {

// Entries are of kind City; an entry's index is its city's position in cities and its
// weight the population.
struct CityCatalog {
  std::vector<CityRecord> cities;
  NameIndex index;
};

// Reads the file's usable cities and indexes their names. A file that cannot be opened or
// whose header is wrong gives an empty catalog, and the walk's result tells which.
WalkResult LoadCityCatalog(const std::string& path, CityCatalog& catalog);

}  // namespace halvane
