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

}  // namespace halvane
