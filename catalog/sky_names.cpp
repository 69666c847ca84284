// Gathering the names that Find completes.
#include "catalog/sky_names.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <set>
#include <tuple>

#include "catalog/data_file.h"
#include "catalog/layer_geometry.h"
#include "platform/code_page.h"
#include "platform/utf8_text.h"
#include "view/go_to_table.h"

namespace halvane {

namespace {

constexpr uint32_t BODY_WEIGHT = 4u << 24;
constexpr uint32_t MINOR_BODY_WEIGHT = 3u << 24;
constexpr uint32_t CONSTELLATION_WEIGHT = 2u << 24;
constexpr uint32_t LABEL_WEIGHT = 1u << 24;

// Rank first, then brightness: below every label.
uint32_t NameWeight(const NameRecord& record) {
  const int32_t magnitude = std::clamp<int32_t>(record.magnitude, -3000, NO_MAGNITUDE);
  return (uint32_t{record.rank} << 16) + static_cast<uint32_t>(NO_MAGNITUDE + 3000 - magnitude);
}

using ObjectKey = std::tuple<SkyObjectKind, uint32_t, double, double>;

ObjectKey KeyOf(const NameRecord& record) {
  return {record.kind, record.object, record.rightAscension, record.declination};
}

void AddNamesFile(const std::string& namesPath, std::set<std::string>& taken,
                  std::vector<NameEntry>& entries, SkyNames& names) {
  std::vector<NamedObject> records;
  WalkRecords(namesPath, NAMES_TAG, NAME_RECORD_SIZE, [&](const uint8_t* bytes) {
    const NameRecord record = DecodeName(bytes);
    if (!IsUsablePosition(record.rightAscension, record.declination)) return;
    if (!IsValidUtf8(FieldText(record.name))) return;
    records.push_back({record, std::string(FieldText(record.name))});
  });
  std::map<ObjectKey, std::string> shown;
  std::set<ObjectKey> withCommonName;
  for (const NamedObject& named : records) {
    const ObjectKey key = KeyOf(named.record);
    const auto [first, added] = shown.emplace(key, named.shown);
    const bool common =
        named.record.kind == SkyObjectKind::DeepSky && named.record.rank == COMMON_NAME_RANK;
    if (!added && common && withCommonName.insert(key).second) {
      first->second += " " + named.shown;
    }
  }
  for (NamedObject& named : records) {
    const std::string folded = FoldName(named.shown).text;
    if (folded.empty() || !taken.insert(folded).second) continue;
    const NameRecord& record = named.record;
    if (record.kind == SkyObjectKind::Constellation &&
        record.object < static_cast<uint32_t>(GO_TO_ROW_COUNT)) {
      entries.push_back({named.shown, NameKind::Constellation, record.object, NameWeight(record)});
      continue;
    }
    entries.push_back({named.shown, NameKind::Object, static_cast<uint32_t>(names.objects.size()),
                       NameWeight(record)});
    names.objects.push_back({record, shown[KeyOf(record)]});
  }
}

// What users ask for first, answered while no elements are loaded.
constexpr std::string_view BRIGHT_ASTEROIDS[] = {"(1) Ceres", "(2) Pallas", "(3) Juno",
                                                 "(4) Vesta"};

// Asteroids before comets, so that a number finds its asteroid ("1", Ceres, before "12P");
// then the brighter first, by an absolute magnitude of -10 to 50 in tenths.
void AddMinorBodies(const MinorBodyList* bodies, std::set<std::string>& taken,
                    std::vector<NameEntry>& entries) {
  if (bodies == nullptr || bodies->empty()) {
    for (const std::string_view name : BRIGHT_ASTEROIDS) {
      entries.push_back(
          {std::string(name), NameKind::MinorBody, NO_MINOR_BODY_ELEMENTS, MINOR_BODY_WEIGHT});
      taken.insert(FoldName(name).text);
    }
    return;
  }
  for (uint32_t i = 0; i < bodies->size(); ++i) {
    const std::string& name = (*bodies)[i].name;
    const std::string folded = FoldName(name).text;
    if (folded.empty() || !taken.insert(folded).second) continue;
    const double h = std::clamp((*bodies)[i].absoluteMagnitude, -10.0, 50.0);
    const uint32_t kind = (*bodies)[i].kind == MinorBodyKind::Asteroid ? 1000 : 0;
    entries.push_back({name, NameKind::MinorBody, i,
                       MINOR_BODY_WEIGHT + kind + static_cast<uint32_t>((50.0 - h) * 10.0)});
  }
}

}  // namespace

SkyNames LoadSkyNames(const std::string& labelsPath, const std::string& namesPath,
                      const std::string& deepSkyPath, const MinorBodyList* minorBodies) {
  SkyNames names;
  names.deepSkyPath = deepSkyPath;
  std::vector<NameEntry> entries;
  std::set<std::string> taken;  // folded names given already
  std::set<std::string> labelNames;
  for (uint32_t i = 0; i < SOLAR_SYSTEM_BODIES.size(); ++i) {
    const std::string name(SOLAR_SYSTEM_BODIES[i]);
    entries.push_back({name, NameKind::Body, i, BODY_WEIGHT});
    taken.insert(FoldName(name).text);
  }
  AddMinorBodies(minorBodies, taken, entries);
  for (uint32_t row = 0; row < GO_TO_ROW_COUNT; ++row) {
    const std::string name = GO_TO_TABLE[row].name;
    entries.push_back({name, NameKind::Constellation, row, CONSTELLATION_WEIGHT});
    taken.insert(FoldName(name).text);
  }
  WalkRecords(labelsPath, "", LABEL_RECORD_SIZE, [&](const uint8_t* bytes) {
    const LabelRecord record = DecodeLabel(bytes);
    if (!IsUsablePosition(record.rightAscension, record.declination)) return;
    const std::string name = Utf16ToUtf8(Windows1252ToUtf16(record.name, LABEL_NAME_BYTES - 1));
    const std::string folded = FoldName(name).text;
    if (folded.empty() || taken.contains(folded)) return;
    labelNames.insert(folded);
    entries.push_back(
        {name, NameKind::Label, static_cast<uint32_t>(names.labels.size()), LABEL_WEIGHT});
    names.labels.push_back(record);
  });
  taken.merge(labelNames);
  AddNamesFile(namesPath, taken, entries, names);
  names.index = NameIndex(std::move(entries));
  return names;
}

}  // namespace halvane
