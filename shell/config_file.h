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
//
// The settings that came later follow as an extension block, so that a reader of the first 48
// bytes finds them unchanged; a file without the block gives the later settings defaults:
//   48 12  the data-file header, tag "CEXT", version 1
//   60  1  uint8   nightVision      non-zero: red on black
//   61  1  int8    starLimitOffset  magnitudes added to the zoom's limit, -3 to +3
//   62  1  uint8   windowFlags      bit 0 the geometry below is known, bit 1 maximised
//   63  1  uint8   reserved         written as 0, ignored
//   64 16  4 x int32 window x, y, width, height (logical pixels, the normal geometry)
//   80 32  char[32] cityName        UTF-8, zero-padded: the city last chosen, empty for none
// Version 2 of the block (written since) is 128 bytes; a version-1 block of 64 bytes is still
// read, giving the fields below their defaults:
//  112  2  uint16  viewLayerFlags   set means hidden: bit 0 constellation names, 1 star names,
//                                   2 ground, 3 daylight, 4 ecliptic, 5 deep sky, 6 Milky Way
//  114 62  reserved                 written as 0
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "astro/system_time.h"
#include "view/layer_set.h"

namespace halvane {

constexpr size_t CONFIG_RECORD_SIZE = 36;
constexpr size_t CONFIG_EXTENSION_SIZE = 128;    // header included
constexpr size_t CONFIG_EXTENSION_V1_SIZE = 64;  // before the view layers
constexpr size_t CONFIG_CITY_NAME_BYTES = 32;
constexpr int32_t STAR_LIMIT_OFFSET_MAX = 3;

struct ConfigRecord {
  double longitude = 0.0;
  double latitude = 0.0;
  uint16_t layerFlags = 0;
  uint8_t useSystemTime = 0;
  uint8_t reserved = 0;
  SYSTEMTIME observationTime;
};

// Where and how large the window was when it closed.
struct WindowGeometry {
  bool known = false;
  bool maximised = false;
  int32_t x = 0;
  int32_t y = 0;
  int32_t width = 0;
  int32_t height = 0;
};

// The settings of the extension block, with their defaults.
struct ConfigExtension {
  bool nightVision = false;
  int32_t starLimitOffset = 0;  // -STAR_LIMIT_OFFSET_MAX to STAR_LIMIT_OFFSET_MAX
  WindowGeometry window;
  std::string cityName;         // at most CONFIG_CITY_NAME_BYTES - 1 bytes are kept
  uint16_t viewLayerFlags = 0;  // LAYER_..._HIDDEN bits; 0: every view layer shown
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
// The same, with the extension block after the record.
bool SaveConfig(const std::string& path, const ConfigRecord& config,
                const ConfigExtension& extension);

// Reads the extension block. A file without one, or with a damaged one, gives the defaults;
// a star limit beyond its range, a window without a positive size and a city name that is not
// terminated are taken as absent. Returns whether a block was read.
bool LoadConfigExtension(const std::string& path, ConfigExtension& extension);

}  // namespace halvane
