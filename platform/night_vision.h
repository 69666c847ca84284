// Night vision: the whole program in red on black, so that the eyes keep their dark
// adaptation. The chart gets a last pass over its composed image; menus, bars and dialogs a
// red palette and style sheet.
#pragma once

#include "platform/window_system.h"

class QImage;
class QWidget;

namespace halvane {

// Switches every window, menu and dialog to red on black or back.
void SetNightVision(WindowHandle window, bool on);
bool IsNightVisionOn();

// While night vision is on, widget is drawn through the same pixel pass as the chart: for
// widgets whose pictures (a line edit's clear button) no palette reaches. Call on creation.
void FollowNightVision(QWidget& widget);

// Each pixel's brightness (its brightest channel) moved to red, green and blue cleared.
void ToNightVision(QImage& image);

}  // namespace halvane
