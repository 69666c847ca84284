// An installed program whose bin/ is read-only: the settings beside it are read once, then
// saved under $XDG_CONFIG_HOME in the same 48 bytes, and read from there afterwards.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>

#include "platform/app_paths.h"
#include "shell/config_file.h"
#include "tests/support/scratch_folder.h"

namespace halvane {
namespace {

using ReadOnlyInstall = test_support::ScratchFolderTest;

TEST_F(ReadOnlyInstall, SettingsMoveToTheConfigFolderAndAreKept) {
  const std::filesystem::path bin = folder / "bin";
  std::filesystem::create_directories(bin);
  ConfigRecord old;
  old.longitude = 12.5;
  ASSERT_TRUE(SaveConfig((bin / "Config.dat").string(), old));
  ::chmod(bin.c_str(), 0555);
  setenv("XDG_CONFIG_HOME", (folder / "config").c_str(), 1);

  const AppFiles first = LocateAppFiles(bin.string());
  ConfigRecord config;
  EXPECT_TRUE(LoadConfig(first.configLoadPath, config));
  EXPECT_EQ(config.longitude, 12.5);
  const std::filesystem::path saved = folder / "config/halvane/Config.dat";
  EXPECT_EQ(first.configSavePath, saved.string());
  config.longitude = -3.0;
  ASSERT_TRUE(MakeConfigFolder(first.configSavePath));
  ASSERT_TRUE(SaveConfig(first.configSavePath, config));

  const AppFiles second = LocateAppFiles(bin.string());
  unsetenv("XDG_CONFIG_HOME");
  ::chmod(bin.c_str(), 0755);
  EXPECT_EQ(second.configLoadPath, saved.string());
  EXPECT_TRUE(LoadConfig(second.configLoadPath, config));
  EXPECT_EQ(config.longitude, -3.0);
  EXPECT_EQ(std::filesystem::file_size(saved), 48u);
  EXPECT_EQ(
      std::filesystem::status(saved.parent_path()).permissions() & std::filesystem::perms::all,
      std::filesystem::perms::owner_all);
  EXPECT_TRUE(LoadConfig((bin / "Config.dat").string(), config));
  EXPECT_EQ(config.longitude, 12.5);  // the old file is left as it was
}

}  // namespace
}  // namespace halvane
