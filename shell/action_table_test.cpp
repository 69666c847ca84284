// The action table: no command, key or button claimed twice, the layer bits agree with
// Config.dat's conversions, --layers names, and the menu laid out from it.
#include "shell/action_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

#include "platform/window_system.h"
#include "shell/command_numbers.h"
#include "shell/menu_resource.h"

namespace halvane {
namespace {

TEST(ActionTable, EachCommandKeyAndButtonLeadsToOneActionAndBack) {
  std::set<uint16_t> commands;
  std::set<char16_t> keys;
  std::set<std::pair<int, int>> buttons;
  std::set<Action> actions;
  for (const ActionEntry& e : ActionTable()) {
    EXPECT_TRUE(actions.insert(e.action).second) << static_cast<int>(e.action);
    EXPECT_EQ(&EntryOf(e.action), &e);
    if (e.command != 0) {
      EXPECT_TRUE(commands.insert(e.command).second) << e.command;
      EXPECT_EQ(ActionOfCommand(e.command), &e);
      EXPECT_LT(GoToRowOfCommand(e.command), 0) << e.command;
    }
    for (const char16_t key : e.keys) {
      EXPECT_TRUE(keys.insert(key).second) << static_cast<int>(key);
      EXPECT_EQ(ActionOfKey(key), &e);
    }
    if (e.virtualKey != 0) {
      EXPECT_EQ(ActionOfVirtualKey(e.virtualKey), &e);
    }
    if (e.boxRow >= 0) {
      EXPECT_TRUE(buttons.insert({e.boxColumn, e.boxRow}).second);
      EXPECT_EQ(ActionOfBoxButton(e.boxColumn, e.boxRow), &e);
    }
    // A check mark needs a command to show on.
    if (e.check != CheckSource::None) {
      EXPECT_NE(e.command, 0);
    }
    EXPECT_EQ(e.check == CheckSource::Layer, e.layer != nullptr);
  }
  EXPECT_EQ(buttons.size(), 12u);
  EXPECT_EQ(ActionOfCommand(0), nullptr);
  EXPECT_EQ(ActionOfKey(u'7'), nullptr);
  EXPECT_EQ(ActionOfCommand(COMMAND_FIRST_GO_TO), nullptr);
}

TEST(ActionTable, LayerNamesTurnOnTheirOwnLayerAndNothingElse) {
  uint16_t flags = 0;
  uint16_t viewFlags = 0;
  ASSERT_TRUE(ParseLayerNames("none", flags, viewFlags));
  LayerSet none;
  none.ApplyLayerFlags(flags);
  none.ApplyViewLayerFlags(viewFlags);
  for (const ActionEntry& e : ActionTable()) {
    if (e.layer == nullptr) continue;
    EXPECT_FALSE(none.*e.layer) << static_cast<int>(e.action);
    if (e.layerName == nullptr) continue;
    ASSERT_TRUE(ParseLayerNames(e.layerName, flags, viewFlags)) << e.layerName;
    LayerSet one;
    one.ApplyLayerFlags(flags);
    one.ApplyViewLayerFlags(viewFlags);
    EXPECT_TRUE(one.*e.layer) << e.layerName;
    one.*e.layer = false;
    EXPECT_EQ(one.LayerFlags(), none.LayerFlags()) << e.layerName;
    EXPECT_EQ(one.ViewLayerFlags(), none.ViewLayerFlags()) << e.layerName;
  }
  EXPECT_TRUE(ParseLayerNames("lines,solar,deep-sky", flags, viewFlags));
  EXPECT_FALSE(ParseLayerNames("lines,", flags, viewFlags));
  EXPECT_FALSE(ParseLayerNames("precise", flags, viewFlags));
  EXPECT_NE(LayerNameList().find("minor-bodies"), std::string::npos);
}

// The keys people learnt, in either case, and the switch each layer's command and key flip;
// the window's tests send a few of them for real.
TEST(ActionTable, TheKnownKeysAndCommandsLeadToTheirActionsAndSwitches) {
  const std::pair<char16_t, Action> views[] = {
      {u'e', Action::ViewEast}, {u'n', Action::ViewNorth},  {u's', Action::ViewSouth},
      {u'w', Action::ViewWest}, {u'z', Action::ViewZenith},
  };
  struct Layer {
    char16_t key;
    uint16_t command;
    bool LayerSet::*layer;
  };
  const Layer layers[] = {
      {u'q', COMMAND_EQUATORIAL_GRID, &LayerSet::showEquatorialGrid},
      {u'h', COMMAND_HORIZONTAL_GRID, &LayerSet::showHorizontalGrid},
      {u'l', COMMAND_CONSTELLATION_LINES, &LayerSet::showConstellationLines},
      {u'b', COMMAND_CONSTELLATION_BOUNDARIES, &LayerSet::showConstellationBoundaries},
      {u'p', COMMAND_SOLAR_SYSTEM, &LayerSet::showSolarSystem},
      {u'o', COMMAND_DEEP_SKY, &LayerSet::showDeepSky},
      {u'm', COMMAND_MILKY_WAY, &LayerSet::showMilkyWay},
      {u'v', COMMAND_SATELLITES, &LayerSet::showSatellites},
      {u'k', COMMAND_MINOR_BODIES, &LayerSet::showMinorBodies},
  };
  const auto upper = [](char16_t key) { return static_cast<char16_t>(key - u'a' + u'A'); };
  for (const auto& [key, action] : views) {
    for (const char16_t typed : {key, upper(key)}) {
      ASSERT_NE(ActionOfKey(typed), nullptr) << static_cast<char>(typed);
      EXPECT_EQ(ActionOfKey(typed)->action, action) << static_cast<char>(typed);
    }
  }
  for (const Layer& l : layers) {
    const ActionEntry* entry = ActionOfCommand(l.command);
    ASSERT_NE(entry, nullptr) << l.command;
    EXPECT_EQ(entry->layer, l.layer) << l.command;
    EXPECT_EQ(ActionOfKey(l.key), entry) << static_cast<char>(l.key);
    EXPECT_EQ(ActionOfKey(upper(l.key)), entry) << static_cast<char>(l.key);
  }
  EXPECT_EQ(ActionOfKey(u'+')->action, Action::ZoomIn);
  EXPECT_EQ(ActionOfKey(u'-')->action, Action::ZoomOut);
  const std::pair<uintptr_t, Action> arrows[] = {{KEY_LEFT, Action::PanLeft},
                                                 {KEY_RIGHT, Action::PanRight},
                                                 {KEY_UP, Action::PanUp},
                                                 {KEY_DOWN, Action::PanDown}};
  for (const auto& [key, action] : arrows) EXPECT_EQ(ActionOfVirtualKey(key)->action, action);
  EXPECT_EQ(ActionOfKey(u' '), nullptr);
}

TEST(ActionTable, TheMenuHoldsEachMenuActionOnceWithBalancedPopups) {
  int depth = 0;
  std::multiset<uint16_t> seen;
  for (const MenuEntry& entry : MainMenuEntries()) {
    depth += entry.kind == MenuEntryKind::Popup ? 1 : entry.kind == MenuEntryKind::End ? -1 : 0;
    ASSERT_GE(depth, 0);
    if (entry.command == 0) continue;
    seen.insert(entry.command);
    const ActionEntry* action = ActionOfCommand(entry.command);
    if (action == nullptr) {
      EXPECT_GE(GoToRowOfCommand(entry.command), 0) << entry.command;
      continue;
    }
    EXPECT_STREQ(entry.text, action->menuText);
    EXPECT_EQ(entry.kind == MenuEntryKind::CheckItem, action->check != CheckSource::None);
  }
  EXPECT_EQ(depth, 0);
  for (const ActionEntry& e : ActionTable()) {
    const bool inMenu = e.menuPlace != MenuPlace::None && e.menuPlace != MenuPlace::BarButton;
    EXPECT_EQ(seen.count(e.command), inMenu ? 1u : 0u) << e.command;
  }
  for (int32_t row = 0; row < GO_TO_ROW_COUNT; ++row) {
    EXPECT_EQ(seen.count(GoToCommandOfRow(row)), 1u) << row;
  }
}

}  // namespace
}  // namespace halvane
