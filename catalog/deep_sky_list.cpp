// One walk over DeepSky.dat.
#include "catalog/deep_sky_list.h"

#include <algorithm>

#include "catalog/data_file.h"

namespace halvane {

std::vector<DeepSkyRecord> LoadBrightDeepSky(const std::string& path, int16_t faintest) {
  std::vector<DeepSkyRecord> records;
  WalkRecords(path, DEEP_SKY_TAG, DEEP_SKY_RECORD_SIZE, [&](const uint8_t* bytes) {
    const DeepSkyRecord record = DecodeDeepSky(bytes);
    if (record.magnitude != NO_MAGNITUDE && record.magnitude <= faintest) records.push_back(record);
  });
  std::stable_sort(
      records.begin(), records.end(),
      [](const DeepSkyRecord& a, const DeepSkyRecord& b) { return a.magnitude < b.magnitude; });
  return records;
}

}  // namespace halvane
