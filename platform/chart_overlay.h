// Panels laid over the chart inside the main window: Find's field along the chart's top, and
// lists beside the chart on a wide window or as a sheet along its bottom on a narrow one, so
// that nothing opens a window of its own.
#pragma once

#include "platform/window_system.h"

class QWidget;

namespace halvane {

enum class OverlayPlace {
  Top,   // a strip along the chart's top edge
  Side,  // along the right edge of a wide chart, or a sheet along the bottom of a narrow one
};

// Makes widget a child of window, over its chart at place, and keeps it there as the chart's
// size changes. Shown at once, above the chart's other overlays.
void ShowOverChart(WindowHandle window, QWidget& widget, OverlayPlace place);

}  // namespace halvane
