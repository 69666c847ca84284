// The reticle's object: the one whose information panel is open, followed through time steps
// and pans.
#include "platform/info_panel.h"
#include "shell/main_window.h"

namespace halvane {

std::optional<Point> MainWindow::MarkedObjectPixel() {
  if (!IsInfoPanelShown(hwnd)) return std::nullopt;
  const std::optional<SkyPoint>& markedPlace = findPanel.MarkedPlace(GetSkyNames(), moment);
  if (!markedPlace) return std::nullopt;
  const Projection& projection = chart->GetProjection();
  const Direction at = projection.SkyToHorizontal(moment.GetSky(), markedPlace->rightAscension,
                                                  markedPlace->declination);
  double azimuth = 0.0;
  double altitude = 0.0;
  projection.GetViewDirection(azimuth, altitude);
  if (Dot(at, DirectionOf(azimuth, altitude)) <= 0.0) return std::nullopt;  // behind the view
  return projection.HorizontalToScreen(at);
}

}  // namespace halvane
