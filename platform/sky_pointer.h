// Where the device points in the sky: the motion sensors read, smoothed, and turned from
// magnetic to true north by the magnetic declination and the user's compass offset.
#pragma once

#include <string>

#include "astro/aim_filter.h"
#include "astro/device_orientation.h"
#include "platform/iio_sensors.h"

namespace halvane {

// The observer's place and the date, for the declination, and the user's correction.
struct CompassCorrection {
  double latitude = 0.0;       // degrees, north positive
  double longitudeWest = 0.0;  // degrees, west positive (the settings' convention)
  double year = 2026.0;        // decimal year
  double offset = 0.0;         // degrees added to the heading
};

class SkyPointer {
 public:
  // Looks for the sensors under folder (see IioSensors).
  explicit SkyPointer(const std::string& folder);

  bool IsUsable() const { return sensors.IsUsable(); }
  const std::string& GetProblem() const { return sensors.GetProblem(); }

  // Reads the sensors once, seconds after the previous reading, and adds the reading to the
  // smoothing. False when nothing usable was read (the aim stays as it was).
  bool Update(double seconds);
  // The smoothed aim, radians: the azimuth from true north through east.
  DeviceAim GetAim(const CompassCorrection& correction) const;
  // Forgets the smoothing, so that the next reading is taken as it is.
  void Restart() { filter.Reset(); }

 private:
  IioSensors sensors;
  AimFilter filter;
};

}  // namespace halvane
