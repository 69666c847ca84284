// The information panel over the chart: a sheet along the bottom on a narrow screen (a phone),
// a small panel along the chart's right edge on a wider one. It shows a title and lines of
// text, has a close button, and never takes the keyboard from the chart.
#pragma once

#include <string>
#include <vector>

#include "platform/surface.h"
#include "platform/window_system.h"

class QWidget;

namespace halvane {

// Charts narrower than this many logical pixels get the bottom sheet.
constexpr int32_t NARROW_CHART_WIDTH = 720;

// Shows the panel over window's chart with this text, replacing any it showed.
void ShowInfoPanel(WindowHandle window, const std::u16string& title,
                   const std::vector<std::u16string>& lines);
// Hides it; nothing when it is hidden.
void CloseInfoPanel(WindowHandle window);
bool IsInfoPanelShown(WindowHandle window);
// The chart pixels it covers (client coordinates); empty when hidden.
Rect InfoPanelRect(WindowHandle window);
// For tests: the panel's widget once shown; null before.
QWidget* InfoPanelWidget(WindowHandle window);

}  // namespace halvane
