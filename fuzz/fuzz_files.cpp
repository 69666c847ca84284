// The fuzz targets' scratch folder.
#include "fuzz/fuzz_files.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace halvane {

const std::string& FuzzFolder() {
  // Never destroyed, so the exit handler below can still read it.
  static const std::string* const folder = [] {
    const auto path =
        std::filesystem::temp_directory_path() / ("halvane-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(path);
    auto* name = new std::string(path.string() + "/");
    // Leave nothing behind in the temporary folder.
    std::atexit([] {
      std::error_code ignored;
      std::filesystem::remove_all(FuzzFolder(), ignored);
    });
    return name;
  }();
  return *folder;
}

std::string WriteFuzzFile(const std::string& name, const uint8_t* data, size_t size) {
  const std::string path = FuzzFolder() + name;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  return path;
}

}  // namespace halvane
