// Config.dat on disk: every shape of file and every absurd stored value gives a usable record,
// and a failed save leaves the previous file whole.
#include "shell/config_file.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <vector>

#include "astro/angles.h"
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

TEST_F(ConfigFileTest, EveryShapeOfFileAndAbsurdValueGivesAUsableRecord) {
  const CalendarTime fixed{2005, 1, 6, 1, 21, 0, 0, 0};
  const auto saved = [&](double longitude, double latitude, CalendarTime time = {}) {
    ConfigRecord record;
    record.longitude = longitude;
    record.latitude = latitude;
    record.layerFlags = 13;
    record.observationTime = time.year != 0 ? time : fixed;
    EXPECT_TRUE(SaveConfig(path, record));
    return Bytes(path);
  };
  const double home[] = {DmsToDegrees(-18, 20, 20), DmsToDegrees(49, 41, 49)};
  std::vector<char> header = saved(10.0, 20.0);
  std::copy_n("XXXXABCD\x07", 9, header.begin());
  std::vector<char> longer = saved(10.0, 20.0);
  longer.resize(60, '\xEE');
  std::vector<char> shorter = saved(10.0, 20.0);
  shorter.resize(47);
  struct Case {
    const char* what;
    std::vector<char> bytes;
    double longitude;
    double latitude;
    bool whole;  // a record was read, its flags and fixed time kept
  };
  const Case cases[] = {
      {"wrong header, right length", header, 10.0, 20.0, true},
      {"longer than a record", longer, 10.0, 20.0, true},
      {"one byte short", shorter, home[0], home[1], false},
      {"not-a-number place", saved(std::nan(""), std::numeric_limits<double>::infinity()), home[0],
       home[1], true},
      {"latitude 1000", saved(10.0, 1000.0), 10.0, home[1], true},
      {"latitude -91", saved(10.0, -91.0), 10.0, home[1], true},
      {"longitude 1e308", saved(1e308, 20.0), home[0], 20.0, true},
      {"longitude 270", saved(270.0, -90.0), -90.0, -90.0, true},
      {"longitude -200", saved(-200.0, 90.0), 160.0, 90.0, true},
  };
  for (const Case& c : cases) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(c.bytes.data(), static_cast<std::streamsize>(c.bytes.size()));
    ConfigRecord loaded;
    EXPECT_EQ(LoadConfig(path, loaded), c.whole) << c.what;
    EXPECT_EQ(loaded.longitude, c.longitude) << c.what;
    EXPECT_EQ(loaded.latitude, c.latitude) << c.what;
    EXPECT_EQ(loaded.layerFlags, c.whole ? 13 : 6) << c.what;
    EXPECT_EQ(loaded.useSystemTime, c.whole ? 0 : 1) << c.what;
    if (c.whole) {
      EXPECT_EQ(loaded.observationTime, fixed) << c.what;
    }
  }
  // A fixed time that is no real date turns the clock on.
  saved(10.0, 20.0, CalendarTime{2024, 13, 0, 40, 25, 0, 0, 0});
  ConfigRecord loaded;
  ASSERT_TRUE(LoadConfig(path, loaded));
  EXPECT_EQ(loaded.useSystemTime, 1);
}

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

// Only the temporaries of saves whose writer has ended go, however old the others; never a
// link or another user's file. A start calls this (tests/robust_ends_test.cpp).
TEST_F(ConfigFileTest, OnlyTheLeftoversOfEndedSavesAreRemoved) {
  const auto age = [](const std::string& file) {
    std::filesystem::last_write_time(
        file, std::filesystem::last_write_time(file) - std::chrono::hours(1));
  };
  const pid_t gone = ::fork();
  if (gone == 0) ::_exit(0);
  ::waitpid(gone, nullptr, 0);
  const std::string dead = path + "." + std::to_string(gone) + ".";
  const std::string leftover = dead + "0123abcd";
  const std::string running = path + "." + std::to_string(::getpid()) + ".aaaaaaaa";
  const std::string notOurs = dead + "0123ABCD";
  const std::string link = dead + "fedcba98";
  for (const std::string& file : {leftover, running, notOurs}) {
    test_support::WriteBytes(file, {1, 2, 3});
    age(file);
  }
  std::filesystem::create_symlink(leftover, link);
  std::string stranger;
  if (::geteuid() == 0) {
    stranger = dead + "11111111";
    test_support::WriteBytes(stranger, {1});
    age(stranger);
    ASSERT_EQ(::chown(stranger.c_str(), 65534, 65534), 0);
  }

  EXPECT_EQ(RemoveSaveLeftovers(path), 1);
  EXPECT_FALSE(std::filesystem::exists(leftover));
  for (const std::string& kept : {running, notOurs}) EXPECT_TRUE(std::filesystem::exists(kept));
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  if (!stranger.empty()) {
    EXPECT_TRUE(std::filesystem::exists(stranger)) << "another user's file";
  }
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
