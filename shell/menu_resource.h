// Menu 102: the drop-down menu of the menu bar's "Menu" button.
#pragma once

#include <vector>

#include "platform/menu_bar.h"

namespace halvane {

// The entries in menu order, popups closed by End entries.
const std::vector<MenuEntry>& MainMenuEntries();

}  // namespace halvane
