// The catalogs' search order and Config.dat beside a writable executable. The read-only case,
// with the settings really saved, is in tests/read_only_install_test.cpp.
#include "platform/app_paths.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "tests/support/scratch_folder.h"

namespace halvane {
namespace {

using test_support::ScratchFolderTest;

class AppPathsTest : public ScratchFolderTest {
 protected:
  void SetUp() override {
    ScratchFolderTest::SetUp();
    bin = (folder / "prefix/bin/").string();
    std::filesystem::create_directories(bin);
    setenv("XDG_DATA_HOME", (folder / "home").c_str(), 1);
    setenv("XDG_DATA_DIRS",
           ("relative:" + (folder / "a").string() + ":" + (folder / "b").string()).c_str(), 1);
  }
  void TearDown() override {
    unsetenv("XDG_DATA_HOME");
    unsetenv("XDG_DATA_DIRS");
    ScratchFolderTest::TearDown();
  }
  std::string Catalogs(const std::filesystem::path& where) {
    std::filesystem::create_directories(where);
    std::ofstream(where / "Stars.dat") << "x";
    return LocateAppFiles(bin).catalogFolder;
  }

  std::string bin;
};

TEST_F(AppPathsTest, CatalogsAreTakenFromTheFirstFolderThatHoldsThem) {
  EXPECT_EQ(LocateAppFiles(bin).catalogFolder, bin);  // nowhere: beside, reported missing there
  EXPECT_EQ(Catalogs(folder / "b/halvane"), (folder / "b/halvane/").string());
  EXPECT_EQ(Catalogs(folder / "a/halvane"), (folder / "a/halvane/").string());
  EXPECT_EQ(Catalogs(folder / "home/halvane"), (folder / "home/halvane/").string());
  EXPECT_EQ(Catalogs(folder / "prefix/share/halvane"), (folder / "prefix/share/halvane/").string());
  EXPECT_EQ(Catalogs(bin), bin);
}

TEST_F(AppPathsTest, ConfigStaysBesideAWritableExecutable) {
  setenv("XDG_CONFIG_HOME", (folder / "config").c_str(), 1);
  const AppFiles files = LocateAppFiles(bin);
  unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(files.configLoadPath, bin + "Config.dat");
  EXPECT_EQ(files.configSavePath, bin + "Config.dat");
  EXPECT_EQ(AppFilesIn("/data").configSavePath, "/data/Config.dat");
}

}  // namespace
}  // namespace halvane
