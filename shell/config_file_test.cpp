// Config.dat on disk: a failed save leaves the previous file whole. Loading every shape of
// file is checked through the app's start in main_window_test.cpp.
#include "shell/config_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "tests/support/scratch_folder.h"

namespace halvane {
namespace {

std::vector<char> Bytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class ConfigFileTest : public test_support::ScratchFolderTest {
 protected:
  std::string path = (folder / "Config.dat").string();
};

TEST_F(ConfigFileTest, AFailedSaveLeavesThePreviousFileWhole) {
  ConfigRecord first;
  first.longitude = 1.0;
  ASSERT_TRUE(SaveConfig(path, first));
  const std::vector<char> before = Bytes(path);

  // Nothing can be written into a folder that does not exist.
  ConfigRecord second;
  second.longitude = 2.0;
  EXPECT_FALSE(SaveConfig((folder / "missing" / "Config.dat").string(), second));
  EXPECT_FALSE(std::filesystem::exists(folder / "missing"));
  EXPECT_EQ(Bytes(path), before);

  // The rename fails over a folder; the temporary file goes with it.
  const std::filesystem::path blocked = folder / "blocked";
  std::filesystem::create_directories(blocked / "Config.dat" / "inside");
  EXPECT_FALSE(SaveConfig((blocked / "Config.dat").string(), second));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(blocked),
                          std::filesystem::directory_iterator()),
            1);
}

// A link planted at the old fixed temporary name (or any name) is never written through: the
// save once truncated and overwrote the link's target.
TEST_F(ConfigFileTest, APlantedLinkIsNeverFollowed) {
  const std::filesystem::path target = folder / "precious";
  std::ofstream(target) << "keep me";
  std::filesystem::create_symlink(target, path + ".tmp");
  ConfigRecord config;
  config.longitude = 3.0;
  ASSERT_TRUE(SaveConfig(path, config));
  EXPECT_EQ(Bytes(target), (std::vector<char>{'k', 'e', 'e', 'p', ' ', 'm', 'e'}));
  EXPECT_TRUE(std::filesystem::is_symlink(path + ".tmp"));
  EXPECT_FALSE(std::filesystem::is_symlink(path));
  ConfigRecord loaded;
  ASSERT_TRUE(LoadConfig(path, loaded));
  EXPECT_EQ(loaded.longitude, 3.0);
  // Saved twice, the folder holds the file, the link and its target: no temporary is left.
  ASSERT_TRUE(SaveConfig(path, config));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder),
                          std::filesystem::directory_iterator()),
            3);
}

// The later settings ride after the first 48 bytes, which a reader of the old layout still
// finds; files without them, or with a damaged block, give the defaults.
TEST_F(ConfigFileTest, TheExtensionBlockKeepsTheLaterSettingsBesideTheOldRecord) {
  ConfigRecord record;
  record.longitude = -0.5;
  record.layerFlags = 13;
  ConfigExtension saved;
  saved.nightVision = true;
  saved.starLimitOffset = -3;
  saved.window = {true, true, -20, 40, 800, 600};
  saved.cityName = "S\xC3\xA3o Paulo";
  ASSERT_TRUE(SaveConfig(path, record, saved));
  EXPECT_EQ(std::filesystem::file_size(path), 48u + CONFIG_EXTENSION_SIZE);

  ConfigRecord loaded;
  ASSERT_TRUE(LoadConfig(path, loaded));
  EXPECT_EQ(loaded.longitude, -0.5);
  EXPECT_EQ(loaded.layerFlags, 13);
  ConfigExtension extension;
  ASSERT_TRUE(LoadConfigExtension(path, extension));
  EXPECT_TRUE(extension.nightVision);
  EXPECT_EQ(extension.starLimitOffset, -3);
  EXPECT_TRUE(extension.window.known && extension.window.maximised);
  EXPECT_EQ(extension.window.x, -20);
  EXPECT_EQ(extension.window.height, 600);
  EXPECT_EQ(extension.cityName, saved.cityName);

  // Damage: a star limit out of range, a window without size, a name without its end.
  std::vector<char> bytes = Bytes(path);
  bytes[61] = 9;
  bytes[76] = 0;
  bytes[77] = 0;
  bytes[78] = 0;
  bytes[79] = 0;
  std::fill(bytes.begin() + 80, bytes.end(), 'x');
  std::ofstream(path, std::ios::binary)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  ASSERT_TRUE(LoadConfigExtension(path, extension));
  EXPECT_TRUE(extension.nightVision);
  EXPECT_EQ(extension.starLimitOffset, 0);
  EXPECT_FALSE(extension.window.known);
  EXPECT_EQ(extension.cityName, "");

  // Another tag, or the old 48-byte file: defaults.
  bytes[52] = 'X';
  std::ofstream(path, std::ios::binary)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  EXPECT_FALSE(LoadConfigExtension(path, extension));
  EXPECT_FALSE(extension.nightVision);
  ASSERT_TRUE(SaveConfig(path, record));
  EXPECT_FALSE(LoadConfigExtension(path, extension));
  EXPECT_FALSE(extension.nightVision);
}

