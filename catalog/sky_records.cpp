// Field-by-field little-endian codecs of the deep-sky, Milky Way and name records.
#include "catalog/sky_records.h"

#include <cstring>

#include "platform/translate.h"

namespace halvane {

DeepSkyRecord DecodeDeepSky(const uint8_t* bytes) {
  const uint8_t kind = bytes[16];
  DeepSkyRecord record{
      ReadF64(bytes),
      ReadF64(bytes + 8),
      kind < DEEP_SKY_KIND_COUNT ? static_cast<DeepSkyKind>(kind) : DeepSkyKind::Other,
      bytes[17],
      ReadI16(bytes + 18),
      ReadU16(bytes + 20),
      ReadU16(bytes + 22),
      {}};
  std::memcpy(record.name, bytes + 24, DEEP_SKY_NAME_BYTES);
  return record;
}

DeepSkyType TypeOf(const DeepSkyRecord& record) {
  const uint8_t type = (record.flags & DEEP_SKY_TYPE_MASK) >> DEEP_SKY_TYPE_SHIFT;
  return type < DEEP_SKY_TYPE_COUNT ? static_cast<DeepSkyType>(type) : DeepSkyType::Unknown;
}

const char* DeepSkyTypeName(DeepSkyType type) {
  switch (type) {
    case DeepSkyType::Unknown: return "";
    case DeepSkyType::SpiralGalaxy: return Words::Mark("spiral galaxy");
    case DeepSkyType::LenticularGalaxy: return Words::Mark("lenticular galaxy");
    case DeepSkyType::DwarfSpheroidalGalaxy: return Words::Mark("dwarf spheroidal galaxy");
    case DeepSkyType::EllipticalGalaxy: return Words::Mark("elliptical galaxy");
    case DeepSkyType::IrregularGalaxy: return Words::Mark("irregular galaxy");
    case DeepSkyType::Galaxy: return Words::Mark("galaxy");
    case DeepSkyType::GalaxyCluster: return Words::Mark("galaxy cluster");
    case DeepSkyType::OpenCluster: return Words::Mark("open cluster");
    case DeepSkyType::GlobularCluster: return Words::Mark("globular cluster");
    case DeepSkyType::BrightNebula: return Words::Mark("bright nebula");
    case DeepSkyType::EmissionNebula: return Words::Mark("emission nebula");
    case DeepSkyType::ReflectionNebula: return Words::Mark("reflection nebula");
    case DeepSkyType::StarFormingRegion: return Words::Mark("star-forming nebula");
    case DeepSkyType::PlanetaryNebula: return Words::Mark("planetary nebula");
    case DeepSkyType::DarkNebula: return Words::Mark("dark nebula");
    case DeepSkyType::SupernovaRemnant: return Words::Mark("supernova remnant");
  }
  return "";
}

MilkyWayVertex DecodeMilkyWayVertex(const uint8_t* bytes) {
  return {ReadF64(bytes), ReadF64(bytes + 8), ReadU16(bytes + 16), bytes[18], bytes[19]};
}

NameRecord DecodeName(const uint8_t* bytes) {
  NameRecord record{ReadF64(bytes),
                    ReadF64(bytes + 8),
                    static_cast<SkyObjectKind>(bytes[16]),
                    bytes[17],
                    ReadI16(bytes + 18),
                    ReadU32(bytes + 20),
                    {}};
  std::memcpy(record.name, bytes + 24, NAME_BYTES);
  return record;
}

void EncodeDeepSky(const DeepSkyRecord& record, uint8_t* bytes) {
  WriteF64(record.rightAscension, bytes);
  WriteF64(record.declination, bytes + 8);
  bytes[16] = static_cast<uint8_t>(record.kind);
  bytes[17] = record.flags;
  WriteI16(record.magnitude, bytes + 18);
  WriteU16(record.majorAxis, bytes + 20);
  WriteU16(record.minorAxis, bytes + 22);
  std::memcpy(bytes + 24, record.name, DEEP_SKY_NAME_BYTES);
}

void EncodeMilkyWayVertex(const MilkyWayVertex& vertex, uint8_t* bytes) {
  WriteF64(vertex.rightAscension, bytes);
  WriteF64(vertex.declination, bytes + 8);
  WriteU16(vertex.polygon, bytes + 16);
  bytes[18] = vertex.level;
  bytes[19] = vertex.ring;
}

void EncodeName(const NameRecord& record, uint8_t* bytes) {
  WriteF64(record.rightAscension, bytes);
  WriteF64(record.declination, bytes + 8);
  bytes[16] = static_cast<uint8_t>(record.kind);
  bytes[17] = record.rank;
  WriteI16(record.magnitude, bytes + 18);
  WriteU32(record.object, bytes + 20);
  std::memcpy(bytes + 24, record.name, NAME_BYTES);
}

}  // namespace halvane
