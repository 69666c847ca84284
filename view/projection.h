// Projection: where on the chart. The observer it reads, the field of view, the chart
// rectangle, the view-plane-to-pixel mapping and the grid density, with the zoom and the view
// movements measured by the zoom. Only its own operations change its state.
#pragma once

#include <cstdint>

#include "platform/surface.h"

namespace halvane {

class Observer;

class Projection {
 public:
  // Maps the chart rectangle viewRect (client pixels) at a 90-degree field. The observer is
  // not owned and must outlive the projection.
  Projection(const Rect& viewRect, Observer* observer);

  // Moves the chart to a new rectangle (the window was resized) and recomputes the mapping.
  void SetViewRect(const Rect& rect);

  // View plane (radians, y up) to client pixels; products truncated towards zero.
  void ViewToScreen(double x, double y, int32_t& sx, int32_t& sy) const;
  // Client pixels to view plane; the inverse of ViewToScreen up to the truncation.
  void ScreenToView(int32_t sx, int32_t sy, double& x, double& y) const;

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

  const Observer& GetObserver() const { return *observer; }
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

  Observer* observer;
  double fieldOfView;   // radians across the width of viewRect, in [PI/64, PI]
  double aspect = 1.0;  // width / height of viewRect
  double xFactor;
  double yFactor;
  double xScale = 0.0;  // pixels per radian
  double yScale = 0.0;  // pixels per radian, negative: view-plane y points up
  int32_t centerX = 0;
  int32_t centerY = 0;
  int32_t gridDivisions = 0;  // grid steps in half a turn
  Rect viewRect;
};

}  // namespace halvane
