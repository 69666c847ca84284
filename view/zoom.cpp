// Zoom and the view movements measured by the zoom: arrow-key steps and stylus drags.
#include "view/projection.h"

#include "astro/angles.h"

namespace halvane {

namespace {

constexpr double NARROWEST_FIELD = PI * 0.015625;  // PI / 64, 2.8125 degrees
constexpr double WIDEST_FIELD = PI;
constexpr double PAN_FRACTION = 0.1;  // an arrow key moves a tenth of the field

}  // namespace

void Projection::ZoomIn() {
  fieldOfView = fieldOfView * 0.5;
  if (fieldOfView < NARROWEST_FIELD) fieldOfView = NARROWEST_FIELD;
  UpdateProjection();
}

void Projection::ZoomOut() {
  fieldOfView = fieldOfView * 2.0;
  if (fieldOfView > WIDEST_FIELD) fieldOfView = WIDEST_FIELD;
  UpdateProjection();
}

void Projection::ZoomReset() {
  fieldOfView = DEG_TO_RAD * 90.0;
  UpdateProjection();
}

// Past the zenith or the nadir the picture is upside down, so azimuth steps turn round.
void Projection::PanLeft() {
  const double sign = orientation.IsOverPole() ? 1.0 : -1.0;
  orientation.PanView(fieldOfView * (sign * PAN_FRACTION), 0.0);
}

void Projection::PanRight() {
  const double sign = orientation.IsOverPole() ? -1.0 : 1.0;
  orientation.PanView(fieldOfView * (sign * PAN_FRACTION), 0.0);
}

void Projection::PanUp() { orientation.PanView(0.0, fieldOfView * PAN_FRACTION); }

void Projection::PanDown() { orientation.PanView(0.0, fieldOfView * -PAN_FRACTION); }

void Projection::DragView(int32_t dx, int32_t dy) {
  const double width = static_cast<double>(int64_t{viewRect.right} - viewRect.left);
  if (width <= 0.0) return;  // no chart, nothing a drag could span
  // The picture follows the stylus: the view centre moves the other way, and the drag is turned
  // back through the rotation into the unrotated view plane (y up).
  const double planeX = (static_cast<double>(dx) * fieldOfView) / width;
  const double planeY = (static_cast<double>(-dy) * fieldOfView) / width;
  const double cosR = orientation.GetCosRotation();
  const double sinR = orientation.GetSinRotation();
  double dAzimuth = -(cosR * planeX - sinR * planeY);
  const double dAltitude = -(sinR * planeX + cosR * planeY);
  if (orientation.IsOverPole()) dAzimuth = -dAzimuth;
  orientation.PanView(dAzimuth, dAltitude);
}

}  // namespace halvane
