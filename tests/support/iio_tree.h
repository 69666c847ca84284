// A synthetic Industrial I/O tree, as the kernel shows it in sysfs, for a device held at a known
// aim: the gravity and field its sensors would measure are worked out here by turning an upright
// device step by step (roll, then altitude, then azimuth), not by the program's own maths.
#pragma once

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace halvane::test_support {

struct SyntheticDevice {
  double azimuth = 0.0;      // degrees from true north through east, of the device's back
  double altitude = 0.0;     // degrees
  double roll = 0.0;         // degrees, clockwise as the user sees the screen
  double declination = 0.0;  // degrees: magnetic north this far east of true north
  bool magnetometer = true;
  bool gyroscope = false;
  // The accelerometer chip turned a quarter turn on the board, with the matrix that says so.
  bool turnedAccelerometer = false;
};

namespace iio_detail {

struct V {
  double x, y, z;
};

// Turns v about the unit axis by angle radians (Rodrigues' formula).
inline V Turn(const V& v, const V& k, double angle) {
  const double c = std::cos(angle), s = std::sin(angle);
  const double dot = k.x * v.x + k.y * v.y + k.z * v.z;
  const V cross = {k.y * v.z - k.z * v.y, k.z * v.x - k.x * v.z, k.x * v.y - k.y * v.x};
  return {v.x * c + cross.x * s + k.x * dot * (1 - c), v.y * c + cross.y * s + k.y * dot * (1 - c),
          v.z * c + cross.z * s + k.z * dot * (1 - c)};
}

inline void WriteText(const std::filesystem::path& path, const std::string& text) {
  std::ofstream(path) << text << "\n";
}

// Raw counts of a value at a scale, rounded as a converter would.
inline void WriteAxes(const std::filesystem::path& device, const std::string& type, const V& value,
                      double scale) {
  WriteText(device / ("in_" + type + "_x_raw"), std::to_string(std::lround(value.x / scale)));
  WriteText(device / ("in_" + type + "_y_raw"), std::to_string(std::lround(value.y / scale)));
  WriteText(device / ("in_" + type + "_z_raw"), std::to_string(std::lround(value.z / scale)));
  std::ostringstream text;
  text.precision(9);
  text << scale;
  WriteText(device / ("in_" + type + "_scale"), text.str());
}

}  // namespace iio_detail

constexpr double SYNTHETIC_ACCEL_SCALE = 0.000598;  // m/s^2 a count
constexpr double SYNTHETIC_MAGN_SCALE = 0.00015;    // gauss a count

// Writes folder/iio:device0 (accelerometer, gyroscope when asked) and folder/iio:device1
// (magnetometer), replacing what was there. The field: 0.2 gauss horizontal, 0.43 down.
inline void WriteIioTree(const std::filesystem::path& folder, const SyntheticDevice& device) {
  using namespace iio_detail;
  constexpr double RAD = 3.141592653589793 / 180.0;
  // Upright and facing north: x east, y up, z (towards the user) south.
  V axes[3] = {{1, 0, 0}, {0, 0, 1}, {0, -1, 0}};
  for (V& a : axes) {
    a = Turn(a, {0, 1, 0}, device.roll * RAD);      // about the line of sight, north
    a = Turn(a, {1, 0, 0}, device.altitude * RAD);  // about east: north rises
    a = Turn(a, {0, 0, 1}, -device.azimuth * RAD);  // about up: north turns east
  }
  auto inDevice = [&axes](const V& world) {
    return V{world.x * axes[0].x + world.y * axes[0].y + world.z * axes[0].z,
             world.x * axes[1].x + world.y * axes[1].y + world.z * axes[1].z,
             world.x * axes[2].x + world.y * axes[2].y + world.z * axes[2].z};
  };
  const V gravity = inDevice({0, 0, 9.80665});
  const double d = device.declination * RAD;
  const V field = inDevice({0.2 * std::sin(d), 0.2 * std::cos(d), -0.43});

  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
  const std::filesystem::path accel = folder / "iio:device0";
  const std::filesystem::path magn = folder / "iio:device1";
  std::filesystem::create_directories(accel);
  WriteText(accel / "name", "synthetic-accel");
  if (device.turnedAccelerometer) {
    // The chip's x is the device's -y, its y the device's x: device = M chip.
    WriteText(accel / "in_accel_mount_matrix", "0, -1, 0; 1, 0, 0; 0, 0, 1");
    WriteAxes(accel, "accel", {gravity.y, -gravity.x, gravity.z}, SYNTHETIC_ACCEL_SCALE);
  } else {
    WriteAxes(accel, "accel", gravity, SYNTHETIC_ACCEL_SCALE);
  }
  if (device.gyroscope) WriteAxes(accel, "anglvel", {0, 0, 0}, 0.001);
  if (!device.magnetometer) return;
  std::filesystem::create_directories(magn);
  WriteText(magn / "name", "synthetic-magn");
  WriteAxes(magn, "magn", field, SYNTHETIC_MAGN_SCALE);
}

}  // namespace halvane::test_support
