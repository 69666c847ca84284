// The cities of Cities.dat with the index of their names, for the city field's completion.
#pragma once

#include <string>
#include <string_view>
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

// "Tokyo, JP": the name, and the country that tells apart cities of one name.
std::string CityLabel(const CityRecord& city);

// The city that text names: the best completion of a label's name with the label's country
// ("Paris, FR"), or of the whole text ("tok"); null when none matches.
const CityRecord* FindCity(const CityCatalog& catalog, std::string_view text);

// The cities typed text may mean, at most limit, best first: those whose whole name it is
// (case and accents aside; with a label's country, of that country), else those it begins
// a word of. Empty when none matches.
std::vector<const CityRecord*> LookUpCities(const CityCatalog& catalog, std::string_view text,
                                            size_t limit);

}  // namespace halvane
