// Downloads of element files into the cache folder, one after the other, under the rules of
// fetch_rules.h: progress as a line of text, the old file kept on any failure.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace halvane {

struct ElementSource {
  std::string key;       // the rules' name of the file: "stations"
  std::string path;      // path and query on the server: "/NORAD/elements/gp.php?..."
  std::string fileName;  // in the cache folder: "satellites-stations.csv"
};

// The sources of "Update satellites" and "Update comets and asteroids" (the bright minor
// planets of year).
std::vector<ElementSource> SatelliteSources();
std::vector<ElementSource> MinorBodySources(int32_t year);
constexpr char SATELLITE_BASE_URL[] = "https://celestrak.org";
constexpr char MINOR_BODY_BASE_URL[] = "https://minorplanetcenter.net";

struct UpdateOutcome {
  int32_t filesWritten = 0;
  std::vector<std::string> messages;  // one a file not written: why
};

// Empty when text holds usable elements, else why not.
using ElementCheck = std::function<std::string(std::string_view text)>;

class ElementDownloader;

// One update: each source fetched from base (HALVANE_ELEMENTS_URL when set) unless the rules
// hold it back, given up after stallMs without a byte, checked and written atomically to
// cacheFolder. progress gets a short line,
// done the outcome, each from the event loop; destroying the update cancels it.
class ElementUpdate {
 public:
  ElementUpdate(std::vector<ElementSource> sources, const std::string& defaultBase,
                const std::string& cacheFolder, int32_t stallMs, ElementCheck check,
                std::function<void(const std::string&)> progress,
                std::function<void(const UpdateOutcome&)> done);
  ~ElementUpdate();
  ElementUpdate(const ElementUpdate&) = delete;
  ElementUpdate& operator=(const ElementUpdate&) = delete;

 private:
  std::unique_ptr<ElementDownloader> downloader;
};

// Writes bytes to folder/fileName through a temporary file renamed over it, making folder
// when missing. Returns an empty string, or why it failed (the old file is then unchanged).
std::string WriteCacheFile(const std::string& folder, const std::string& fileName,
                           std::string_view bytes);

// The Unix time of the last update that wrote a file, from the rules' state; 0 for none.
int64_t LastElementUpdate(const std::string& cacheFolder);

}  // namespace halvane
