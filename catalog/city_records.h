// Cities.dat, the world's cities for choosing a place by name, and its careful reader.
//
// A DataFileHeader (data_file.h) with tag "CITY" and version 2, then 78-byte little-endian
// records with no gaps, sorted by folded name (name_search.h), the most populous first among
// equals:
//   0  32 bytes   name        UTF-8, zero-padded; a name of all 32 bytes has no terminator
//   32 2  bytes   country     ISO 3166-1 alpha-2 code, two ASCII capitals
//   34 4  int32   latitude    seconds of arc, north positive, -324000 to 324000
//   38 4  int32   longitude   seconds of arc, east positive, -648000 to 648000
//   42 4  uint32  population
//   46 32 bytes   zone        IANA time zone ("Asia/Tokyo"), ASCII letters, digits and
//                             "/_+-", zero-padded; empty when unknown
// Version 1 files hold the first 46 bytes of each record only; their cities have no zone.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/data_file.h"

namespace halvane {

constexpr std::string_view CITIES_TAG = "CITY";
constexpr uint16_t CITIES_VERSION = 2;
constexpr size_t CITY_RECORD_SIZE = 78;
constexpr size_t CITY_V1_RECORD_SIZE = 46;
constexpr size_t CITY_NAME_BYTES = 32;
constexpr size_t CITY_ZONE_BYTES = 32;
constexpr int32_t SECONDS_PER_DEGREE = 3600;
constexpr int32_t MAX_LATITUDE_SECONDS = 90 * SECONDS_PER_DEGREE;
constexpr int32_t MAX_LONGITUDE_SECONDS = 180 * SECONDS_PER_DEGREE;

struct CityRecord {
  std::string name;     // valid UTF-8, at most CITY_NAME_BYTES bytes when written
  std::string country;  // two ASCII capitals
  int32_t latitudeSeconds;
  int32_t longitudeSeconds;
  uint32_t population;
  std::string zone = {};  // an IANA time zone id, or empty when unknown
};

// Decodes one record of the file version's layout. False when it cannot be used: an empty
// name, a country that is not two capitals, or a coordinate out of range. A malformed byte of
// the name becomes U+FFFD; a zone that is no well-formed id is dropped (the city stays).
bool DecodeCity(const uint8_t* bytes, CityRecord& city, uint16_t version = CITIES_VERSION);

// Writes the record in the current layout; a name or zone longer than its field is cut at the
// field's end, so the caller shortens the name first (ShortenUtf8) and checks the zone.
void EncodeCity(const CityRecord& city, uint8_t* bytes);

// Whether text can be stored as a city's zone: 1 to CITY_ZONE_BYTES characters of the set
// IANA ids are written in.
bool IsZoneId(std::string_view text);

// The longest beginning of valid UTF-8 text that fits maxBytes without splitting a
// character, without the spaces, commas, hyphens and opening brackets that a cut leaves at
// its end.
std::string ShortenUtf8(std::string_view text, size_t maxBytes);

// Appends every usable city of the file (version 2, or version 1 without zones), in file
// order; unusable records and a partial last record are skipped. The result of the walk: a
// missing file or a wrong header adds none.
WalkResult ReadCities(const std::string& path, std::vector<CityRecord>& cities);

}  // namespace halvane
