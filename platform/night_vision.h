// Night vision: the whole program in red on black, so that the eyes keep their dark
// adaptation. The chart gets a last pass over its composed image; menus, bars and dialogs a
// red palette and style sheet.
#pragma once

#include "platform/window_system.h"

class QImage;

namespace halvane {

// Switches every window, menu and dialog to red on black or back.
void SetNightVision(WindowHandle window, bool on);
bool IsNightVisionOn();

// Each pixel's brightness (its brightest channel) moved to red, green and blue cleared.
void ToNightVision(QImage& image);

}  // namespace halvane
