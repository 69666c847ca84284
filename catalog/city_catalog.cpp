// Loading the cities and indexing their names.
#include "catalog/city_catalog.h"

#include <cstdint>

namespace halvane {

WalkResult LoadCityCatalog(const std::string& path, CityCatalog& catalog) {
  catalog.cities.clear();
  const WalkResult result = ReadCities(path, catalog.cities);
  std::vector<NameEntry> entries;
  entries.reserve(catalog.cities.size());
  for (uint32_t i = 0; i < catalog.cities.size(); ++i) {
    const CityRecord& city = catalog.cities[i];
    entries.push_back({city.name, NameKind::City, i, city.population});
  }
  catalog.index = NameIndex(std::move(entries));
  return result;
}

namespace {

// Enough completions that a country's city of a common name is among them.
constexpr size_t CITY_CANDIDATES = 64;

}  // namespace

std::string CityLabel(const CityRecord& city) { return city.name + ", " + city.country; }

const CityRecord* FindCity(const CityCatalog& catalog, std::string_view text) {
  const size_t comma = text.rfind(", ");
  const std::string_view name = comma == std::string_view::npos ? text : text.substr(0, comma);
  const std::string_view country =
      comma == std::string_view::npos ? std::string_view() : text.substr(comma + 2);
  for (const NameMatch& match : catalog.index.Complete(name, CITY_CANDIDATES)) {
    const uint32_t index = catalog.index.Entries()[match.entry].index;
    if (index >= catalog.cities.size()) continue;
    const CityRecord& city = catalog.cities[index];
    if (country.empty() || city.country == country) return &city;
  }
  return nullptr;
}

}  // namespace halvane
