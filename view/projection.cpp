// The projection's state, its mapping between the view plane and client pixels, and the way
// between the sky and a pixel.
#include "view/projection.h"

#include <cmath>
#include <cstdint>

#include "astro/angles.h"
#include "astro/sky_places.h"
#include "view/pixel_math.h"

namespace halvane {

namespace {

// The grid densities the chart can choose from, scanned from the largest.
constexpr int32_t GRID_DIVISION_TABLE[] = {360, 180, 36, 18, 12, 9, 6};

}  // namespace

Projection::Projection(const Rect& rect) : fieldOfView(DEG_TO_RAD * 90.0), viewRect(rect) {
  UpdateProjection();
}

void Projection::UpdateProjection() {
  const double width = static_cast<double>(int64_t{viewRect.right} - viewRect.left);
  const double height = static_cast<double>(int64_t{viewRect.bottom} - viewRect.top);
  aspect = width / height;
  centerX = static_cast<int32_t>((int64_t{viewRect.left} + viewRect.right) / 2);
  centerY = static_cast<int32_t>((int64_t{viewRect.top} + viewRect.bottom) / 2);
  const double r = 1.0 / fieldOfView;
  xScale = r * width;
  yScale = -((r * aspect) * height);

  int32_t n = ToInt32(TruncateClamped((5.0 / std::sqrt(fieldOfView)) * PI));
  if (n > 360) n = 360;
  gridDivisions = n;
  for (const int32_t divisions : GRID_DIVISION_TABLE) {
    if (divisions <= n) {
      gridDivisions = divisions;
      break;
    }
  }
}

void Projection::SetViewRect(const Rect& rect) {
  viewRect = rect;
  UpdateProjection();
}

void Projection::ScreenToView(int32_t sx, int32_t sy, double& x, double& y) const {
  x = static_cast<double>(int64_t{sx} - centerX) / xScale;
  y = static_cast<double>(int64_t{sy} - centerY) / yScale;
}

Direction Projection::SkyToHorizontal(const SkyPlaces& sky, double rightAscension,
                                      double declination) const {
  return sky.ToHorizontal(rightAscension, declination);
}

void Projection::ScreenToHorizontal(int32_t x, int32_t y, double& azimuth, double& altitude) const {
  double u = 0.0;
  double v = 0.0;
  ScreenToView(x, y, u, v);
  orientation.ViewToHorizontal(u, v, azimuth, altitude);
}

void Projection::HorizontalToSky(const SkyPlaces& sky, double azimuth, double altitude,
                                 double& rightAscension, double& declination) const {
  sky.FromHorizontal(azimuth, altitude, rightAscension, declination);
}

void Projection::ScreenToSky(const SkyPlaces& sky, int32_t x, int32_t y, double& rightAscension,
                             double& declination) const {
  double azimuth = 0.0;
  double altitude = 0.0;
  ScreenToHorizontal(x, y, azimuth, altitude);
  HorizontalToSky(sky, azimuth, altitude, rightAscension, declination);
}

void Projection::AimAt(const SkyPlaces& sky, double rightAscension, double declination) {
  double azimuth = 0.0;
  double altitude = 0.0;
  sky.ToHorizontal(rightAscension, declination, azimuth, altitude);
  orientation.SetViewDirection(azimuth, altitude);
}

}  // namespace halvane
