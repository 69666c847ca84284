// Saving the settings must never leave a broken Config.dat: a process killed at any moment of
// a save leaves either the old or the new whole file, the temporary files such kills leave go
// at the next start, and a folder that cannot be written keeps the old file. `make fuzz` runs
// the kills HALVANE_KILL_COUNT times.
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "shell/config_file.h"
#include "tests/support/scratch_folder.h"

namespace halvane {
namespace {

std::vector<char> ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

ConfigRecord Settings(double longitude) {
  ConfigRecord config;
  config.longitude = longitude;
  config.latitude = 50.0;
  config.layerFlags = 13;
  config.useSystemTime = 0;
  config.observationTime = {2005, 1, 6, 1, 21, 0, 0, 0};
  return config;
}

class InterruptedSave : public test_support::ScratchFolderTest {
 protected:
  const std::string path = scratch.File("Config.dat");
};

TEST_F(InterruptedSave, KillAtAnyMomentLeavesTheOldOrTheNewWholeFile) {
  ASSERT_TRUE(SaveConfig(path, Settings(1.0)));
  const std::vector<char> oldFile = ReadBytes(path);
  const std::string newPath = (folder / "expected.dat").string();
  ASSERT_TRUE(SaveConfig(newPath, Settings(2.0)));
  const std::vector<char> newFile = ReadBytes(newPath);
  ASSERT_EQ(oldFile.size(), 48u);

  std::mt19937 random(12345);
  std::uniform_int_distribution<int> delayMicroseconds(0, 3000);
  const char* count = std::getenv("HALVANE_KILL_COUNT");
  const int rounds = count != nullptr ? std::atoi(count) : 60;
  int sawOld = 0;
  int sawNew = 0;
  for (int round = 0; round < rounds; ++round) {
    ASSERT_TRUE(SaveConfig(path, Settings(1.0)));
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      // Saves the new settings over and over until killed.
      for (;;) SaveConfig(path, Settings(2.0));
    }
    std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);

    const std::vector<char> now = ReadBytes(path);
    const bool isOld = now == oldFile;
    const bool isNew = now == newFile;
    ASSERT_TRUE(isOld || isNew) << "round " << round << ": " << now.size() << " bytes";
    sawOld += isOld;
    sawNew += isNew;
    ConfigRecord loaded;
    EXPECT_TRUE(LoadConfig(path, loaded));
  }
  const auto leftovers = [&] {
    int found = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      found += entry.path().filename().string().starts_with("Config.dat.");
    }
    return found;
  };
  const int left = leftovers();
  EXPECT_EQ(RemoveSaveLeftovers(path), left);
  EXPECT_EQ(leftovers(), 0);
  std::printf("%d kills: old file %d, new file %d, %d temporary files left, all removed\n", rounds,
              sawOld, sawNew, left);
  RecordProperty("old", sawOld);
  RecordProperty("new", sawNew);
}

TEST_F(InterruptedSave, ReadOnlyFolderKeepsTheOldFileAndReportsFailure) {
  if (::geteuid() == 0) {
    // Root writes through permissions; a folder on a read-only mount is not at hand here, so
    // a path under a regular file stands in for a folder that cannot take a new file.
    const std::string blocked = path + "/Config.dat";
    ASSERT_TRUE(SaveConfig(path, Settings(1.0)));
    EXPECT_FALSE(SaveConfig(blocked, Settings(2.0)));
    ConfigRecord loaded;
    ASSERT_TRUE(LoadConfig(path, loaded));
    EXPECT_EQ(loaded.longitude, 1.0);
    return;
  }
  ASSERT_TRUE(SaveConfig(path, Settings(1.0)));
  std::filesystem::permissions(
      folder, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  EXPECT_FALSE(SaveConfig(path, Settings(2.0)));
  ConfigRecord loaded;
  ASSERT_TRUE(LoadConfig(path, loaded));
  EXPECT_EQ(loaded.longitude, 1.0);
}

}  // namespace
}  // namespace halvane
