// The search for the catalogs and the choice of Config.dat's place.
#include "platform/app_paths.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <vector>

namespace halvane {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view APP_FOLDER = "halvane/";
constexpr std::string_view CONFIG_NAME = "Config.dat";
constexpr std::string_view CATALOG_MARKER = "Stars.dat";

std::string WithSlash(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

// An XDG variable counts only when set to an absolute path.
std::string XdgVariable(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || value[0] != '/') return {};
  return value;
}

std::string HomeFolder() {
  const std::string home = XdgVariable("HOME");
  if (!home.empty()) return home;
  const passwd* user = ::getpwuid(::geteuid());
  return user != nullptr && user->pw_dir != nullptr ? user->pw_dir : "/";
}

std::vector<std::string> DataFolders(const std::string& executableFolder) {
  std::vector<std::string> folders{executableFolder};
  folders.push_back(
      WithSlash((fs::path(executableFolder).parent_path().parent_path() / "share/halvane")
                    .lexically_normal()
                    .string()));
  std::string dataHome = XdgVariable("XDG_DATA_HOME");
  if (dataHome.empty()) dataHome = WithSlash(HomeFolder()) + ".local/share";
  folders.push_back(WithSlash(dataHome) + std::string(APP_FOLDER));
  const char* dirs = std::getenv("XDG_DATA_DIRS");
  const std::string_view list =
      dirs != nullptr && dirs[0] != '\0' ? dirs : "/usr/local/share:/usr/share";
  for (size_t start = 0; start <= list.size();) {
    size_t end = list.find(':', start);
    if (end == std::string_view::npos) end = list.size();
    const std::string_view entry = list.substr(start, end - start);
    if (!entry.empty() && entry.front() == '/') {
      folders.push_back(WithSlash(std::string(entry)) + std::string(APP_FOLDER));
    }
    start = end + 1;
  }
  return folders;
}

// Judged by the permission bits as well as access(): root may write anywhere, yet a folder
// made read-only (an installed bin/) is not the place for the settings.
bool IsWritableFolder(const std::string& folder) {
  struct stat info {};
  if (::stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return false;
  if (::access(folder.c_str(), W_OK) != 0) return false;
  if (info.st_uid == ::geteuid()) return (info.st_mode & S_IWUSR) != 0;
  if (info.st_gid == ::getegid()) return (info.st_mode & S_IWGRP) != 0;
  return (info.st_mode & S_IWOTH) != 0;
}

bool Exists(const std::string& path) {
  std::error_code error;
  return fs::exists(path, error);
}

}  // namespace

AppFiles AppFilesIn(const std::string& folder) {
  const std::string withSlash = WithSlash(folder);
  const std::string config = withSlash + std::string(CONFIG_NAME);
  return {withSlash, config, config};
}

AppFiles LocateAppFiles(const std::string& executableFolder) {
  const std::string beside = WithSlash(executableFolder);
  AppFiles files = AppFilesIn(beside);
  for (const std::string& folder : DataFolders(beside)) {
    if (Exists(folder + std::string(CATALOG_MARKER))) {
      files.catalogFolder = folder;
      break;
    }
  }
  if (IsWritableFolder(beside)) return files;

  std::string configHome = XdgVariable("XDG_CONFIG_HOME");
  // WithSlash: a home of "/" (a user without a passwd entry) gives "/.config", not "//.config".
  if (configHome.empty()) configHome = WithSlash(HomeFolder()) + ".config";
  files.configSavePath = WithSlash(configHome) + std::string(APP_FOLDER) + std::string(CONFIG_NAME);
  if (Exists(files.configSavePath) || !Exists(files.configLoadPath)) {
    files.configLoadPath = files.configSavePath;
  }
  return files;
}

std::string ElementCacheFolder() {
  std::string cacheHome = XdgVariable("XDG_CACHE_HOME");
  if (cacheHome.empty()) cacheHome = HomeFolder() + "/.cache";
  return WithSlash(cacheHome) + std::string(APP_FOLDER);
}

bool MakeConfigFolder(const std::string& configPath) {
  const fs::path folder = fs::path(configPath).parent_path();
  if (folder.empty()) return true;
  fs::path made;
  for (const fs::path& part : folder) {
    made /= part;
    if (::mkdir(made.c_str(), 0700) != 0 && errno != EEXIST) return false;
  }
  struct stat info {};
  return ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace halvane
