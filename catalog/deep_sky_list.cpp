// One walk over DeepSky.dat.
#include "catalog/deep_sky_list.h"

#include <algorithm>

#include "catalog/data_file.h"

namespace halvane {

std::vector<NumberedDeepSky> LoadBrightDeepSky(const std::string& path, int16_t faintest) {
  std::vector<NumberedDeepSky> records;
  uint32_t number = 0;
  WalkRecords(path, DEEP_SKY_TAG, DEEP_SKY_RECORD_SIZE, [&](const uint8_t* bytes) {
    const DeepSkyRecord record = DecodeDeepSky(bytes);
    if (record.magnitude != NO_MAGNITUDE && record.magnitude <= faintest) {
      records.push_back({record, number});
    }
    ++number;
  });
  std::stable_sort(records.begin(), records.end(),
                   [](const NumberedDeepSky& a, const NumberedDeepSky& b) {
                     return a.record.magnitude < b.record.magnitude;
                   });
  return records;
}

}  // namespace halvane
