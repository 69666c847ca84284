// Fuzzes Cities.dat: the bytes become the file, which is loaded with its name index and
// searched. Every city kept must be usable as read (valid UTF-8 name, two capitals, a place
// on the globe, no zone or a well-formed one), every completion must point at one of them, and a
// city's own label must find a city of that country.
#include <cstddef>
#include <cstdint>
#include <string>

#include "catalog/city_catalog.h"
#include "fuzz/fuzz_chart.h"
#include "fuzz/fuzz_files.h"
#include "platform/utf8_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace halvane;
  CityCatalog catalog;
  const WalkResult result = LoadCityCatalog(WriteFuzzFile("Cities.dat", data, size), catalog);
  FuzzCheck(result != WalkResult::CannotOpen);
  const size_t whole = size >= HEADER_SIZE ? (size - HEADER_SIZE) / CITY_V1_RECORD_SIZE : 0;
  FuzzCheck(catalog.cities.size() <= whole);
  for (const CityRecord& city : catalog.cities) {
    FuzzCheck(city.zone.empty() || IsZoneId(city.zone));
    FuzzCheck(!city.name.empty() && ValidUtf8(city.name) == city.name);
    for (const char c : city.country) FuzzCheck(c >= 'A' && c <= 'Z');
    FuzzCheck(city.country.size() == 2);
    FuzzCheck(city.latitudeSeconds >= -MAX_LATITUDE_SECONDS &&
              city.latitudeSeconds <= MAX_LATITUDE_SECONDS);
    FuzzCheck(city.longitudeSeconds >= -MAX_LONGITUDE_SECONDS &&
              city.longitudeSeconds <= MAX_LONGITUDE_SECONDS);
  }
  const std::string queries[] = {
      "a", "sao", catalog.cities.empty() ? "x" : catalog.cities.front().name.substr(0, 3)};
  for (const std::string& query : queries) {
    for (const NameMatch& match : catalog.index.Complete(query, 8)) {
      FuzzCheck(match.entry < catalog.index.Entries().size());
      FuzzCheck(catalog.index.Entries()[match.entry].index < catalog.cities.size());
    }
  }
  if (!catalog.cities.empty()) {
    const CityRecord* found = FindCity(catalog, CityLabel(catalog.cities.front()));
    FuzzCheck(found == nullptr || found->country == catalog.cities.front().country);
  }
  return 0;
}
