// SkyView: the state of the chart renderer (zoom, view-plane-to-pixel mapping, grid density,
// layer switches, progress strip) and the operations that draw and search the chart.
// The layers are SkyView operations defined beside their data: the grids and the frame in
// view/, the catalog layers and the identification in catalog/.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "catalog/picked_label.h"
#include "platform/surface.h"

namespace halvane {

class Observer;

class SkyView {
 public:
  // Creates the view for the chart rectangle viewRect (client pixels) and loads the star
  // sprite sheet. The observer is not owned and must outlive the view. The four paths are
  // left empty for the caller to fill.
  SkyView(const Rect& viewRect, Observer* observer);
  ~SkyView();
  SkyView(const SkyView&) = delete;
  SkyView& operator=(const SkyView&) = delete;

  // Recomputes aspect, centre, scales and grid divisions from viewRect and fieldOfView.
  void UpdateProjection();
  // Moves the chart to a new rectangle (the window was resized) and recomputes the mapping.
  void SetViewRect(const Rect& rect);

  // View plane (radians, y up) to client pixels; products truncated towards zero.
  void ViewToScreen(double x, double y, int32_t& sx, int32_t& sy) const;
  // Client pixels to view plane; the inverse of ViewToScreen up to the truncation.
  void ScreenToView(int32_t sx, int32_t sy, double& x, double& y) const;
  // Paints the progress strip, viewWidth x progress percent wide, white, onto surface.
  void ShowProgress(Surface& surface);

  // Composes one frame into drawSurface, showing progress on progressSurface; siderealAngle
  // is the local sidereal time in radians.
  void DrawFrame(Surface& drawSurface, Surface& progressSurface, double siderealAngle);
  void DrawHorizontalGrid(Surface& surface);
  void DrawEquatorialGrid(Surface& surface, double siderealAngle);
  void DrawConstellationLines(Surface& surface, double siderealAngle);
  void DrawConstellationBoundaries(Surface& surface, double siderealAngle);
  void DrawStars(Surface& drawSurface, Surface& progressSurface, double siderealAngle);

  // Finds the Labels.dat object nearest to client pixel (x, y) and, when it lies within a
  // tenth of the field of view, writes its name and pixel into label; else leaves label.
  void IdentifyObject(PickedLabel& label, int32_t x, int32_t y, double siderealAngle) const;

  void ZoomIn();
  void ZoomOut();
  void ZoomReset();
  void PanLeft();
  void PanRight();
  void PanUp();
  void PanDown();
  // Moves the view by the angle a drag of (dx, dy) pixels spans at the current scale.
  void DragView(int32_t dx, int32_t dy);

  Observer* observer;
  double fieldOfView;   // radians across the width of viewRect, in [PI/64, PI]
  double aspect = 1.0;  // width / height of viewRect
  double xFactor;
  double yFactor;
  double xScale = 0.0;  // pixels per radian
  double yScale = 0.0;  // pixels per radian, negative: view-plane y points up
  int32_t centerX = 0;
  int32_t centerY = 0;
  std::unique_ptr<Bitmap> starSprites;  // null when the sheet could not be loaded
  int32_t gridDivisions = 0;            // grid steps in half a turn
  int32_t starCount = 0;                // star records read by the last accepted pass
  double progress = 0.0;                // percent of the current frame done
  Rect viewRect;
  Rect progressRect;
  int32_t viewWidth = 0;
  std::string starsPath;
  std::string linesPath;
  std::string boundariesPath;
  std::string labelsPath;
  bool showEquatorialGrid = false;
  bool showHorizontalGrid = true;
  bool showConstellationLines = true;
  bool showConstellationBoundaries = false;
};

}  // namespace halvane
