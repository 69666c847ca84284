// Projection: where on the chart. The view's direction and rotation, the field of view, the
// chart rectangle, the view-plane-to-pixel mapping and the grid density, with the zoom and the
// view movements. It is the one way between the sky and a pixel that every layer, tap and go-to
// takes. Only its own operations change its state; the observer's place is the moment's.
#pragma once

#include <cstdint>

#include "astro/direction.h"
#include "platform/surface.h"
#include "view/pixel_math.h"
#include "view/view_orientation.h"

namespace halvane {

class SkyPlaces;

class Projection {
 public:
  // Maps the chart rectangle viewRect (client pixels) at a 90-degree field. The view looks at
  // the zenith.
  explicit Projection(const Rect& viewRect);

  // Moves the chart to a new rectangle (the window was resized) and recomputes the mapping.
  void SetViewRect(const Rect& rect);

  // View plane (radians, y up) to client pixels; products truncated towards zero.
  void ViewToScreen(double x, double y, int32_t& sx, int32_t& sy) const {
    sx = ToInt32(TruncateClamped(xScale * x) + centerX);
    sy = ToInt32(TruncateClamped(yScale * y) + centerY);
  }
  // Client pixels to view plane; the inverse of ViewToScreen up to the truncation.
  void ScreenToView(int32_t sx, int32_t sy, double& x, double& y) const;

  // The one way from the sky to a pixel. A J2000 right ascension and declination (radians) to
  // the horizontal direction the chart draws, through the frame's sky and its observer.
  Direction SkyToHorizontal(const SkyPlaces& sky, double rightAscension, double declination) const;
  // A horizontal direction to its client pixel.
  Point HorizontalToScreen(const Direction& horizontal) const {
    double exactX = 0.0;
    double exactY = 0.0;
    return HorizontalToScreen(horizontal, exactX, exactY);
  }
  // The same, also giving the pixel before truncation.
  Point HorizontalToScreen(const Direction& horizontal, double& exactX, double& exactY) const {
    double x = 0.0;
    double y = 0.0;
    orientation.HorizontalToView(horizontal, x, y);
    exactX = xScale * x + centerX;
    exactY = yScale * y + centerY;
    Point p;
    ViewToScreen(x, y, p.x, p.y);
    return p;
  }
  // The same from an azimuth and altitude (radians).
  Point HorizontalToScreen(double azimuth, double altitude) const {
    return HorizontalToScreen(DirectionOf(azimuth, altitude));
  }
  // A horizontal direction to its place on the chart in pixels, not truncated.
  void HorizontalToPixel(const Direction& horizontal, double& pixelX, double& pixelY) const {
    HorizontalToScreen(horizontal, pixelX, pixelY);
  }
  // A client pixel back to the J2000 direction (radians) the chart draws there.
  void ScreenToSky(const SkyPlaces& sky, int32_t x, int32_t y, double& rightAscension,
                   double& declination) const;
  // The two halves of ScreenToSky, for callers that look at the horizontal place on the way.
  void ScreenToHorizontal(int32_t x, int32_t y, double& azimuth, double& altitude) const;
  void HorizontalToSky(const SkyPlaces& sky, double azimuth, double altitude,
                       double& rightAscension, double& declination) const;

  // Where the chart looks and how it is turned; see ViewOrientation.
  const ViewOrientation& GetOrientation() const { return orientation; }
  void GetViewDirection(double& azimuth, double& altitude) const {
    orientation.GetViewDirection(azimuth, altitude);
  }
  void SetViewDirection(double azimuth, double altitude) {
    orientation.SetViewDirection(azimuth, altitude);
  }
  // Centres the view on a J2000 direction (radians) as the frame's sky places it.
  void AimAt(const SkyPlaces& sky, double rightAscension, double declination);
  void RotateClockwise() { orientation.RotateClockwise(); }
  void RotateCounterClockwise() { orientation.RotateCounterClockwise(); }
  double GetRotation() const { return orientation.GetRotation(); }
  void SetRotation(double radians) { orientation.SetRotation(radians); }

  void ZoomIn();
  void ZoomOut();
  void ZoomReset();
  void PanLeft();
  void PanRight();
  void PanUp();
  void PanDown();
  // Moves the view by the angle a drag of (dx, dy) pixels spans at the current scale, so that
  // the picture follows the stylus as a grabbed picture does, whatever the rotation.
  void DragView(int32_t dx, int32_t dy);

  double GetFieldOfView() const { return fieldOfView; }  // radians across the chart's width
  double GetAspect() const { return aspect; }            // width / height of the chart
  double GetXScale() const { return xScale; }            // pixels per radian
  double GetYScale() const { return yScale; }            // negative: view-plane y points up
  int32_t GetCenterX() const { return centerX; }
  int32_t GetCenterY() const { return centerY; }
  int32_t GetGridDivisions() const { return gridDivisions; }  // grid steps in half a turn
  const Rect& GetViewRect() const { return viewRect; }

 private:
  // Recomputes aspect, centre, scales and grid divisions from viewRect and fieldOfView.
  void UpdateProjection();

  ViewOrientation orientation;
  double fieldOfView;   // radians across the width of viewRect, in [PI/64, PI]
  double aspect = 1.0;  // width / height of viewRect
  double xScale = 0.0;  // pixels per radian
  double yScale = 0.0;  // pixels per radian, negative: view-plane y points up
  int32_t centerX = 0;
  int32_t centerY = 0;
  int32_t gridDivisions = 0;  // grid steps in half a turn
  Rect viewRect;
};

}  // namespace halvane
