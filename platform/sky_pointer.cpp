// The sensors' reading through the tilt-compensated compass, the smoothing and the declination.
#include "platform/sky_pointer.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/geomagnetic_field.h"

namespace halvane {

SkyPointer::SkyPointer(const std::string& folder) : sensors(folder) {}

bool SkyPointer::Update(double seconds) {
  SensorReading reading{};
  DeviceAxes axes{};
  if (!sensors.Read(reading) || !AxesFromGravityAndField(reading.gravity, reading.field, axes)) {
    return false;
  }
  filter.Add(axes, seconds, reading.turnRate);
  return true;
}

DeviceAim SkyPointer::GetAim(const CompassCorrection& correction) const {
  DeviceAim aim = AimOfAxes(filter.GetAxes());
  const double declination = MagneticDeclination(
      correction.latitude, EastLongitude(correction.longitudeWest), 0.0, correction.year);
  const double offset = std::isfinite(correction.offset) ? correction.offset : 0.0;
  aim.azimuth = WrapToTurn(aim.azimuth + (declination + offset) * DEG_TO_RAD);
  return aim;
}

}  // namespace halvane
