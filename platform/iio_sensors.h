// The device's accelerometer, magnetometer and gyroscope as the kernel's Industrial I/O drivers
// show them in sysfs: one folder per device with in_accel_x_raw, in_accel_scale and so on, and
// an optional mount matrix turning the chip's axes into the device's.
#pragma once

#include <string>

#include "astro/device_orientation.h"

namespace halvane {

// One reading in the device frame (x right, y to the top edge, z out of the screen).
struct SensorReading {
  Vector3 gravity;  // m/s^2, pointing up when the device is at rest
  Vector3 field;    // gauss
  double turnRate;  // radians per second from the gyroscope; -1 without one
};

// The folder named by HALVANE_IIO_DEVICES when set and not empty, else /sys/bus/iio/devices.
std::string IioDevicesFolder();

class IioSensors {
 public:
  // Finds the first device with an accelerometer and the first with a magnetometer (a gyroscope
  // too when there is one) under folder, and reads them once to see that they work.
  explicit IioSensors(std::string folder);

  // Both an accelerometer and a magnetometer were found and gave a plausible reading.
  bool IsUsable() const { return problem.empty(); }
  // Why not, in one line for the user; empty when usable.
  const std::string& GetProblem() const { return problem; }
  bool HasGyroscope() const { return !gyroscope.device.empty(); }

  // Reads every axis. False, the reading untouched, when a file cannot be read or a value is not
  // a finite number; the sensors stay usable (a later reading may work).
  bool Read(SensorReading& reading) const;

 private:
  struct Channel {
    std::string device;  // the device's folder with a trailing '/'; empty when not found
    std::string type;    // "accel", "magn", "anglvel"
    double scale[3] = {1.0, 1.0, 1.0};
    double offset[3] = {0.0, 0.0, 0.0};
    double matrix[9] = {1, 0, 0, 0, 1, 0, 0, 0, 1};
  };
  // Finds the channel's device and reads its scales, offsets and mount matrix; a problem in
  // words, or empty.
  std::string Find(Channel& channel, const char* what) const;
  // The channel's three axes, scaled and turned into the device frame.
  bool ReadChannel(const Channel& channel, Vector3& value) const;

  std::string folder;
  Channel accelerometer;
  Channel magnetometer;
  Channel gyroscope;
  std::string problem;
};

}  // namespace halvane
