// Cities.dat records and their reader.
#include "catalog/city_records.h"

#include <algorithm>
#include <cstring>

#include "catalog/data_file.h"
#include "platform/utf8_text.h"

namespace halvane {

namespace {

constexpr size_t COUNTRY_OFFSET = 32;
constexpr size_t LATITUDE_OFFSET = 34;
constexpr size_t LONGITUDE_OFFSET = 38;
constexpr size_t POPULATION_OFFSET = 42;
constexpr size_t ZONE_OFFSET = 46;

bool IsCapital(uint8_t c) { return c >= 'A' && c <= 'Z'; }

bool IsZoneCharacter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
         std::string_view("/_+-").find(c) != std::string_view::npos;
}

std::string DecodeZone(const uint8_t* field) {
  const auto* text = reinterpret_cast<const char*>(field);
  const std::string_view zone(text, strnlen(text, CITY_ZONE_BYTES));
  return IsZoneId(zone) ? std::string(zone) : std::string();
}

}  // namespace

bool IsZoneId(std::string_view text) {
  return !text.empty() && text.size() <= CITY_ZONE_BYTES &&
         std::all_of(text.begin(), text.end(), IsZoneCharacter);
}

bool DecodeCity(const uint8_t* bytes, CityRecord& city, uint16_t version) {
  const auto* name = reinterpret_cast<const char*>(bytes);
  city.name = ValidUtf8(std::string_view(name, strnlen(name, CITY_NAME_BYTES)));
  const uint8_t* country = bytes + COUNTRY_OFFSET;
  city.country.assign(reinterpret_cast<const char*>(country), 2);
  city.latitudeSeconds = static_cast<int32_t>(ReadU32(bytes + LATITUDE_OFFSET));
  city.longitudeSeconds = static_cast<int32_t>(ReadU32(bytes + LONGITUDE_OFFSET));
  city.population = ReadU32(bytes + POPULATION_OFFSET);
  city.zone = version >= 2 ? DecodeZone(bytes + ZONE_OFFSET) : std::string();
  return !city.name.empty() && IsCapital(country[0]) && IsCapital(country[1]) &&
         city.latitudeSeconds >= -MAX_LATITUDE_SECONDS &&
         city.latitudeSeconds <= MAX_LATITUDE_SECONDS &&
         city.longitudeSeconds >= -MAX_LONGITUDE_SECONDS &&
         city.longitudeSeconds <= MAX_LONGITUDE_SECONDS;
}

void EncodeCity(const CityRecord& city, uint8_t* bytes) {
  std::memset(bytes, 0, CITY_RECORD_SIZE);
  // Fixed fields, zero-padded: a name that fills its field has no terminator.
  std::copy_n(city.name.data(), std::min(city.name.size(), CITY_NAME_BYTES), bytes);
  std::copy_n(city.country.data(), std::min<size_t>(city.country.size(), 2),
              bytes + COUNTRY_OFFSET);
  WriteU32(static_cast<uint32_t>(city.latitudeSeconds), bytes + LATITUDE_OFFSET);
  WriteU32(static_cast<uint32_t>(city.longitudeSeconds), bytes + LONGITUDE_OFFSET);
  WriteU32(city.population, bytes + POPULATION_OFFSET);
  std::copy_n(city.zone.data(), std::min(city.zone.size(), CITY_ZONE_BYTES), bytes + ZONE_OFFSET);
}

std::string ShortenUtf8(std::string_view text, size_t maxBytes) {
  std::string shortened = ValidUtf8(text);
  if (shortened.size() > maxBytes) {
    size_t end = maxBytes;
    // Back up over continuation bytes to the start of the character that does not fit.
    while (end > 0 && (static_cast<uint8_t>(shortened[end]) & 0xC0) == 0x80) --end;
    shortened.resize(end);
  }
  while (!shortened.empty() &&
         std::string_view(" ,-(").find(shortened.back()) != std::string_view::npos) {
    shortened.pop_back();
  }
  return shortened;
}

WalkResult ReadCities(const std::string& path, std::vector<CityRecord>& cities) {
  CityRecord city;
  const WalkResult result = WalkRecords(
      path, CITIES_TAG, CITY_RECORD_SIZE,
      [&](const uint8_t* bytes) {
        if (DecodeCity(bytes, city)) cities.push_back(city);
      },
      CITIES_VERSION);
  if (result != WalkResult::HeaderRejected) return result;
  return WalkRecords(
      path, CITIES_TAG, CITY_V1_RECORD_SIZE,
      [&](const uint8_t* bytes) {
        if (DecodeCity(bytes, city, 1)) cities.push_back(city);
      },
      1);
}

}  // namespace halvane