TEST_F(ConfigFileTest, VersionTwoKeepsThePositionSettingsAndVersionOneStillReads) {
  ConfigExtension saved;
  saved.cityName = "Tokyo, JP";
  saved.exactPosition = true;
  saved.positionSource = "nmea:/dev/ttyUSB0";
  ASSERT_TRUE(SaveConfig(path, ConfigRecord{}, saved));
  std::vector<char> bytes = Bytes(path);
  ASSERT_EQ(bytes.size(), 176u);
  EXPECT_EQ(bytes[56], 2);   // the block's version
  EXPECT_EQ(bytes[114], 1);  // phoneFlags: exact position
  EXPECT_EQ(std::string(bytes.data() + 120), "nmea:/dev/ttyUSB0");
  ConfigExtension loaded;
  ASSERT_TRUE(LoadConfigExtension(path, loaded));
  EXPECT_TRUE(loaded.exactPosition);
  EXPECT_EQ(loaded.positionSource, "nmea:/dev/ttyUSB0");

  // The same block as version 1 wrote it: 64 bytes, the later fields absent.
  bytes.resize(112);
  bytes[56] = 1;
  std::ofstream(path, std::ios::binary)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  ASSERT_TRUE(LoadConfigExtension(path, loaded));
  EXPECT_EQ(loaded.cityName, "Tokyo, JP");
  EXPECT_FALSE(loaded.exactPosition);
  EXPECT_EQ(loaded.positionSource, "");
  // A version this reader does not know gives the defaults.
  bytes[56] = 3;
  std::ofstream(path, std::ios::binary)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  EXPECT_FALSE(LoadConfigExtension(path, loaded));
  EXPECT_EQ(loaded.cityName, "");
}

// Version 2 adds "Point at the sky" and the compass offset; a version-1 block still reads, its
// later fields at their defaults.
TEST_F(ConfigFileTest, VersionTwoKeepsThePointingModeAndTheCompassOffset) {
  ConfigExtension saved;
  saved.nightVision = true;
  saved.pointAtSky = true;
  saved.compassOffset = -12.5;
  saved.updateWeekly = true;
  ASSERT_TRUE(SaveConfig(path, ConfigRecord{}, saved));
  std::vector<char> bytes = Bytes(path);
  ASSERT_EQ(bytes.size(), 176u);
  EXPECT_EQ(bytes[56], 2);   // the header's version
  EXPECT_EQ(bytes[114], 2);  // phoneFlags bit 1
  EXPECT_EQ(bytes[115], 1);  // updateFlags bit 0
  EXPECT_EQ(bytes[112], 0);  // the fields of others are written as zeros
  EXPECT_EQ(bytes[120], 0);
  ConfigExtension extension;
  ASSERT_TRUE(LoadConfigExtension(path, extension));
  EXPECT_TRUE(extension.pointAtSky);
  EXPECT_TRUE(extension.updateWeekly);
  EXPECT_EQ(extension.compassOffset, -12.5);

  // An offset beyond half a turn is taken as absent.
  const float wild = 500.0f;
  std::memcpy(bytes.data() + 116, &wild, 4);
  std::ofstream(path, std::ios::binary)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  ASSERT_TRUE(LoadConfigExtension(path, extension));
  EXPECT_TRUE(extension.pointAtSky);
  EXPECT_EQ(extension.compassOffset, 0.0);

  // The first version: 112 bytes, header version 1.
  bytes.resize(112);
  bytes[56] = 1;
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  ASSERT_TRUE(LoadConfigExtension(path, extension));
  EXPECT_TRUE(extension.nightVision);
  EXPECT_FALSE(extension.pointAtSky);
}

TEST_F(ConfigFileTest, ViewLayersAreKeptAndAVersionOneBlockShowsThemAll) {
  ConfigRecord record;
  ConfigExtension saved;
  saved.nightVision = true;
  saved.viewLayerFlags = LAYER_GROUND_HIDDEN | LAYER_ECLIPTIC_HIDDEN;
  ASSERT_TRUE(SaveConfig(path, record, saved));
  std::vector<char> bytes = Bytes(path);
  ASSERT_EQ(bytes.size(), 176u);
  EXPECT_EQ(bytes[56], 2) << "written as version 2";
  ConfigExtension loaded;
  ASSERT_TRUE(LoadConfigExtension(path, loaded));
  EXPECT_EQ(loaded.viewLayerFlags, LAYER_GROUND_HIDDEN | LAYER_ECLIPTIC_HIDDEN);

  // The 64-byte block of version 1: its settings, and every view layer shown.
  bytes.resize(112);
  bytes[56] = 1;
  std::ofstream(path, std::ios::binary)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  ASSERT_TRUE(LoadConfigExtension(path, loaded));
  EXPECT_TRUE(loaded.nightVision);
  EXPECT_EQ(loaded.viewLayerFlags, 0);
}

}  // namespace
}  // namespace halvane
