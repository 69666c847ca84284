// Where a program finds its catalogs and keeps Config.dat: beside the executable in a build
// folder, in the share/ and XDG folders once installed.
#pragma once

#include <string>

namespace halvane {

// Every folder ends with '/'.
struct AppFiles {
  std::string catalogFolder;
  // Config.dat is read from configLoadPath and written to configSavePath; they differ only
  // while a file beside a read-only executable still holds the last settings.
  std::string configLoadPath;
  std::string configSavePath;
};

// Everything in one folder (with or without the trailing '/'): a build folder or --data.
AppFiles AppFilesIn(const std::string& folder);

// The files of a program in executableFolder. Catalogs: the first of executableFolder,
// executableFolder/../share/halvane/, $XDG_DATA_HOME/halvane/ (~/.local/share) and each
// $XDG_DATA_DIRS entry + halvane/ (/usr/local/share:/usr/share) that holds Stars.dat; none
// holding it gives executableFolder, whose missing files the chart reports. Config.dat:
// beside the executable when its folder is writable, else in $XDG_CONFIG_HOME/halvane/
// (~/.config), read from beside the executable until that one exists.
AppFiles LocateAppFiles(const std::string& executableFolder);

// The folder of downloaded and imported orbital elements: $XDG_CACHE_HOME/halvane/, else
// ~/.cache/halvane/.
std::string ElementCacheFolder();

// Creates the folder that holds configPath, with mode 0700 for each folder it makes. Returns
// whether the folder is there afterwards.
bool MakeConfigFolder(const std::string& configPath);

}  // namespace halvane
