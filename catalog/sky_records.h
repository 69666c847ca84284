// The record formats of the deep-sky, Milky Way and name catalogs and their little-endian
// codecs. Each file is a DataFileHeader (data_file.h) followed by fixed-size records with no
// gaps. FaintStars.dat has Stars.dat's tag and records (catalog_records.h).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "catalog/data_file.h"

namespace halvane {

// What kind of object a deep-sky record is; the symbol the chart draws follows it.
enum class DeepSkyKind : uint8_t {
  Galaxy = 0,
  OpenCluster = 1,
  GlobularCluster = 2,
  BrightNebula = 3,  // emission, reflection and star-forming nebulae
  PlanetaryNebula = 4,
  Other = 5,  // dark nebulae, remnants, galaxy clusters, asterisms
};
constexpr uint8_t DEEP_SKY_KIND_COUNT = 6;
// Magnitude of an object that the source gives none for: fainter than anything drawn.
constexpr int16_t NO_MAGNITUDE = 9999;

// DeepSky.dat, tag "DSKY", 56-byte records:
//   0  8   double  rightAscension  radians, 0 to 2 pi
//   8  8   double  declination     radians
//   16 1   uint8   kind            a DeepSkyKind; larger values count as Other
//   17 1   uint8   flags           DEEP_SKY_MESSIER: a Messier object; bits 1 to 5 the
//                                  source's finer DeepSkyType (0, files built before it
//                                  kept it: unknown); bits 6 and 7 0
//   18 2   int16   magnitude       hundredths; NO_MAGNITUDE: none given
//   20 2   uint16  majorAxis       tenths of a minute of arc; 0: not given
//   22 2   uint16  minorAxis       tenths of a minute of arc; 0: as the major axis
//   24 32  bytes   name            UTF-8, zero-terminated within the field: the Messier
//                                  number or the designation, then the common name
constexpr std::string_view DEEP_SKY_TAG = "DSKY";
constexpr size_t DEEP_SKY_RECORD_SIZE = 56;
constexpr size_t DEEP_SKY_NAME_BYTES = 32;
constexpr uint8_t DEEP_SKY_MESSIER = 1;
constexpr uint8_t DEEP_SKY_TYPE_SHIFT = 1;
constexpr uint8_t DEEP_SKY_TYPE_MASK = 0x3E;

// The kind the source gives, finer than DeepSkyKind; what the information panel names.
enum class DeepSkyType : uint8_t {
  Unknown = 0,
  SpiralGalaxy = 1,
  LenticularGalaxy = 2,
  DwarfSpheroidalGalaxy = 3,
  EllipticalGalaxy = 4,
  IrregularGalaxy = 5,
  Galaxy = 6,
  GalaxyCluster = 7,
  OpenCluster = 8,
  GlobularCluster = 9,
  BrightNebula = 10,
  EmissionNebula = 11,
  ReflectionNebula = 12,
  StarFormingRegion = 13,
  PlanetaryNebula = 14,
  DarkNebula = 15,
  SupernovaRemnant = 16,
};
constexpr uint8_t DEEP_SKY_TYPE_COUNT = 17;

struct DeepSkyRecord {
  double rightAscension;
  double declination;
  DeepSkyKind kind;
  uint8_t flags;
  int16_t magnitude;
  uint16_t majorAxis;
  uint16_t minorAxis;
  char name[DEEP_SKY_NAME_BYTES];  // may lack a terminator in a damaged file
};

// A record of DeepSky.dat with its place in the file, counted from 0: which object it is.
struct NumberedDeepSky {
  DeepSkyRecord record;
  uint32_t number;
};

// MilkyWay.dat, tag "MWAY", 20-byte records; a run of records with one ring is one closed
// ring, and the rings of one polygon (its outline, then its holes) share a polygon number:
//   0  8  double  rightAscension
//   8  8  double  declination
//   16 2  uint16  polygon         counts up from 1 through the file
//   18 1  uint8   level           1 (faintest, widest) to 5 (brightest)
//   19 1  uint8   ring            0 the outline, 1 and up its holes
constexpr std::string_view MILKY_WAY_TAG = "MWAY";
constexpr size_t MILKY_WAY_RECORD_SIZE = 20;
constexpr uint8_t MILKY_WAY_LEVELS = 5;

struct MilkyWayVertex {
  double rightAscension;
  double declination;
  uint16_t polygon;
  uint8_t level;
  uint8_t ring;
};

// Names.dat, tag "NAME", 64-byte records, each one name of one object:
//   0  8   double  rightAscension  the object's, radians
//   8  8   double  declination
//   16 1   uint8   kind            a SkyObjectKind
//   17 1   uint8   rank            larger comes first among equal matches
//   18 2   int16   magnitude       the object's, hundredths; NO_MAGNITUDE: none
//   20 4   uint32  object          its record: Stars.dat then FaintStars.dat counted on,
//                                  DeepSky.dat, the constellation's row; NO_OBJECT: none
//   24 40  bytes   name            UTF-8, zero-terminated within the field
constexpr std::string_view NAMES_TAG = "NAME";
constexpr size_t NAME_RECORD_SIZE = 64;
constexpr size_t NAME_BYTES = 40;
constexpr uint32_t NO_OBJECT = 0xFFFFFFFF;

enum class SkyObjectKind : uint8_t { Star = 0, DeepSky = 1, Constellation = 2, Asterism = 3 };

struct NameRecord {
  double rightAscension;
  double declination;
  SkyObjectKind kind;
  uint8_t rank;
  int16_t magnitude;
  uint32_t object;
  char name[NAME_BYTES];  // may lack a terminator in a damaged file
};

DeepSkyRecord DecodeDeepSky(const uint8_t* bytes);
// The declination alone, for passes that pass over most records before decoding them.
inline double DeepSkyDeclinationOf(const uint8_t* bytes) { return ReadF64(bytes + 8); }

// The finer kind kept in a record's flags; Unknown for values beyond the list.
DeepSkyType TypeOf(const DeepSkyRecord& record);
// Flags bits that hold type.
constexpr uint8_t TypeFlags(DeepSkyType type) {
  return static_cast<uint8_t>(static_cast<uint8_t>(type) << DEEP_SKY_TYPE_SHIFT);
}
// "spiral galaxy", "open cluster", ...; empty for Unknown.
const char* DeepSkyTypeName(DeepSkyType type);
MilkyWayVertex DecodeMilkyWayVertex(const uint8_t* bytes);
NameRecord DecodeName(const uint8_t* bytes);

void EncodeDeepSky(const DeepSkyRecord& record, uint8_t* bytes);
void EncodeMilkyWayVertex(const MilkyWayVertex& vertex, uint8_t* bytes);
void EncodeName(const NameRecord& record, uint8_t* bytes);

// The text of a name field up to its first zero, never beyond the field.
template <size_t N>
std::string_view FieldText(const char (&field)[N]) {
  size_t length = 0;
  while (length < N && field[length] != '\0') ++length;
  return std::string_view(field, length);
}

}  // namespace halvane
