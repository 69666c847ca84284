// Gathering the names that Find completes.
#include "catalog/sky_names.h"

#include <cstdint>
#include <set>

#include "catalog/data_file.h"
#include "catalog/layer_geometry.h"
#include "catalog/utf8_text.h"
#include "platform/code_page.h"
#include "view/go_to_table.h"

namespace halvane {

namespace {

constexpr uint32_t BODY_WEIGHT = 2;
constexpr uint32_t CONSTELLATION_WEIGHT = 1;
constexpr uint32_t LABEL_WEIGHT = 0;

}  // namespace

SkyNames LoadSkyNames(const std::string& labelsPath) {
  SkyNames names;
  std::vector<NameEntry> entries;
  std::set<std::string> taken;  // folded names of bodies and constellations
  for (uint32_t i = 0; i < SOLAR_SYSTEM_BODIES.size(); ++i) {
    const std::string name(SOLAR_SYSTEM_BODIES[i]);
    entries.push_back({name, NameKind::Body, i, BODY_WEIGHT});
    taken.insert(FoldName(name).text);
  }
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
    entries.push_back(
        {name, NameKind::Label, static_cast<uint32_t>(names.labels.size()), LABEL_WEIGHT});
    names.labels.push_back(record);
  });
  names.index = NameIndex(std::move(entries));
  return names;
}

}  // namespace halvane
