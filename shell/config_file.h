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
//   48 12  the data-file header, tag "CEXT", version 2 (version 1 ends at byte 112 and is
//          still read: the fields after it get their defaults)
//   60  1  uint8   nightVision      non-zero: red on black
//   61  1  int8    starLimitOffset  magnitudes added to the zoom's limit, -3 to +3
//   62  1  uint8   windowFlags      bit 0 the geometry below is known, bit 1 maximised
//   63  1  uint8   reserved         written as 0, ignored
//   64 16  4 x int32 window x, y, width, height (logical pixels, the normal geometry)
//   80 32  char[32] cityName        UTF-8, zero-padded: the city last chosen, empty for none
//  112  2  uint16  viewLayerFlags   set means hidden: bit 0 constellation names, 1 star names,
//                                   2 ground, 3 daylight, 4 ecliptic, 5 deep sky, 6 Milky Way,
//                                   8 comets and asteroids
//  114  1  uint8   phoneFlags       bit 0 the exact position is kept (not rounded), bit 1
//                                   "Point at the sky" on
//  115  1  uint8   updateFlags      bit 0 "Update weekly" on (0 in files of before it)
//  116  4  float32 compassOffset    degrees added to the heading, -180 to 180
//  120 48  char[48] positionSource  UTF-8, zero-padded: "nmea:..." or empty for the
//                                   system's location service
//  168  8  char[8] language         UTF-8, zero-padded: "de", "pt_BR", "en"; empty (as in
//                                   files of before it) for the system's language
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "astro/calendar_time.h"
#include "view/layer_set.h"

namespace halvane {

constexpr size_t CONFIG_RECORD_SIZE = 36;
constexpr size_t CONFIG_EXTENSION_SIZE = 128;    // header included
constexpr size_t CONFIG_EXTENSION_V1_SIZE = 64;  // a version-1 block, header included
constexpr size_t CONFIG_POSITION_SOURCE_BYTES = 48;
constexpr double COMPASS_OFFSET_MAX = 180.0;  // degrees either way
constexpr size_t CONFIG_CITY_NAME_BYTES = 32;
constexpr size_t CONFIG_LANGUAGE_BYTES = 8;
constexpr int32_t STAR_LIMIT_OFFSET_MAX = 3;

struct ConfigRecord {
  double longitude = 0.0;
  double latitude = 0.0;
  uint16_t layerFlags = 0;
  uint8_t useSystemTime = 0;
  uint8_t reserved = 0;
  CalendarTime observationTime;
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
  bool exactPosition = false;   // a position found is kept as it came, not rounded
  std::string positionSource;   // at most CONFIG_POSITION_SOURCE_BYTES - 1 bytes are kept
  bool pointAtSky = false;      // the chart follows the device's sensors
  bool updateWeekly = false;    // element files fetched again when a week has passed
  double compassOffset = 0.0;   // degrees, -COMPASS_OFFSET_MAX to COMPASS_OFFSET_MAX
  uint16_t viewLayerFlags = 0;  // LAYER_..._HIDDEN bits; 0: every view layer shown
  std::string language;         // a code of OfferedLanguages or "en"; empty: the system's
};

// Reads the record after the 12 header bytes, whose content is not examined. When the file
// is missing or shorter than 48 bytes, longitude, latitude, layerFlags and useSystemTime get
// their defaults (-18 20 20, 49 41 49, 6, 1). Each stored value is checked on its own: a
// latitude beyond +/-90, a longitude that is not finite or beyond +/-360 get their defaults (a
// longitude within is brought into (-180, 180]), a fixed time that is not a real date turns
// the clock on. Returns whether a whole record was read.
bool LoadConfig(const std::string& path, ConfigRecord& config);

// Writes header and record to a freshly made temporary file beside path (never through a
// link), renames it over path and syncs the folder, so a failed or interrupted save leaves the
// previous file whole; the temporary file never outlives a failure. An existing file keeps
// its mode; a new one is made 0600. Returns whether it
// succeeded; on failure errno says why.
bool SaveConfig(const std::string& path, const ConfigRecord& config);
// The same, with the extension block after the record.
bool SaveConfig(const std::string& path, const ConfigRecord& config,
                const ConfigExtension& extension);

// Removes the temporary files that saves killed before their rename left beside path: the
// save's own names ("Config.dat.<pid>.<8 hex>"), regular files of this user whose writer is no
// longer running. Returns how many were removed.
int RemoveSaveLeftovers(const std::string& path);

// The bytes SaveConfig writes for config and extension.
std::vector<uint8_t> EncodeConfig(const ConfigRecord& config, const ConfigExtension& extension);
// The whole file at path as EncodeConfig gives it, or empty when it is not one of this version.
std::vector<uint8_t> ReadConfigBytes(const std::string& path);
// Writes bytes as SaveConfig does.
bool SaveConfigBytes(const std::string& path, const std::vector<uint8_t>& bytes);
// What a window saves when another may have saved since: each setting this window changed
// since own (its bytes when it last read or saved the file) as ours has it, every other one
// as onDisk (the file now) has it; switches are merged one by one. ours alone when any of the
// three is not a whole file.
std::vector<uint8_t> MergeConfig(const std::vector<uint8_t>& own, const std::vector<uint8_t>& ours,
                                 const std::vector<uint8_t>& onDisk);

// Reads the extension block. A file without one, or with a damaged one, gives the defaults;
// a star limit beyond its range, a window without a positive size, a city name that is not
// terminated and a compass offset that is not a number within its range are taken as absent.
// Returns whether a block was read.
bool LoadConfigExtension(const std::string& path, ConfigExtension& extension);

}  // namespace halvane
