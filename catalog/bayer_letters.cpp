// Names.dat gives each Bayer star as "α Ori", "alf Ori" and "α Orionis"; the first form's
// letter is the one written on the chart.
#include "catalog/bayer_letters.h"

#include <cmath>
#include <set>
#include <string_view>

#include "catalog/data_file.h"
#include "catalog/layer_geometry.h"
#include "catalog/sky_records.h"
#include "platform/utf8_text.h"

namespace halvane {

namespace {

constexpr size_t ABBREVIATION_LENGTH = 3;

bool IsGreek(char16_t c) { return c >= u'\u0391' && c <= u'\u03C9'; }

}  // namespace

void BayerLetters::Load(const std::string& namesPath) {
  if (loaded && loadedPath == namesPath) return;
  loaded = true;
  loadedPath = namesPath;
  stars.clear();
  std::set<uint32_t> lettered;
  WalkRecords(namesPath, NAMES_TAG, NAME_RECORD_SIZE, [&](const uint8_t* bytes) {
    const NameRecord record = DecodeName(bytes);
    if (record.kind != SkyObjectKind::Star || !IsValidUtf8(FieldText(record.name))) return;
    const std::u16string name = Utf8ToUtf16(FieldText(record.name));
    const size_t space = name.find(u' ');
    if (space == std::u16string::npos || space == 0 || !IsGreek(name[0]) ||
        name.size() - space - 1 != ABBREVIATION_LENGTH) {
      return;
    }
    if (!IsUsablePosition(record.rightAscension, record.declination)) return;
    if (record.object != NO_OBJECT && !lettered.insert(record.object).second) return;
    stars.push_back(
        {record.rightAscension, record.declination, name.substr(0, space), record.magnitude});
  });
}

}  // namespace halvane
