// Helpers for the sky view and star layer tests: a temporary folder, star catalogs written
// into it, sky positions placed at chosen pixels, and reading traces back.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "astro/observer.h"
#include "catalog/catalog_records.h"
#include "catalog/data_file.h"
#include "view/sky_view.h"

namespace halvane::view_testing {

// A fresh folder under the system's temporary folder, removed with the object.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "halvane-view-XXXXXX").string();
    path = mkdtemp(pattern.data());
  }
  ~ScratchFolder() { std::filesystem::remove_all(path); }
  std::string File(const std::string& name) const { return (path / name).string(); }

  std::filesystem::path path;
};

inline void WriteStars(const std::string& path, const std::vector<StarRecord>& stars,
                       std::string_view tag = STARS_TAG) {
  std::vector<uint8_t> bytes(HEADER_SIZE + STAR_RECORD_SIZE * stars.size());
  EncodeHeader(tag, bytes.data());
  for (size_t i = 0; i < stars.size(); ++i) {
    EncodeStar(stars[i], bytes.data() + HEADER_SIZE + i * STAR_RECORD_SIZE);
  }
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

// A star that the view draws centred on pixel (sx, sy) at sidereal angle theta: the middle of
// the pixel taken back through the view plane to the sky.
inline StarRecord StarAtPixel(const SkyView& view, int32_t sx, int32_t sy, double theta,
                              int16_t magnitude, int16_t colorIndex) {
  const double x = (sx + (sx >= view.centerX ? 0.5 : -0.5) - view.centerX) / view.xScale;
  const double y = (sy + (sy >= view.centerY ? 0.5 : -0.5) - view.centerY) / view.yScale;
  double azimuth = 0.0;
  double altitude = 0.0;
  view.observer->ViewToHorizontal(x, y, azimuth, altitude);
  double raMinusLst = 0.0;
  double declination = 0.0;
  view.observer->HorizontalToEquatorial(azimuth, altitude, raMinusLst, declination);
  return StarRecord{raMinusLst + theta, declination, magnitude, colorIndex};
}

inline bool StartsWith(const std::string& line, const std::string& prefix) {
  return line.rfind(prefix, 0) == 0;
}

// The integers after the keyword of a trace line ("polyline 2 1 2 3 4" gives 2 1 2 3 4).
inline std::vector<int64_t> Numbers(const std::string& line) {
  std::istringstream in(line.substr(line.find(' ') + 1));
  std::vector<int64_t> numbers;
  int64_t value = 0;
  while (in >> value) numbers.push_back(value);
  return numbers;
}

// The text between the quotes of a "text" trace line.
inline std::string QuotedText(const std::string& line) {
  const size_t open = line.find('"');
  return open == std::string::npos ? std::string() : line.substr(open + 1, line.size() - open - 2);
}

}  // namespace halvane::view_testing
