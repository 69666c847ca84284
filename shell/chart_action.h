// What commands, keys and navigation-box buttons ask of the chart.
#pragma once

namespace halvane {

enum class ChartAction {
  ViewEast,
  ViewNorth,
  ViewSouth,
  ViewWest,
  ViewZenith,
  ToggleEquatorialGrid,
  ToggleHorizontalGrid,
  ToggleConstellationLines,
  ToggleConstellationBoundaries,
  ToggleSolarSystem,
  ZoomIn,
  ZoomOut,
  ZoomReset,
  RotateClockwise,
  RotateCounterClockwise,
  PanLeft,
  PanRight,
  PanUp,
  PanDown,
  TogglePrecisePositions,
  ToggleConstellationNames,
  ToggleStarNames,
  ToggleGround,
  ToggleDaylight,
  ToggleEcliptic,
  ToggleDeepSky,
  ToggleMilkyWay,
  ToggleMinorBodies,
};

}  // namespace halvane
