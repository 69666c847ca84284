// The menu bar at the bottom of the window: a drop-down text button opening a menu built
// from a description table, and image buttons with tool tips. Chosen items arrive at the
// owner window as command messages.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/bitmaps.h"
#include "platform/window_system.h"

class QMenu;
class QToolBar;

namespace halvane {

enum class MenuEntryKind {
  Item,       // a command; text may carry an '&' before the mnemonic letter
  CheckItem,  // a command that can carry a check mark
  Separator,
  Popup,  // opens a submenu holding the entries up to the matching End
  End,
};

struct MenuEntry {
  MenuEntryKind kind;
  uint16_t command;  // 0 for separators, popups and ends
  const char* text;  // UTF-8, translated when the menu is built
};

using MenuBarHandle = QToolBar*;
using MenuHandle = QMenu*;

// Builds the bar below the window's chart area with one text button (command buttonCommand,
// caption, which may carry an '&' before its mnemonic letter) opening the menu of count
// entries; F10 and Alt with the mnemonic open it from the keyboard. Returns null for an
// unbalanced table.
MenuBarHandle CreateMenuBar(WindowHandle owner, uint16_t buttonCommand, std::u16string_view caption,
                            const MenuEntry* entries, size_t count);
// The drop-down menu of the bar's text button with this command; null when there is none.
MenuHandle MenuBarDropDown(MenuBarHandle bar, uint16_t buttonCommand);
void AddMenuBarSeparator(MenuBarHandle bar);
// Adds a 16 x 16 button showing the bitmap; pressing it sends command to the owner.
void AddMenuBarImageButton(MenuBarHandle bar, BitmapId image, uint16_t command,
                           std::u16string_view toolTip);
void DestroyMenuBar(MenuBarHandle bar);

// Check marks of the items with this command (every item with it); unknown commands are
// ignored, and read as unchecked.
void CheckMenuItem(MenuHandle menu, uint16_t command, bool checked);
bool IsMenuItemChecked(MenuHandle menu, uint16_t command);
// Greys the item with this command out, or back in; toolTip, shown when the pointer rests on
// the item, says why (empty: none).
void EnableMenuItem(MenuHandle menu, uint16_t command, bool enabled, std::u16string_view toolTip);
bool IsMenuItemEnabled(MenuHandle menu, uint16_t command);
// For tests: the item's tool tip, UTF-8.
std::string MenuItemToolTip(MenuHandle menu, uint16_t command);
// For tests: presses the item with this command as the user would; false when there is none.
bool TriggerMenuItem(MenuHandle menu, uint16_t command);
// The bar's button that sends command, for tests; null when there is none.
QWidget* MenuBarButton(MenuBarHandle bar, uint16_t command);

}  // namespace halvane
