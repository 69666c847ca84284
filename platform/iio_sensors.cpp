// Reads the IIO sysfs attributes with plain open and read: a reading is a dozen small files.
#include "platform/iio_sensors.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <utility>
#include <vector>

#include "platform/translate.h"

namespace halvane {
namespace {

constexpr char DEFAULT_FOLDER[] = "/sys/bus/iio/devices";
constexpr const char* AXES[3] = {"x", "y", "z"};
// Scales outside this band are taken as a broken driver, not a sensor.
constexpr double SMALLEST_SCALE = 1e-12;
constexpr double LARGEST_SCALE = 1e3;
// Plausible magnitudes at rest: gravity in m/s^2 (a hand may add or take some), the Earth's
// field in gauss (0.25 to 0.65, with room for a nearby magnet or a loose calibration).
constexpr double LEAST_GRAVITY = 3.0;
constexpr double MOST_GRAVITY = 30.0;
constexpr double LEAST_FIELD = 0.01;
constexpr double MOST_FIELD = 20.0;
constexpr auto SEARCH_TIME_LIMIT = std::chrono::seconds(1);

// The first line of a small sysfs file; false when it cannot be read. Only a regular file is
// read, opened without waiting: a fifo or a device planted in the tree would otherwise hold
// the window's thread in open or read forever.
bool ReadLine(const std::string& path, std::string& text) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) return false;
  struct stat status {};
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    ::close(fd);
    return false;
  }
  char buffer[256];
  const ssize_t size = ::read(fd, buffer, sizeof buffer - 1);
  ::close(fd);
  if (size <= 0) return false;
  text.assign(buffer, static_cast<size_t>(size));
  const size_t end = text.find('\n');
  if (end != std::string::npos) text.resize(end);
  return true;
}

bool Exists(const std::string& path) { return ::access(path.c_str(), F_OK) == 0; }

// A whole finite number; false for anything else.
bool ReadNumber(const std::string& path, double& value) {
  std::string text;
  if (!ReadLine(path, text)) return false;
  const char* start = text.c_str();
  char* end = nullptr;
  const double v = std::strtod(start, &end);
  while (end != nullptr && (*end == ' ' || *end == '\t')) ++end;
  if (end == start || end == nullptr || *end != '\0' || !std::isfinite(v)) return false;
  value = v;
  return true;
}

// "a, b, c; d, e, f; g, h, i" row by row; false unless nine finite numbers.
bool ParseMatrix(const std::string& text, double matrix[9]) {
  std::string numbers = text;
  std::replace(numbers.begin(), numbers.end(), ';', ',');
  const char* p = numbers.c_str();
  for (int i = 0; i < 9; ++i) {
    char* end = nullptr;
    const double v = std::strtod(p, &end);
    if (end == p || !std::isfinite(v)) return false;
    matrix[i] = v;
    p = end;
    while (*p == ' ') ++p;
    if (i < 8 && *p++ != ',') return false;
  }
  while (*p == ' ') ++p;
  return *p == '\0';
}

std::vector<std::string> DeviceFolders(const std::string& folder) {
  std::vector<std::string> names;
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return names;
  while (const dirent* entry = ::readdir(dir)) {
    if (entry->d_name[0] != '.') names.emplace_back(entry->d_name);
  }
  ::closedir(dir);
  std::sort(names.begin(), names.end());
  return names;
}

double Length(const Vector3& v) { return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z); }

}  // namespace

std::string IioDevicesFolder() {
  const char* named = std::getenv("HALVANE_IIO_DEVICES");
  return named != nullptr && named[0] != '\0' ? named : DEFAULT_FOLDER;
}

