// Gathering the names that Find completes.
#include "catalog/sky_names.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <map>
#include <optional>
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

// Asteroids before comets, so that a number finds its asteroid ("1", Ceres, before "12P");
// then the brighter first, by an absolute magnitude of -10 to 50 in tenths.
void AddMinorBodies(const MinorBodyList* bodies, std::set<std::string>& taken,
                    std::vector<NameEntry>& entries, SkyNames& names) {
  names.minorBodiesGiven = bodies != nullptr && !bodies->empty();
  if (!names.minorBodiesGiven) {
    for (uint32_t i = 0; i < BRIGHT_ASTEROIDS.size(); ++i) {
      entries.push_back(
          {std::string(BRIGHT_ASTEROIDS[i]), NameKind::MinorBody, i, MINOR_BODY_WEIGHT});
      taken.insert(FoldName(BRIGHT_ASTEROIDS[i]).text);
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

// A Messier label's Names.dat object, found by the number that opens the label.
std::optional<ObjectRef> MessierObject(const SkyNames& names, const std::string& label) {
  const std::string number = label.substr(0, label.find(' '));
  for (const NameMatch& match : names.index.Complete(number, 4)) {
    const NameEntry& entry = names.index.Entries()[match.entry];
    if (match.quality == MatchQuality::Exact && entry.kind == NameKind::Object) {
      return ObjectOf(names, entry);
    }
  }
  return std::nullopt;
}

// What the labels name that Find knows by another entry.
void LinkLabels(const std::map<std::string, ObjectRef>& earlier,
                const std::vector<std::string>& labelNames, SkyNames& names) {
  for (uint32_t i = 0; i < labelNames.size(); ++i) {
    const auto repeated = earlier.find(FoldName(labelNames[i]).text);
    if (repeated != earlier.end()) {
      names.labelObjects.emplace(i, repeated->second);
    } else if (IsMessierName(labelNames[i])) {
      if (const std::optional<ObjectRef> object = MessierObject(names, labelNames[i])) {
        names.labelObjects.emplace(i, *object);
      }
    }
  }
  for (uint32_t i = 0; i < names.objects.size(); ++i) {
    const NameRecord& record = names.objects[i].record;
    if (record.kind == SkyObjectKind::DeepSky && record.object != NO_OBJECT) {
      names.deepSkyObjects.emplace(record.object, i);
    }
  }
}

}  // namespace

bool IsMessierName(std::string_view name) {
  return name.size() > 1 && name[0] == 'M' &&
         (std::isdigit(static_cast<unsigned char>(name[1])) ||
          (name[1] == ' ' && name.size() > 2 && std::isdigit(static_cast<unsigned char>(name[2]))));
}

ObjectRef ObjectOf(const SkyNames& names, const NameEntry& entry) {
  switch (entry.kind) {
    case NameKind::Label: return {ObjectSource::Label, entry.index};
    case NameKind::Object: return {ObjectSource::NamedObject, entry.index};
    case NameKind::Constellation: return {ObjectSource::Constellation, entry.index};
    case NameKind::Body: return {ObjectSource::Body, entry.index};
    case NameKind::MinorBody:
      return {names.minorBodiesGiven ? ObjectSource::MinorBody : ObjectSource::UnloadedAsteroid,
              entry.index};
    case NameKind::City: break;
  }
  return {ObjectSource::Label, UINT32_MAX};  // no sky names hold cities
}

ObjectRef CanonicalObject(const SkyNames& names, ObjectRef object) {
  if (object.source == ObjectSource::Label) {
    const auto linked = names.labelObjects.find(object.index);
    return linked == names.labelObjects.end() ? object : linked->second;
  }
  if (object.source == ObjectSource::DeepSky) {
    const auto named = names.deepSkyObjects.find(object.index);
    return named == names.deepSkyObjects.end()
               ? object
               : ObjectRef{ObjectSource::NamedObject, named->second};
  }
  return object;
}

SkyNames LoadSkyNames(const std::string& labelsPath, const std::string& namesPath,
                      const std::string& deepSkyPath, const MinorBodyList* minorBodies) {
  SkyNames names;
  names.deepSkyPath = deepSkyPath;
  std::vector<NameEntry> entries;
  std::set<std::string> taken;  // folded names given already
  std::set<std::string> labelNames;
  std::vector<std::string> labelTexts;  // every record's, in file order
  for (uint32_t i = 0; i < SOLAR_SYSTEM_BODIES.size(); ++i) {
    const std::string name(SOLAR_SYSTEM_BODIES[i]);
    entries.push_back({name, NameKind::Body, i, BODY_WEIGHT});
    taken.insert(FoldName(name).text);
  }
  AddMinorBodies(minorBodies, taken, entries, names);
  for (uint32_t row = 0; row < GO_TO_ROW_COUNT; ++row) {
    const std::string name = GO_TO_TABLE[row].name;
    entries.push_back({name, NameKind::Constellation, row, CONSTELLATION_WEIGHT});
    taken.insert(FoldName(name).text);
  }
  std::map<std::string, ObjectRef> earlier;  // folded, for the labels that repeat them
  for (const NameEntry& entry : entries)
    earlier.emplace(FoldName(entry.name).text, ObjectOf(names, entry));
  WalkRecords(labelsPath, "", LABEL_RECORD_SIZE, [&](const uint8_t* bytes) {
    const LabelRecord record = DecodeLabel(bytes);
    const auto number = static_cast<uint32_t>(names.labels.size());
    names.labels.push_back(record);
    labelTexts.push_back(Utf16ToUtf8(Windows1252ToUtf16(record.name, LABEL_NAME_BYTES - 1)));
    if (!IsUsablePosition(record.rightAscension, record.declination)) return;
    const std::string& name = labelTexts.back();
    const std::string folded = FoldName(name).text;
    if (folded.empty() || taken.contains(folded)) return;
    labelNames.insert(folded);
    entries.push_back({name, NameKind::Label, number, LABEL_WEIGHT});
  });
  taken.merge(labelNames);
  AddNamesFile(namesPath, taken, entries, names);
  names.index = NameIndex(std::move(entries));
  LinkLabels(earlier, labelTexts, names);
  return names;
}

}  // namespace halvane
