// Loading and saving Config.dat.
#include "shell/config_file.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <random>

#include "astro/angles.h"
#include "catalog/data_file.h"
#include "platform/clock.h"

namespace halvane {

namespace {

constexpr std::string_view CONFIG_TAG = "CONF";
constexpr std::string_view EXTENSION_TAG = "CEXT";
constexpr size_t CONFIG_FILE_SIZE = HEADER_SIZE + CONFIG_RECORD_SIZE;
constexpr uint8_t WINDOW_KNOWN = 1 << 0;
constexpr uint8_t WINDOW_MAXIMISED = 1 << 1;
constexpr uint8_t PHONE_EXACT_POSITION = 1 << 0;
constexpr uint16_t EXTENSION_VERSION = 2;
constexpr size_t VIEW_LAYER_FLAGS_AT = 52;  // in the block, after its header
constexpr size_t PHONE_FLAGS_AT = 54;       // in the block, after its header
constexpr size_t POSITION_SOURCE_AT = 60;   // in the block, after its header
constexpr size_t LANGUAGE_AT = 108;         // in the block, after its header
constexpr uint8_t PHONE_POINT_AT_SKY = 1 << 1;
constexpr size_t UPDATE_FLAGS_AT = 55;  // in the block, after its header
constexpr uint8_t UPDATE_WEEKLY = 1 << 0;
constexpr size_t COMPASS_OFFSET_AT = 56;  // in the block, after its header
constexpr int CREATE_ATTEMPTS = 100;      // names tried before the save gives up
// The save's temporary is "<path>.<writer's pid>.<8 hex>", so that a later start can tell a
// save still running from a killed one's leftover.
constexpr size_t TEMPORARY_NOISE_DIGITS = 8;
constexpr size_t MAX_PID_DIGITS = 10;
constexpr mode_t NEW_FILE_MODE = 0600;  // the settings may hold an exact position

void DecodeRecord(const uint8_t* p, ConfigRecord& config) {
  config.longitude = ReadF64(p);
  config.latitude = ReadF64(p + 8);
  config.layerFlags = ReadU16(p + 16);
  config.useSystemTime = p[18];
  config.reserved = p[19];
  uint16_t* fields[] = {&config.observationTime.year,      &config.observationTime.month,
                        &config.observationTime.dayOfWeek, &config.observationTime.day,
                        &config.observationTime.hour,      &config.observationTime.minute,
                        &config.observationTime.second,    &config.observationTime.milliseconds};
  for (int i = 0; i < 8; ++i) *fields[i] = ReadU16(p + 20 + 2 * i);
}

void EncodeRecord(const ConfigRecord& config, uint8_t* p) {
  WriteF64(config.longitude, p);
  WriteF64(config.latitude, p + 8);
  WriteU16(config.layerFlags, p + 16);
  p[18] = config.useSystemTime;
  p[19] = 0;
  const CalendarTime& t = config.observationTime;
  const uint16_t fields[] = {t.year, t.month,  t.dayOfWeek, t.day,
                             t.hour, t.minute, t.second,    t.milliseconds};
  for (int i = 0; i < 8; ++i) WriteU16(fields[i], p + 20 + 2 * i);
}

double DefaultLongitude() { return DmsToDegrees(-18, 20, 20); }
double DefaultLatitude() { return DmsToDegrees(49, 41, 49); }

void SetDefaults(ConfigRecord& config) {
  config.longitude = DefaultLongitude();
  config.latitude = DefaultLatitude();
  config.layerFlags = DEFAULT_LAYER_FLAGS;
  config.useSystemTime = 1;
}

// A stored value is taken as the dialog takes a typed one: each field beyond its range falls
// back to its own default, the others stay. A longitude within a turn either way (some write
// 0 to 360) is brought into (-180, 180]; beyond that it is damage, not a convention.
void CheckStoredValues(ConfigRecord& config) {
  if (!std::isfinite(config.latitude) || std::abs(config.latitude) > 90.0) {
    config.latitude = DefaultLatitude();
  }
  if (!std::isfinite(config.longitude) || std::abs(config.longitude) > 360.0) {
    config.longitude = DefaultLongitude();
  } else if (config.longitude <= -180.0) {
    config.longitude += 360.0;
  } else if (config.longitude > 180.0) {
    config.longitude -= 360.0;
  }
  if (config.useSystemTime == 0 && !IsRealTime(config.observationTime)) {
    config.useSystemTime = 1;
    config.observationTime = CalendarTime{};
  }
}

bool WriteAll(int fd, const uint8_t* bytes, size_t size) {
  while (size > 0) {
    const ssize_t written = ::write(fd, bytes, size);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes += written;
    size -= static_cast<size_t>(written);
  }
  return true;
}

void EncodeExtension(const ConfigExtension& extension, uint8_t* p) {
  EncodeHeader(EXTENSION_TAG, p);
  WriteU16(EXTENSION_VERSION, p + 8);
  p += HEADER_SIZE;
  p[0] = extension.nightVision ? 1 : 0;
  p[1] = static_cast<uint8_t>(static_cast<int8_t>(extension.starLimitOffset));
  const WindowGeometry& window = extension.window;
  p[2] = static_cast<uint8_t>((window.known ? WINDOW_KNOWN : 0) |
                              (window.maximised ? WINDOW_MAXIMISED : 0));
  p[3] = 0;
  const int32_t numbers[] = {window.x, window.y, window.width, window.height};
  for (int i = 0; i < 4; ++i) WriteU32(static_cast<uint32_t>(numbers[i]), p + 4 + 4 * i);
  const size_t length = std::min(extension.cityName.size(), CONFIG_CITY_NAME_BYTES - 1);
  std::fill_n(p + 20, CONFIG_EXTENSION_SIZE - HEADER_SIZE - 20, 0);
  std::copy_n(extension.cityName.data(), length, p + 20);
  WriteU16(extension.viewLayerFlags, p + VIEW_LAYER_FLAGS_AT);
  p[PHONE_FLAGS_AT] = static_cast<uint8_t>((extension.exactPosition ? PHONE_EXACT_POSITION : 0) |
                                           (extension.pointAtSky ? PHONE_POINT_AT_SKY : 0));
  p[UPDATE_FLAGS_AT] = extension.updateWeekly ? UPDATE_WEEKLY : 0;
  WriteU32(std::bit_cast<uint32_t>(static_cast<float>(extension.compassOffset)),
           p + COMPASS_OFFSET_AT);
  const size_t sourceLength =
      std::min(extension.positionSource.size(), CONFIG_POSITION_SOURCE_BYTES - 1);
  std::copy_n(extension.positionSource.data(), sourceLength, p + POSITION_SOURCE_AT);
  const size_t languageLength = std::min(extension.language.size(), CONFIG_LANGUAGE_BYTES - 1);
  std::copy_n(extension.language.data(), languageLength, p + LANGUAGE_AT);
}

// The fields that version 2 added; p is the block after its header.
void DecodeVersion2Fields(const uint8_t* p, ConfigExtension& extension) {
  extension.viewLayerFlags = ReadU16(p + VIEW_LAYER_FLAGS_AT);
  extension.exactPosition = (p[PHONE_FLAGS_AT] & PHONE_EXACT_POSITION) != 0;
  extension.pointAtSky = (p[PHONE_FLAGS_AT] & PHONE_POINT_AT_SKY) != 0;
  extension.updateWeekly = (p[UPDATE_FLAGS_AT] & UPDATE_WEEKLY) != 0;
  const double offset = std::bit_cast<float>(ReadU32(p + COMPASS_OFFSET_AT));
  if (std::isfinite(offset) && std::fabs(offset) <= COMPASS_OFFSET_MAX) {
    extension.compassOffset = offset;
  }
  const char* source = reinterpret_cast<const char*>(p + POSITION_SOURCE_AT);
  const size_t length = strnlen(source, CONFIG_POSITION_SOURCE_BYTES);
  if (length < CONFIG_POSITION_SOURCE_BYTES) extension.positionSource.assign(source, length);
  const char* language = reinterpret_cast<const char*>(p + LANGUAGE_AT);
  const size_t languageLength = strnlen(language, CONFIG_LANGUAGE_BYTES);
  if (languageLength < CONFIG_LANGUAGE_BYTES) extension.language.assign(language, languageLength);
}

// The block's version when its header is whole and names a version this reader knows; 0
// otherwise.
uint16_t ExtensionVersion(const uint8_t* block) {
  uint8_t header[HEADER_SIZE];
  std::copy_n(block, HEADER_SIZE, header);
  const uint16_t version = ReadU16(header + 8);
  WriteU16(HEADER_VERSION, header + 8);
  if (!ValidateHeader(header, EXTENSION_TAG)) return 0;
  return version == 1 || version == EXTENSION_VERSION ? version : 0;
}

void DecodeExtension(const uint8_t* p, ConfigExtension& extension) {
  extension = ConfigExtension{};
  extension.nightVision = p[0] != 0;
  const int32_t offset = p[1] < 128 ? p[1] : p[1] - 256;  // two's complement int8
  if (std::abs(offset) <= STAR_LIMIT_OFFSET_MAX) extension.starLimitOffset = offset;
  WindowGeometry window;
  window.x = static_cast<int32_t>(ReadU32(p + 4));
  window.y = static_cast<int32_t>(ReadU32(p + 8));
  window.width = static_cast<int32_t>(ReadU32(p + 12));
  window.height = static_cast<int32_t>(ReadU32(p + 16));
  window.known = (p[2] & WINDOW_KNOWN) != 0 && window.width > 0 && window.height > 0;
  window.maximised = window.known && (p[2] & WINDOW_MAXIMISED) != 0;
  if (window.known) extension.window = window;
  const char* name = reinterpret_cast<const char*>(p + 20);
  const size_t length = strnlen(name, CONFIG_CITY_NAME_BYTES);
  if (length < CONFIG_CITY_NAME_BYTES) extension.cityName.assign(name, length);
}

// Creates a new file beside path under a name nobody could have prepared: exclusively, so
// that an existing file or a planted link at that name fails the open instead of being
// followed. Returns the descriptor and the name, or -1.
int CreateUniqueBeside(const std::string& path, std::string& name) {
  std::random_device entropy;
  for (int attempt = 0; attempt < CREATE_ATTEMPTS; ++attempt) {
    const uint64_t noise = entropy();
    char suffix[40];
    std::snprintf(suffix, sizeof suffix, ".%ld.%0*llx", static_cast<long>(::getpid()),
                  static_cast<int>(TEMPORARY_NOISE_DIGITS),
                  static_cast<unsigned long long>(noise & 0xFFFFFFFFu));
    name = path + suffix;
    const int fd =
        ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, NEW_FILE_MODE);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// Makes the rename itself survive a power cut. The file is in place either way, so a folder
// that cannot be synced does not fail the save.
void SyncFolderOf(const std::string& path) {
  const std::filesystem::path folder = std::filesystem::path(path).parent_path();
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// The file at path keeps its rights: a user who made Config.dat private keeps it private.
void KeepModeOf(const std::string& path, int fd) {
  struct stat existing {};
  if (::stat(path.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)) {
    ::fchmod(fd, existing.st_mode & 07777);
  }
}

bool WriteConfigFile(const std::string& path, const uint8_t* bytes, size_t size) {
  std::string temporary;
  const int fd = CreateUniqueBeside(path, temporary);
  if (fd < 0) return false;
  KeepModeOf(path, fd);
  const bool written = WriteAll(fd, bytes, size) && ::fsync(fd) == 0;
  const bool closed = ::close(fd) == 0;
  if (!written || !closed || std::rename(temporary.c_str(), path.c_str()) != 0) {
    const int reason = errno;
    std::remove(temporary.c_str());
    errno = reason;
    return false;
  }
  SyncFolderOf(path);
  return true;
}

// The pid of the save that made a temporary of the config named configName, or 0 when name
// is not one.
pid_t TemporaryWriter(const std::string& name, const std::string& configName) {
  if (name.size() <= configName.size() + 1 ||
      name.compare(0, configName.size() + 1, configName + ".") != 0) {
    return 0;
  }
  const std::string rest = name.substr(configName.size() + 1);
  const size_t dot = rest.find('.');
  if (dot == 0 || dot == std::string::npos || dot > MAX_PID_DIGITS ||
      rest.size() != dot + 1 + TEMPORARY_NOISE_DIGITS) {
    return 0;
  }
  const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
  const auto isHex = [&](char c) { return isDigit(c) || (c >= 'a' && c <= 'f'); };
  if (!std::all_of(rest.begin(), rest.begin() + static_cast<std::ptrdiff_t>(dot), isDigit) ||
      !std::all_of(rest.begin() + static_cast<std::ptrdiff_t>(dot) + 1, rest.end(), isHex)) {
    return 0;
  }
  const long pid = std::strtol(rest.c_str(), nullptr, 10);
  return pid > 0 && pid <= INT32_MAX ? static_cast<pid_t>(pid) : 0;
}

bool IsRunning(pid_t pid) { return ::kill(pid, 0) == 0 || errno == EPERM; }

}  // namespace

int RemoveSaveLeftovers(const std::string& path) {
  const std::filesystem::path config(path);
  const std::filesystem::path folder = config.parent_path().empty() ? "." : config.parent_path();
  const std::string configName = config.filename().string();
  std::error_code error;
  int removed = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    const pid_t writer = TemporaryWriter(entry.path().filename().string(), configName);
    // A save still running, in this program or another, is left alone.
    if (writer == 0 || writer == ::getpid() || IsRunning(writer)) continue;
    struct stat status {};
    // So are a link and someone else's file.
    if (::lstat(entry.path().c_str(), &status) != 0 || !S_ISREG(status.st_mode) ||
        status.st_uid != ::geteuid()) {
      continue;
    }
    if (::unlink(entry.path().c_str()) == 0) ++removed;
  }
  return removed;
}

bool LoadConfig(const std::string& path, ConfigRecord& config) {
  // The header's content is not examined: any 48 bytes give a record.
  RecordFile file(CONFIG_RECORD_SIZE);
  const uint8_t* record = nullptr;
  if (file.Open(path, "") == WalkResult::Completed) record = file.Next();
  if (record == nullptr) {
    SetDefaults(config);
    return false;
  }
  DecodeRecord(record, config);
  CheckStoredValues(config);
  return true;
}

bool LoadConfigExtension(const std::string& path, ConfigExtension& extension) {
  extension = ConfigExtension{};
  RecordFile file(CONFIG_RECORD_SIZE + CONFIG_EXTENSION_V1_SIZE);
  const uint8_t* bytes = nullptr;
  if (file.Open(path, "") == WalkResult::Completed) bytes = file.Next();
  if (bytes == nullptr) return false;
  const uint16_t version = ExtensionVersion(bytes + CONFIG_RECORD_SIZE);
  if (version == 0) return false;
  DecodeExtension(bytes + CONFIG_RECORD_SIZE + HEADER_SIZE, extension);
  if (version == 1) return true;
  RecordFile whole(CONFIG_RECORD_SIZE + CONFIG_EXTENSION_SIZE);
  const uint8_t* all = nullptr;
  if (whole.Open(path, "") == WalkResult::Completed) all = whole.Next();
  // A version-2 block cut short keeps what its first part holds.
  if (all != nullptr) DecodeVersion2Fields(all + CONFIG_RECORD_SIZE + HEADER_SIZE, extension);
  return true;
}

bool SaveConfig(const std::string& path, const ConfigRecord& config) {
  uint8_t bytes[CONFIG_FILE_SIZE];
  EncodeHeader(CONFIG_TAG, bytes);
  EncodeRecord(config, bytes + HEADER_SIZE);
  return WriteConfigFile(path, bytes, sizeof bytes);
}

std::vector<uint8_t> EncodeConfig(const ConfigRecord& config, const ConfigExtension& extension) {
  std::vector<uint8_t> bytes(CONFIG_FILE_SIZE + CONFIG_EXTENSION_SIZE);
  EncodeHeader(CONFIG_TAG, bytes.data());
  EncodeRecord(config, bytes.data() + HEADER_SIZE);
  EncodeExtension(extension, bytes.data() + CONFIG_FILE_SIZE);
  return bytes;
}

bool SaveConfig(const std::string& path, const ConfigRecord& config,
                const ConfigExtension& extension) {
  const std::vector<uint8_t> bytes = EncodeConfig(config, extension);
  return WriteConfigFile(path, bytes.data(), bytes.size());
}

bool SaveConfigBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  return WriteConfigFile(path, bytes.data(), bytes.size());
}

std::vector<uint8_t> ReadConfigBytes(const std::string& path) {
  RecordFile file(CONFIG_RECORD_SIZE + CONFIG_EXTENSION_SIZE);
  const uint8_t* record = nullptr;
  if (file.Open(path, CONFIG_TAG) == WalkResult::Completed) record = file.Next();
  if (record == nullptr || ExtensionVersion(record + CONFIG_RECORD_SIZE) != EXTENSION_VERSION) {
    return {};
  }
  std::vector<uint8_t> bytes(CONFIG_FILE_SIZE + CONFIG_EXTENSION_SIZE);
  EncodeHeader(CONFIG_TAG, bytes.data());
  std::copy_n(record, CONFIG_RECORD_SIZE + CONFIG_EXTENSION_SIZE, bytes.data() + HEADER_SIZE);
  return bytes;
}

std::vector<uint8_t> MergeConfig(const std::vector<uint8_t>& own, const std::vector<uint8_t>& ours,
                                 const std::vector<uint8_t>& onDisk) {
  const size_t size = CONFIG_FILE_SIZE + CONFIG_EXTENSION_SIZE;
  if (own.size() != size || ours.size() != size || onDisk.size() != size) return ours;
  struct Span {
    size_t at;
    size_t size;
  };
  // Settings that change together move together: the place with its city's name, the clock
  // switch with the fixed time, the window's flags with its geometry. Switches merge bit by
  // bit, so two windows each turning a different layer on both keep theirs.
  constexpr size_t BLOCK = CONFIG_FILE_SIZE + HEADER_SIZE;
  const std::vector<std::vector<Span>> settings = {
      {{HEADER_SIZE, 16}, {BLOCK + 20, CONFIG_CITY_NAME_BYTES}},
      {{HEADER_SIZE + 18, 18}},
      {{BLOCK, 1}},
      {{BLOCK + 1, 1}},
      {{BLOCK + 2, 18}},
      {{BLOCK + COMPASS_OFFSET_AT, 4}},
      {{BLOCK + POSITION_SOURCE_AT, CONFIG_POSITION_SOURCE_BYTES}},
      {{BLOCK + LANGUAGE_AT, CONFIG_LANGUAGE_BYTES}},
  };
  const std::vector<Span> switches = {
      {HEADER_SIZE + 16, 2}, {BLOCK + VIEW_LAYER_FLAGS_AT, 2}, {BLOCK + PHONE_FLAGS_AT, 1}};
  // The time a clock gave changes every minute without anyone changing a setting.
  const auto withoutClockTime = [](std::vector<uint8_t> bytes) {
    if (bytes[HEADER_SIZE + 18] != 0) std::fill_n(bytes.begin() + HEADER_SIZE + 20, 16, 0);
    return bytes;
  };
  const std::vector<uint8_t> ownSettings = withoutClockTime(own);
  const std::vector<uint8_t> ourSettings = withoutClockTime(ours);
  std::vector<uint8_t> merged = onDisk;
  for (const std::vector<Span>& setting : settings) {
    const bool changed = std::any_of(setting.begin(), setting.end(), [&](const Span& span) {
      return !std::equal(ownSettings.begin() + static_cast<std::ptrdiff_t>(span.at),
                         ownSettings.begin() + static_cast<std::ptrdiff_t>(span.at + span.size),
                         ourSettings.begin() + static_cast<std::ptrdiff_t>(span.at));
    });
    if (!changed) continue;
    for (const Span& span : setting) {
      std::copy_n(ours.begin() + static_cast<std::ptrdiff_t>(span.at), span.size,
                  merged.begin() + static_cast<std::ptrdiff_t>(span.at));
    }
  }
  for (const Span& span : switches) {
    for (size_t i = span.at; i < span.at + span.size; ++i) {
      const auto flipped = static_cast<uint8_t>(own[i] ^ ours[i]);
      merged[i] = static_cast<uint8_t>((onDisk[i] & ~flipped) | (ours[i] & flipped));
    }
  }
  return merged;
}

}  // namespace halvane
