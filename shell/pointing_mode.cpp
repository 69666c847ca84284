#include "shell/pointing_mode.h"

#include <cmath>

#include "astro/angles.h"

namespace halvane {

namespace {

constexpr int32_t READING_INTERVAL_MS = 33;  // about 30 readings a second
constexpr double SMALLEST_MOVE_PIXELS = 0.25;

}  // namespace

PointingMode::PointingMode(const std::string& iioFolder, std::function<void(double)> onReading)
    : pointer(iioFolder), timer([this, onReading = std::move(onReading)] {
        const auto now = std::chrono::steady_clock::now();
        const double seconds = std::chrono::duration<double>(now - lastReading).count();
        lastReading = now;
        onReading(seconds);
      }) {}

void PointingMode::Start() {
  if (!pointer.IsUsable()) return;
  pointer.Restart();
  lastReading = std::chrono::steady_clock::now();
  timer.Start(READING_INTERVAL_MS);
}

bool PointingMode::Follow(double seconds, const CompassCorrection& correction,
                          Projection& projection) {
  ++readings;
  if (!pointer.Update(seconds)) return false;
  const DeviceAim aim = pointer.GetAim(correction);
  double azimuth = 0.0;
  double altitude = 0.0;
  projection.GetViewDirection(azimuth, altitude);
  // The picture turns against the device, so that the sky keeps its place in the world.
  const double rotation = -aim.roll;
  const double pixelsPerRadian = std::fabs(projection.GetXScale());
  // A turn moves the chart's corners the most: by the rotation times their distance.
  const double cornerDistance = std::hypot(projection.GetCenterX(), projection.GetCenterY());
  const double moved =
      AngularSeparation(azimuth, altitude, aim.azimuth, aim.altitude) * pixelsPerRadian +
      std::fabs(WrapToHalfTurn(rotation - projection.GetRotation())) * cornerDistance;
  if (moved <= SMALLEST_MOVE_PIXELS) return false;
  projection.SetViewDirection(aim.azimuth, aim.altitude);
  projection.SetRotation(rotation);
  ++frames;
  return true;
}

}  // namespace halvane
