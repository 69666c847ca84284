// Config.dat: the observer's place, the four layer switches and the time setting, kept from
// one run to the next.
//
// 48 bytes, little-endian: the data-file header (tag "CONF"), then the 36-byte ConfigRecord:
//   12  8  double  longitude      degrees, positive west
//   20  8  double  latitude       degrees, positive north
//   28  2  uint16  layerFlags     bit 0 equatorial grid, 1 horizontal grid,
//                                 2 constellation lines, 3 constellation boundaries
//                                 (bit 5: precise positions, clear in older files)
//   30  1  uint8   useSystemTime  non-zero: the clock; 0: observationTime
//   31  1  uint8   reserved       written as 0, ignored
//   32 16  8 x uint16 observationTime, UTC: year, month, day of week, day, hour,
//                                 minute, second, milliseconds
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "astro/system_time.h"
#include "view/layer_set.h"

namespace halvane {

constexpr size_t CONFIG_RECORD_SIZE = 36;

struct ConfigRecord {
  double longitude = 0.0;
  double latitude = 0.0;
  uint16_t layerFlags = 0;
  uint8_t useSystemTime = 0;
  uint8_t reserved = 0;
  SYSTEMTIME observationTime;
};

// Reads the record after the 12 header bytes, whose content is not examined. When the file
// is missing or shorter than 48 bytes, longitude, latitude, layerFlags and useSystemTime get
// their defaults (-18 20 20, 49 41 49, 6, 1), and so do a longitude or latitude that is not
// a finite number. Returns whether a whole record was read.
bool LoadConfig(const std::string& path, ConfigRecord& config);

// Writes header and record to a freshly made temporary file beside path (never through a
// link), renames it over path and syncs the folder, so a failed or interrupted save leaves the
// previous file whole. Returns whether it succeeded.
bool SaveConfig(const std::string& path, const ConfigRecord& config);

}  // namespace halvane
