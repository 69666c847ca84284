// Commands, keys and the menu bar of MainWindow, read from the action table. Menus, keys and
// navigation-box buttons all end in Perform.
#include "shell/main_window.h"

#include "platform/clock.h"
#include "platform/find_field.h"
#include "platform/night_vision.h"
#include "platform/translate.h"
#include "shell/config_dialog.h"
#include "shell/menu_resource.h"
#include "view/go_to_table.h"
#include "view/projection.h"
#include "view/view_directions.h"

namespace halvane {

void MainWindow::OnCreate(intptr_t) {
  const std::vector<MenuEntry> entries = MainMenuEntries();
  menuBar = CreateMenuBar(hwnd, COMMAND_MENU_BUTTON, Words::Tr16("&Menu"), entries.data(),
                          entries.size());
  if (menuBar == nullptr) return;
  menu = MenuBarDropDown(menuBar, COMMAND_MENU_BUTTON);
  AddMenuBarSeparator(menuBar);
  const ActionEntry& box = EntryOf(Action::ToggleNavigationBox);
  AddMenuBarImageButton(menuBar, BitmapId::Compass, box.command, Words::Tr16(box.menuText));
  AddMenuBarFindField(
      menuBar, [this](std::u16string_view text) { return CompleteFind(text); },
      [this](std::u16string_view text) { return AcceptFind(text); },
      [this](std::u16string_view text) { return SuggestFind(text); });
}

void MainWindow::OnDestroy() {
  windowDestroyed = true;
  // The setting stays; the program's look goes back to day for whatever comes next.
  SetNightVision(nullptr, false);
  // So do the sensors' mode and its setting; no reading comes after the window.
  if (pointing != nullptr) pointing->Stop();
  // Kept for the next start, which opens where this one closed.
  const WindowPlacement placement = GetAppWindowPlacement(hwnd);
  if (placement.known) {
    extension.window = WindowGeometry{true,        placement.maximised, placement.x,
                                      placement.y, placement.width,     placement.height};
  }
  if (menuBar != nullptr) {
    DestroyMenuBar(menuBar);
    menuBar = nullptr;
    menu = nullptr;
  }
  Window::OnDestroy();
}

void MainWindow::SetTimeFromClock() {
  if (config.useSystemTime != 0) config.observationTime = clock->UniversalNow();
}

void MainWindow::Perform(Action action) {
  const ActionEntry& entry = EntryOf(action);
  Projection& projection = chart->GetProjection();
  auto look = [&projection](const ViewDirection& d) {
    projection.SetViewDirection(d.azimuth, d.altitude);
  };
  switch (action) {
    case Action::Find: return Find();
    case Action::OpenInfo: return OpenInfoPanel();
    case Action::CloseInfo: return CloseInfo();
    case Action::ShowTonight: return ShowTonight();
    case Action::ReturnToClock: return ReturnToClock();
    case Action::UseMyLocation: return UseMyLocation();
    case Action::UpdateSatellites: return UpdateElements(ElementGroup::Satellites);
    case Action::UpdateMinorBodies: return UpdateElements(ElementGroup::MinorBodies);
    case Action::ImportElements: return ImportElements();
    case Action::ToggleWeeklyUpdates: return ToggleWeeklyUpdates();
    case Action::ToggleNightVision: return ToggleNightVision();
    case Action::TogglePointAtSky: return TogglePointAtSky();
    case Action::StepHourBack: return StepTime(-1, 0);
    case Action::StepHourForward: return StepTime(1, 0);
    case Action::StepDayBack: return StepTime(0, -1);
    case Action::StepDayForward: return StepTime(0, 1);
    case Action::StarLimitBrighter: return ChangeStarLimit(-1);
    case Action::StarLimitFainter: return ChangeStarLimit(1);
    case Action::Exit: return DestroyAppWindow(hwnd);
    case Action::Configure:
      if (!RunConfigDialog(*this) && AsksForPlace()) KeepBuiltInPlace();
      return;
    // The box's mode buttons ask for no paint.
    case Action::UsePointer:
    case Action::UseHand: stylus.SetHandMode(action == Action::UseHand); return;
    case Action::ToggleNavigationBox:
      navigationBox.SetShown(!navigationBox.IsShown());
      // The names take back the box's room, or leave it.
      return UpdateMomentAndRender();
    default: break;
  }
  // The chart moves on: what "Use my location" said last is old news.
  if (positionRequest == nullptr) locationMessage.clear();
  if (elementUpdate == nullptr) elementMessage.clear();
  if (entry.layer != nullptr) {
    bool& layerSwitch = chart->GetLayers().*entry.layer;
    layerSwitch = !layerSwitch;
    CheckMenuItem(menu, entry.command, layerSwitch);
  }
  switch (action) {
    case Action::ViewEast: look(VIEW_EAST); break;
    case Action::ViewNorth: look(VIEW_NORTH); break;
    case Action::ViewSouth: look(VIEW_SOUTH); break;
    case Action::ViewWest: look(VIEW_WEST); break;
    case Action::ViewZenith: look(VIEW_ZENITH); break;
    case Action::ZoomIn: projection.ZoomIn(); break;
    case Action::ZoomOut: projection.ZoomOut(); break;
    case Action::ZoomReset: projection.ZoomReset(); break;
    case Action::RotateClockwise: projection.RotateClockwise(); break;
    case Action::RotateCounterClockwise: projection.RotateCounterClockwise(); break;
    case Action::PanLeft: projection.PanLeft(); break;
    case Action::PanRight: projection.PanRight(); break;
    case Action::PanUp: projection.PanUp(); break;
    case Action::PanDown: projection.PanDown(); break;
    default: break;  // a layer's switch, flipped above
  }
  UpdateMomentAndRender();
}

void MainWindow::OnCommand(uint16_t, uint16_t command, intptr_t) {
  // Every command, even one that then does nothing, starts from the clock.
  SetTimeFromClock();
  UpdateMoment();
  if (const ActionEntry* entry = ActionOfCommand(command)) return Perform(entry->action);
  if (const GoToRow* row = GoToRowAt(GoToRowOfCommand(command))) {
    chart->GetProjection().AimAt(moment.GetSky(), row->RightAscension(), row->Declination());
    UpdateMomentAndRender();
  }
}

void MainWindow::OnKeyDown(uintptr_t virtualKey, intptr_t) {
  if (const ActionEntry* entry = ActionOfVirtualKey(virtualKey)) Perform(entry->action);
}

void MainWindow::OnChar(char16_t character, intptr_t) {
  if (const ActionEntry* entry = ActionOfKey(character)) Perform(entry->action);
}

bool MainWindow::IsChecked(const ActionEntry& entry) const {
  switch (entry.check) {
    case CheckSource::None: return false;
    case CheckSource::Layer: return chart->GetLayers().*entry.layer;
    case CheckSource::NightVision: return extension.nightVision;
    case CheckSource::PointAtSky: return IsPointingAtSky();
    case CheckSource::WeeklyUpdates: return extension.updateWeekly;
  }
  return false;
}

void MainWindow::SetCheckMarks() {
  for (const ActionEntry& entry : ActionTable()) {
    if (entry.check != CheckSource::None) CheckMenuItem(menu, entry.command, IsChecked(entry));
  }
}

}  // namespace halvane
