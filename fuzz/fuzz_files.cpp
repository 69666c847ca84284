// The fuzz targets' scratch folder.
#include "fuzz/fuzz_files.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace halvane {

const std::string& FuzzFolder() {
  static const std::string folder = [] {
    const auto path = std::filesystem::temp_directory_path() /
                      ("halvane-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(path);
    return path.string() + "/";
  }();
  return folder;
}

std::string WriteFuzzFile(const std::string& name, const uint8_t* data, size_t size) {
  const std::string path = FuzzFolder() + name;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  return path;
}

}  // namespace halvane
