#include "shell/menu_resource.h"

#include "platform/translate.h"
#include "shell/action_table.h"
#include "shell/command_numbers.h"
#include "view/go_to_table.h"

namespace halvane {

namespace {

using K = MenuEntryKind;

// Each popup holds the go-to table's rows first to last.
struct ConstellationPopup {
  const char* title;
  int32_t first;
  int32_t last;
};

constexpr ConstellationPopup CONSTELLATION_POPUPS[] = {
    {"And-CMi", 0, 14},  {"Cap-Cru", 15, 29}, {"Cyg-Lac", 30, 44},
    {"Leo-Ori", 45, 59}, {"Pav-Sct", 60, 74}, {"Ser-Vul", 75, 87},
};

void AddActions(MenuPlace place, std::vector<MenuEntry>& entries) {
  for (const ActionEntry& action : ActionTable()) {
    if (action.menuPlace != place) continue;
    if (action.separatorBefore) entries.push_back({K::Separator, 0, ""});
    const bool checkable = action.check != CheckSource::None;
    entries.push_back({checkable ? K::CheckItem : K::Item, action.command, action.menuText});
  }
}

}  // namespace

std::vector<MenuEntry> MainMenuEntries() {
  std::vector<MenuEntry> e;
  e.push_back({K::Popup, 0, Words::Mark("View")});
  AddActions(MenuPlace::View, e);
  e.push_back({K::End, 0, ""});
  e.push_back({K::Popup, 0, Words::Mark("Go to")});
  e.push_back({K::Popup, 0, Words::Mark("Constellation")});
  for (const ConstellationPopup& popup : CONSTELLATION_POPUPS) {
    e.push_back({K::Popup, 0, popup.title});
    for (int32_t index = popup.first; index <= popup.last; ++index) {
      e.push_back({K::Item, GoToCommandOfRow(index), GoToRowAt(index)->name});
    }
    e.push_back({K::End, 0, ""});
  }
  e.push_back({K::End, 0, ""});
  e.push_back({K::Separator, 0, ""});
  AddActions(MenuPlace::GoTo, e);
  e.push_back({K::End, 0, ""});
  AddActions(MenuPlace::Menu, e);
  return e;
}

}  // namespace halvane
