// The drop-down menu of the menu bar's "Menu" button, laid out from the action table.
#pragma once

#include <vector>

#include "platform/menu_bar.h"

namespace halvane {

// In menu order, popups closed by End entries: the table's View popup; the "Go to" popup with
// the constellations in six alphabetical popups, then the directions; then the drop-down's
// own items.
std::vector<MenuEntry> MainMenuEntries();

}  // namespace halvane
