#include "shell/menu_resource.h"

#include "shell/action_table.h"
#include "shell/command_numbers.h"
#include "view/go_to_table.h"

namespace halvane {

namespace {

using K = MenuEntryKind;

// Each popup holds the go-to table's rows first to last.
struct ConstellationPopup {
  const char16_t* title;
  int32_t first;
  int32_t last;
};

constexpr ConstellationPopup CONSTELLATION_POPUPS[] = {
    {u"And-CMi", 0, 14},  {u"Cap-Cru", 15, 29}, {u"Cyg-Lac", 30, 44},
    {u"Leo-Ori", 45, 59}, {u"Pav-Sct", 60, 74}, {u"Ser-Vul", 75, 87},
};

void AddActions(MenuPlace place, std::vector<MenuEntry>& entries) {
  for (const ActionEntry& action : ActionTable()) {
    if (action.menuPlace != place) continue;
    if (action.separatorBefore) entries.push_back({K::Separator, 0, u""});
    const bool checkable = action.check != CheckSource::None;
    entries.push_back({checkable ? K::CheckItem : K::Item, action.command, action.menuText});
  }
}

}  // namespace

MainMenu BuildMainMenu() {
  MainMenu menu;
  // Filled before any entry points into it, so no name moves afterwards.
  menu.names.reserve(GO_TO_ROW_COUNT);
  for (int32_t index = 0; index < GO_TO_ROW_COUNT; ++index) {
    const std::string name = GoToRowAt(index)->name;
    menu.names.emplace_back(name.begin(), name.end());  // the names are ASCII
  }
  std::vector<MenuEntry>& e = menu.entries;
  e.push_back({K::Popup, 0, u"View"});
  AddActions(MenuPlace::View, e);
  e.push_back({K::End, 0, u""});
  e.push_back({K::Popup, 0, u"Go to"});
  e.push_back({K::Popup, 0, u"Constellation"});
  for (const ConstellationPopup& popup : CONSTELLATION_POPUPS) {
    e.push_back({K::Popup, 0, popup.title});
    for (int32_t index = popup.first; index <= popup.last; ++index) {
      e.push_back({K::Item, GoToCommandOfRow(index), menu.names[static_cast<size_t>(index)]});
    }
    e.push_back({K::End, 0, u""});
  }
  e.push_back({K::End, 0, u""});
  e.push_back({K::Separator, 0, u""});
  AddActions(MenuPlace::GoTo, e);
  e.push_back({K::End, 0, u""});
  AddActions(MenuPlace::Menu, e);
  return menu;
}

}  // namespace halvane
