// The Cities.dat part of halvane-catalog info.
#include "tools/city_info.h"

#include <QString>
#include <algorithm>
#include <cstdint>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "catalog/city_records.h"
#include "platform/printable_text.h"

namespace halvane {

namespace {

constexpr size_t LARGEST_SHOWN = 10;

std::string Degrees(int32_t seconds) {
  return QString::number(static_cast<double>(seconds) / SECONDS_PER_DEGREE, 'f', 4).toStdString();
}

}  // namespace

size_t ReportCities(RecordFile& file, uint16_t version, std::ostream& out) {
  std::vector<CityRecord> cities;
  size_t unusable = 0;
  size_t fullNames = 0;  // names that fill the field, maybe shortened by the builder
  std::set<std::string> zones;
  size_t withoutZone = 0;
  CityRecord city;
  while (const uint8_t* bytes = file.Next()) {
    if (!DecodeCity(bytes, city, version)) {
      ++unusable;
      continue;
    }
    if (bytes[CITY_NAME_BYTES - 1] != 0) ++fullNames;
    if (city.zone.empty()) {
      ++withoutZone;
    } else {
      zones.insert(city.zone);
    }
    cities.push_back(city);
  }
  out << "cities: " << cities.size() << " usable, " << fullNames << " names filling all "
      << CITY_NAME_BYTES << " bytes\n"
      << "time zones: " << zones.size() << " different, " << withoutZone << " cities without\n";
  if (cities.empty()) return unusable;
  const auto [south, north] = std::minmax_element(cities.begin(), cities.end(),
                                                  [](const CityRecord& a, const CityRecord& b) {
                                                    return a.latitudeSeconds < b.latitudeSeconds;
                                                  });
  const auto [west, east] = std::minmax_element(cities.begin(), cities.end(),
                                                [](const CityRecord& a, const CityRecord& b) {
                                                  return a.longitudeSeconds < b.longitudeSeconds;
                                                });
  out << "latitude: " << Degrees(south->latitudeSeconds) << " to "
      << Degrees(north->latitudeSeconds) << " degrees\n"
      << "longitude: " << Degrees(west->longitudeSeconds) << " to "
      << Degrees(east->longitudeSeconds) << " degrees\n";
  const size_t shown = std::min(LARGEST_SHOWN, cities.size());
  std::partial_sort(
      cities.begin(), cities.begin() + static_cast<std::ptrdiff_t>(shown), cities.end(),
      [](const CityRecord& a, const CityRecord& b) { return a.population > b.population; });
  out << "most populous (latitude and longitude in degrees):\n";
  for (size_t i = 0; i < shown; ++i) {
    out << "  " << PrintableText(cities[i].name) << " (" << PrintableText(cities[i].country) << ") "
        << cities[i].population << " " << Degrees(cities[i].latitudeSeconds) << " "
        << Degrees(cities[i].longitudeSeconds)
        << (cities[i].zone.empty() ? "" : " " + cities[i].zone) << "\n";
  }
  return unusable;
}

}  // namespace halvane
