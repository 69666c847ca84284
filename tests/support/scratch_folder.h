// A private temporary folder for a test, removed with it, and a fixture that gives each test
// of a suite a fresh one.
#pragma once

#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace halvane::test_support {

// Writes bytes as the whole file at path, replacing whatever was there, a folder included.
inline void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::error_code ignored;
  std::filesystem::remove_all(path, ignored);
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

// A fresh folder under the system's temporary folder, removed with the object.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "halvane-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "no scratch folder: " << pattern;
    path = pattern;
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::permissions(path, std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(path, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  std::string File(const std::string& name) const { return (path / name).string(); }
  // Writes the bytes as File(name) and returns that path.
  std::string Write(const std::string& name, const std::vector<uint8_t>& bytes) const {
    const std::string file = File(name);
    WriteBytes(file, bytes);
    return file;
  }

  std::filesystem::path path;
};

// A suite whose every test gets its own scratch folder.
class ScratchFolderTest : public ::testing::Test {
 protected:
  std::string Write(const std::string& name, const std::vector<uint8_t>& bytes) {
    return scratch.Write(name, bytes);
  }

  ScratchFolder scratch;
  const std::filesystem::path& folder = scratch.path;
};

}  // namespace halvane::test_support
