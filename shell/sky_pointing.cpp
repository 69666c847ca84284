// "Point at the sky": while it is on, the chart's view follows where the device's back points
// and its rotation follows the device's roll, from the motion sensors read about 30 times a
// second; a frame is asked for only when the aim moved by more than a quarter of a pixel.
#include <cmath>

#include "astro/angles.h"
#include "astro/geomagnetic_field.h"
#include "platform/utf8_text.h"
#include "shell/main_window.h"

namespace halvane {

namespace {

constexpr int32_t READING_INTERVAL_MS = 33;  // about 30 readings a second
constexpr double SMALLEST_MOVE_PIXELS = 0.25;

// The angle between two view centres, radians.
double ArcBetween(double azimuth1, double altitude1, double azimuth2, double altitude2) {
  const double c = std::sin(altitude1) * std::sin(altitude2) +
                   std::cos(altitude1) * std::cos(altitude2) * std::cos(azimuth1 - azimuth2);
  return std::acos(std::fmax(-1.0, std::fmin(1.0, c)));
}

}  // namespace

void MainWindow::SetUpPointAtSky() {
  skyPointer = std::make_unique<SkyPointer>(IioDevicesFolder());
  const std::string& problem = skyPointer->GetProblem();
  EnableMenuItem(menu, COMMAND_POINT_AT_SKY, skyPointer->IsUsable(), Utf8ToUtf16(problem));
  pointingTimer = std::make_unique<RepeatingTimer>([this] {
    const auto now = std::chrono::steady_clock::now();
    const double seconds = std::chrono::duration<double>(now - lastReading).count();
    lastReading = now;
    FollowSensors(seconds);
  });
  if (extension.pointAtSky && skyPointer->IsUsable()) StartPointing();
  CheckMenuItem(menu, COMMAND_POINT_AT_SKY, IsPointingAtSky());
}

bool MainWindow::IsPointingAtSky() const {
  return pointingTimer != nullptr && pointingTimer->IsRunning();
}

void MainWindow::TogglePointAtSky() {
  if (skyPointer == nullptr || !skyPointer->IsUsable()) return;
  if (IsPointingAtSky()) {
    pointingTimer->Stop();
  } else {
    StartPointing();
  }
  extension.pointAtSky = IsPointingAtSky();
  CheckMenuItem(menu, COMMAND_POINT_AT_SKY, extension.pointAtSky);
}

void MainWindow::StartPointing() {
  skyPointer->Restart();
  lastReading = std::chrono::steady_clock::now();
  pointingTimer->Start(READING_INTERVAL_MS);
  FollowSensors(0.0);
}

bool MainWindow::FollowSensors(double seconds) {
  ++sensorReadings;
  if (skyPointer == nullptr || !skyPointer->Update(seconds)) return false;
  const CompassCorrection correction{observer->GetLatitude(), observer->GetLongitude(),
                                     DecimalYearOfJulianDay(moment.GetJulianDayUt()),
                                     extension.compassOffset};
  const DeviceAim aim = skyPointer->GetAim(correction);
  double azimuth = 0.0;
  double altitude = 0.0;
  Projection& projection = chart->GetProjection();
  projection.GetViewDirection(azimuth, altitude);
  // The picture turns against the device, so that the sky keeps its place in the world.
  const double rotation = -aim.roll;
  const double pixelsPerRadian = std::fabs(projection.GetXScale());
  // A turn moves the chart's corners the most: by the rotation times their distance.
  const double cornerDistance = std::hypot(projection.GetCenterX(), projection.GetCenterY());
  const double moved =
      ArcBetween(azimuth, altitude, aim.azimuth, aim.altitude) * pixelsPerRadian +
      std::fabs(std::remainder(rotation - projection.GetRotation(), TWO_PI)) * cornerDistance;
  if (moved <= SMALLEST_MOVE_PIXELS) return false;
  projection.SetViewDirection(aim.azimuth, aim.altitude);
  projection.SetRotation(rotation);
  ++sensorFrames;
  RequestRender();
  return true;
}

}  // namespace halvane
