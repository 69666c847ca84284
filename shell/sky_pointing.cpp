// "Point at the sky" in the window: its menu item and setting, and each reading turned into a
// frame.
#include "astro/calendar.h"
#include "astro/geomagnetic_field.h"
#include "platform/utf8_text.h"
#include "shell/main_window.h"

namespace halvane {

void MainWindow::SetUpPointAtSky() {
  pointing = std::make_unique<PointingMode>(IioDevicesFolder(),
                                            [this](double seconds) { FollowSensors(seconds); });
  EnableMenuItem(menu, COMMAND_POINT_AT_SKY, pointing->IsUsable(),
                 Utf8ToUtf16(pointing->GetProblem()));
  if (extension.pointAtSky) StartPointing();
  CheckMenuItem(menu, COMMAND_POINT_AT_SKY, IsPointingAtSky());
}

bool MainWindow::IsPointingAtSky() const { return pointing != nullptr && pointing->IsOn(); }

void MainWindow::TogglePointAtSky() {
  if (pointing == nullptr || !pointing->IsUsable()) return;
  if (IsPointingAtSky()) {
    pointing->Stop();
  } else {
    StartPointing();
  }
  extension.pointAtSky = IsPointingAtSky();
  CheckMenuItem(menu, COMMAND_POINT_AT_SKY, extension.pointAtSky);
}

void MainWindow::StartPointing() {
  if (!pointing->IsUsable()) return;
  pointing->Start();
  FollowSensors(0.0);
}

bool MainWindow::FollowSensors(double seconds) {
  if (pointing == nullptr) return false;
  const CompassCorrection correction{observer->GetLatitude(), observer->GetLongitude(),
                                     DecimalYear(moment.GetJulianDayUt()), extension.compassOffset};
  if (!pointing->Follow(seconds, correction, chart->GetProjection())) return false;
  UpdateMomentAndRender();
  return true;
}

}  // namespace halvane
