// Loading the cities and indexing their names.
#include "catalog/city_catalog.h"

#include <cstdint>
#include <utility>

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

// "Paris, FR" is the name and the country that follow; any other text a name alone.
std::pair<std::string_view, std::string_view> SplitLabel(std::string_view text) {
  const size_t comma = text.rfind(", ");
  if (comma == std::string_view::npos) return {text, {}};
  return {text.substr(0, comma), text.substr(comma + 2)};
}

}  // namespace

std::string CityLabel(const CityRecord& city) { return city.name + ", " + city.country; }

const CityRecord* FindCity(const CityCatalog& catalog, std::string_view text) {
  const auto [name, country] = SplitLabel(text);
  for (const NameMatch& match : catalog.index.Complete(name, CITY_CANDIDATES)) {
    const uint32_t index = catalog.index.Entries()[match.entry].index;
    if (index >= catalog.cities.size()) continue;
    const CityRecord& city = catalog.cities[index];
    if (country.empty() || city.country == country) return &city;
  }
  return nullptr;
}

std::vector<const CityRecord*> LookUpCities(const CityCatalog& catalog, std::string_view text,
                                            size_t limit) {
  const auto [name, country] = SplitLabel(text);
  std::vector<const CityRecord*> exact;
  std::vector<const CityRecord*> begun;
  for (const NameMatch& match : catalog.index.Complete(name, CITY_CANDIDATES)) {
    const uint32_t index = catalog.index.Entries()[match.entry].index;
    if (index >= catalog.cities.size()) continue;
    const CityRecord& city = catalog.cities[index];
    if (!country.empty() && city.country != country) continue;
    (match.quality == MatchQuality::Exact ? exact : begun).push_back(&city);
  }
  std::vector<const CityRecord*>& found = exact.empty() ? begun : exact;
  if (found.size() > limit) found.resize(limit);
  return found;
}

}  // namespace halvane