IioSensors::IioSensors(std::string folderPath) : folder(std::move(folderPath)) {
  accelerometer.type = "accel";
  magnetometer.type = "magn";
  gyroscope.type = "anglvel";
  //: motion sensors of a phone
  problem = Find(accelerometer, Words::Mark("accelerometer"));
  if (problem.empty()) problem = Find(magnetometer, Words::Mark("magnetometer"));
  if (!Find(gyroscope, Words::Mark("gyroscope")).empty()) gyroscope.device.clear();
  if (!problem.empty()) return;
  SensorReading first{};
  if (!Read(first)) {
    problem = FillArgs(Words::Tr("The motion sensors in %1 cannot be read."), {folder});
  } else if (const double g = Length(first.gravity); !(g >= LEAST_GRAVITY && g <= MOST_GRAVITY)) {
    problem = Words::Tr("The accelerometer's readings are not plausible (its scale may be wrong).");
  } else if (const double b = Length(first.field); !(b >= LEAST_FIELD && b <= MOST_FIELD)) {
    problem = Words::Tr("The magnetometer's readings are not plausible (its scale may be wrong).");
  }
}

std::string IioSensors::Find(Channel& channel, const char* what) const {
  const std::string prefix = "in_" + channel.type + "_";
  // A tree too slow to read (a network mount, thousands of entries) is not a device's.
  const auto deadline = std::chrono::steady_clock::now() + SEARCH_TIME_LIMIT;
  for (const std::string& name : DeviceFolders(folder)) {
    if (std::chrono::steady_clock::now() > deadline) {
      return FillArgs(Words::Tr("The motion sensors in %1 cannot be read."), {folder});
    }
    const std::string device = folder + "/" + name + "/";
    if (!Exists(device + prefix + "x_raw")) continue;
    for (int axis = 0; axis < 3; ++axis) {
      const std::string own = device + prefix + AXES[axis];
      double scale = 1.0;
      if (Exists(own + "_scale")) {
        if (!ReadNumber(own + "_scale", scale)) scale = NAN;
      } else if (Exists(device + prefix + "scale")) {
        if (!ReadNumber(device + prefix + "scale", scale)) scale = NAN;
      }
      if (!(scale >= SMALLEST_SCALE && scale <= LARGEST_SCALE)) {
        //: %1 is a motion sensor
        return FillArgs(Words::Tr("The %1's scale is not a usable number."), {Words::Tr(what)});
      }
      channel.scale[axis] = scale;
      channel.offset[axis] = 0.0;
      if (Exists(own + "_offset"))
        ReadNumber(own + "_offset", channel.offset[axis]);
      else if (Exists(device + prefix + "offset")) {
        ReadNumber(device + prefix + "offset", channel.offset[axis]);
      }
    }
    for (const std::string& matrixName :
         {prefix + "mount_matrix", std::string("in_mount_matrix"), std::string("mount_matrix")}) {
      if (!Exists(device + matrixName)) continue;
      std::string text;
      if (!ReadLine(device + matrixName, text) || !ParseMatrix(text, channel.matrix)) {
        //: %1 is a motion sensor
        return FillArgs(Words::Tr("The %1's mount matrix cannot be read."), {Words::Tr(what)});
      }
      break;
    }
    channel.device = device;
    return {};
  }
  //: %1 is a motion sensor, %2 a folder
  return FillArgs(Words::Tr("No %1 was found in %2."), {Words::Tr(what), folder});
}

bool IioSensors::ReadChannel(const Channel& channel, Vector3& value) const {
  double raw[3];
  for (int axis = 0; axis < 3; ++axis) {
    double v = 0.0;
    if (!ReadNumber(channel.device + "in_" + channel.type + "_" + AXES[axis] + "_raw", v)) {
      return false;
    }
    raw[axis] = (v + channel.offset[axis]) * channel.scale[axis];
  }
  const double* m = channel.matrix;
  value = {m[0] * raw[0] + m[1] * raw[1] + m[2] * raw[2],
           m[3] * raw[0] + m[4] * raw[1] + m[5] * raw[2],
           m[6] * raw[0] + m[7] * raw[1] + m[8] * raw[2]};
  return std::isfinite(value.x) && std::isfinite(value.y) && std::isfinite(value.z);
}

bool IioSensors::Read(SensorReading& reading) const {
  if (accelerometer.device.empty() || magnetometer.device.empty()) return false;
  SensorReading next{};
  if (!ReadChannel(accelerometer, next.gravity) || !ReadChannel(magnetometer, next.field)) {
    return false;
  }
  Vector3 turn{};
  next.turnRate = HasGyroscope() && ReadChannel(gyroscope, turn) ? Length(turn) : -1.0;
  reading = next;
  return true;
}

}  // namespace halvane
