// Loading and saving Config.dat.
#include "shell/config_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "astro/angles.h"
#include "catalog/data_file.h"

namespace halvane {

namespace {

constexpr std::string_view CONFIG_TAG = "CONF";
constexpr std::string_view EXTENSION_TAG = "CEXT";
constexpr uint16_t EXTENSION_VERSION = 2;
constexpr size_t CONFIG_FILE_SIZE = HEADER_SIZE + CONFIG_RECORD_SIZE;
constexpr uint8_t WINDOW_KNOWN = 1 << 0;
constexpr uint8_t WINDOW_MAXIMISED = 1 << 1;
constexpr uint16_t DEFAULT_LAYER_FLAGS = LAYER_HORIZONTAL_GRID | LAYER_CONSTELLATION_LINES;
constexpr int CREATE_ATTEMPTS = 100;  // names tried before the save gives up

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
  const SYSTEMTIME& t = config.observationTime;
  const uint16_t fields[] = {t.year, t.month,  t.dayOfWeek, t.day,
                             t.hour, t.minute, t.second,    t.milliseconds};
  for (int i = 0; i < 8; ++i) WriteU16(fields[i], p + 20 + 2 * i);
}

void SetDefaults(ConfigRecord& config) {
  config.longitude = DmsToDegrees(-18, 20, 20);
  config.latitude = DmsToDegrees(49, 41, 49);
  config.layerFlags = DEFAULT_LAYER_FLAGS;
  config.useSystemTime = 1;
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
  std::fill_n(p + 20, CONFIG_CITY_NAME_BYTES, 0);
  std::copy_n(extension.cityName.data(), length, p + 20);
  std::fill(p + 52, p + (CONFIG_EXTENSION_SIZE - HEADER_SIZE), 0);
  WriteU16(extension.viewLayerFlags, p + 52);
}

// A version-1 block ends before the view layers.
void DecodeExtensionV2(const uint8_t* p, ConfigExtension& extension) {
  extension.viewLayerFlags = ReadU16(p + 52);
}

// The extension's header: its tag, version 1 or 2, reserved 0. Returns the version, 0 when
// the header is not an extension's.
uint16_t ExtensionVersion(const uint8_t* bytes) {
  const DataFileHeader header = DecodeHeader(bytes);
  if (std::memcmp(header.magic, HEADER_MAGIC.data(), 4) != 0 ||
      std::memcmp(header.tag, EXTENSION_TAG.data(), 4) != 0 || header.reserved != 0) {
    return 0;
  }
  return header.version == 1 || header.version == EXTENSION_VERSION ? header.version : 0;
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
  static std::atomic<uint32_t> counter{0};
  for (int attempt = 0; attempt < CREATE_ATTEMPTS; ++attempt) {
    const uint64_t noise =
        static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
        (static_cast<uint64_t>(::getpid()) << 32) ^ counter.fetch_add(1);
    char suffix[24];
    std::snprintf(suffix, sizeof suffix, ".%016llx", static_cast<unsigned long long>(noise));
    name = path + suffix;
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
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

bool WriteConfigFile(const std::string& path, const uint8_t* bytes, size_t size) {
  std::string temporary;
  const int fd = CreateUniqueBeside(path, temporary);
  if (fd < 0) return false;
  const bool written = WriteAll(fd, bytes, size) && ::fsync(fd) == 0;
  const bool closed = ::close(fd) == 0;
  if (!written || !closed || std::rename(temporary.c_str(), path.c_str()) != 0) {
    std::remove(temporary.c_str());
    return false;
  }
  SyncFolderOf(path);
  return true;
}

}  // namespace

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
  if (!std::isfinite(config.longitude) || !std::isfinite(config.latitude)) {
    config.longitude = DmsToDegrees(-18, 20, 20);
    config.latitude = DmsToDegrees(49, 41, 49);
  }
  return true;
}

bool LoadConfigExtension(const std::string& path, ConfigExtension& extension) {
  extension = ConfigExtension{};
  // The longer block first; a file that ends sooner may hold a version-1 block.
  for (const size_t size : {CONFIG_EXTENSION_SIZE, CONFIG_EXTENSION_V1_SIZE}) {
    RecordFile file(CONFIG_RECORD_SIZE + size);
    const uint8_t* bytes = nullptr;
    if (file.Open(path, "") == WalkResult::Completed) bytes = file.Next();
    if (bytes == nullptr) continue;
    const uint8_t* block = bytes + CONFIG_RECORD_SIZE;
    const uint16_t version = ExtensionVersion(block);
    if (version == 0) return false;
    DecodeExtension(block + HEADER_SIZE, extension);
    if (version == EXTENSION_VERSION && size == CONFIG_EXTENSION_SIZE) {
      DecodeExtensionV2(block + HEADER_SIZE, extension);
    }
    return true;
  }
  return false;
}

bool SaveConfig(const std::string& path, const ConfigRecord& config) {
  uint8_t bytes[CONFIG_FILE_SIZE];
  EncodeHeader(CONFIG_TAG, bytes);
  EncodeRecord(config, bytes + HEADER_SIZE);
  return WriteConfigFile(path, bytes, sizeof bytes);
}

bool SaveConfig(const std::string& path, const ConfigRecord& config,
                const ConfigExtension& extension) {
  uint8_t bytes[CONFIG_FILE_SIZE + CONFIG_EXTENSION_SIZE];
  EncodeHeader(CONFIG_TAG, bytes);
  EncodeRecord(config, bytes + HEADER_SIZE);
  EncodeExtension(extension, bytes + CONFIG_FILE_SIZE);
  return WriteConfigFile(path, bytes, sizeof bytes);
}

}  // namespace halvane
