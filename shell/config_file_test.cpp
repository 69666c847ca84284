// Config.dat on disk: a failed save leaves the previous file whole. Loading every shape of
// file is checked through the app's start in main_window_test.cpp.
#include "shell/config_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace halvane {
namespace {

std::vector<char> Bytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class ConfigFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder =
        std::filesystem::temp_directory_path() / ("halvane-config-" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    path = (folder / "Config.dat").string();
  }
  void TearDown() override { std::filesystem::remove_all(folder); }

  std::filesystem::path folder;
  std::string path;
};

TEST_F(ConfigFileTest, AFailedSaveLeavesThePreviousFileWhole) {
  ConfigRecord first;
  first.longitude = 1.0;
  ASSERT_TRUE(SaveConfig(path, first));
  const std::vector<char> before = Bytes(path);

  // The temporary file cannot be made: a folder stands in its place.
  std::filesystem::create_directory(path + ".tmp");
  ConfigRecord second;
  second.longitude = 2.0;
  EXPECT_FALSE(SaveConfig(path, second));
  EXPECT_EQ(Bytes(path), before);

  // Nor can anything be written into a folder that does not exist.
  EXPECT_FALSE(SaveConfig((folder / "missing" / "Config.dat").string(), second));
  EXPECT_FALSE(std::filesystem::exists(folder / "missing"));
}

}  // namespace
}  // namespace halvane
