// The drop-down menu of the menu bar's "Menu" button, laid out from the action table.
#pragma once

#include <string>
#include <vector>

#include "platform/menu_bar.h"

namespace halvane {

struct MainMenu {
  std::vector<std::u16string> names;  // the go-to names the entries point into
  std::vector<MenuEntry> entries;     // in menu order, popups closed by End entries
};

// The table's View popup; the "Go to" popup with the constellations in six alphabetical
// popups, then the directions; then the drop-down's own items.
MainMenu BuildMainMenu();

}  // namespace halvane
