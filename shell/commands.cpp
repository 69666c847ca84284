// Commands, keys and the menu bar of MainWindow. Menus, keys and navigation-box buttons all
// end in Perform, so each action is written once.
#include "shell/main_window.h"

#include "platform/clock.h"
#include "platform/find_field.h"
#include "platform/night_vision.h"
#include "platform/translate.h"
#include "shell/config_dialog.h"
#include "shell/menu_resource.h"
#include "view/go_to_table.h"
#include "view/view_directions.h"

namespace halvane {

namespace {

constexpr char16_t CONTROL_F = 0x06;

}  // namespace

void MainWindow::OnCreate(intptr_t) {
  const std::vector<MenuEntry>& entries = MainMenuEntries();
  menuBar = CreateMenuBar(hwnd, COMMAND_MENU_BUTTON, Words::Tr16("&Menu"), entries.data(),
                          entries.size());
  if (menuBar == nullptr) return;
  menu = MenuBarDropDown(menuBar, COMMAND_MENU_BUTTON);
  AddMenuBarSeparator(menuBar);
  AddMenuBarImageButton(menuBar, BitmapId::Compass, COMMAND_NAVIGATION_BOX,
                        Words::Tr16("Navigation box"));
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
  if (pointingTimer != nullptr) pointingTimer->Stop();
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

void MainWindow::ReadClock() {
  if (config.useSystemTime != 0) config.observationTime = clock->UniversalNow();
}

void MainWindow::Perform(ChartAction action) {
  // The chart moves on: what "Use my location" said last is old news.
  if (positionRequest == nullptr) locationMessage.clear();
  if (elementUpdate == nullptr) elementMessage.clear();
  auto look = [this](const ViewDirection& d) {
    chart->GetProjection().SetViewDirection(d.azimuth, d.altitude);
  };
  auto flip = [this](bool& layerSwitch, uint16_t command) {
    layerSwitch = !layerSwitch;
    CheckMenuItem(menu, command, layerSwitch);
  };
  switch (action) {
    case ChartAction::ViewEast: look(VIEW_EAST); break;
    case ChartAction::ViewNorth: look(VIEW_NORTH); break;
    case ChartAction::ViewSouth: look(VIEW_SOUTH); break;
    case ChartAction::ViewWest: look(VIEW_WEST); break;
    case ChartAction::ViewZenith: look(VIEW_ZENITH); break;
    case ChartAction::ToggleEquatorialGrid:
      flip(chart->GetLayers().showEquatorialGrid, COMMAND_EQUATORIAL_GRID);
      break;
    case ChartAction::ToggleHorizontalGrid:
      flip(chart->GetLayers().showHorizontalGrid, COMMAND_HORIZONTAL_GRID);
      break;
    case ChartAction::ToggleConstellationLines:
      flip(chart->GetLayers().showConstellationLines, COMMAND_CONSTELLATION_LINES);
      break;
    case ChartAction::ToggleConstellationBoundaries:
      flip(chart->GetLayers().showConstellationBoundaries, COMMAND_CONSTELLATION_BOUNDARIES);
      break;
    case ChartAction::ToggleSolarSystem:
      flip(chart->GetLayers().showSolarSystem, COMMAND_SOLAR_SYSTEM);
      break;
    case ChartAction::ZoomIn: chart->GetProjection().ZoomIn(); break;
    case ChartAction::ZoomOut: chart->GetProjection().ZoomOut(); break;
    case ChartAction::ZoomReset: chart->GetProjection().ZoomReset(); break;
    case ChartAction::RotateClockwise: chart->GetProjection().RotateClockwise(); break;
    case ChartAction::RotateCounterClockwise:
      chart->GetProjection().RotateCounterClockwise();
      break;
    case ChartAction::PanLeft: chart->GetProjection().PanLeft(); break;
    case ChartAction::PanRight: chart->GetProjection().PanRight(); break;
    case ChartAction::PanUp: chart->GetProjection().PanUp(); break;
    case ChartAction::PanDown: chart->GetProjection().PanDown(); break;
    case ChartAction::TogglePrecisePositions:
      flip(chart->GetLayers().precisePositions, COMMAND_PRECISE_POSITIONS);
      break;
    case ChartAction::ToggleConstellationNames:
      flip(chart->GetLayers().showConstellationNames, COMMAND_CONSTELLATION_NAMES);
      break;
    case ChartAction::ToggleStarNames:
      flip(chart->GetLayers().showStarNames, COMMAND_STAR_NAMES);
      break;
    case ChartAction::ToggleGround: flip(chart->GetLayers().showGround, COMMAND_GROUND); break;
    case ChartAction::ToggleDaylight:
      flip(chart->GetLayers().showDaylight, COMMAND_DAYLIGHT);
      break;
    case ChartAction::ToggleEcliptic:
      flip(chart->GetLayers().showEcliptic, COMMAND_ECLIPTIC);
      break;
    case ChartAction::ToggleDeepSky: flip(chart->GetLayers().showDeepSky, COMMAND_DEEP_SKY); break;
    case ChartAction::ToggleMilkyWay:
      flip(chart->GetLayers().showMilkyWay, COMMAND_MILKY_WAY);
      break;
    case ChartAction::ToggleMinorBodies:
      flip(chart->GetLayers().showMinorBodies, COMMAND_MINOR_BODIES);
      break;
    case ChartAction::ToggleSatellites:
      flip(chart->GetLayers().showSatellites, COMMAND_SATELLITES);
      break;
  }
  RequestRender();
}

void MainWindow::OnCommand(uint16_t, uint16_t command, intptr_t) {
  // Every command, even one that then does nothing, starts from the clock.
  ReadClock();
  UpdateMoment();
  switch (command) {
    case COMMAND_EXIT: DestroyAppWindow(hwnd); return;
    case COMMAND_CONFIGURE:
      if (!RunConfigDialog(*this) && AsksForPlace()) KeepBuiltInPlace();
      return;
    case COMMAND_VIEW_EAST: return Perform(ChartAction::ViewEast);
    case COMMAND_VIEW_NORTH: return Perform(ChartAction::ViewNorth);
    case COMMAND_VIEW_SOUTH: return Perform(ChartAction::ViewSouth);
    case COMMAND_VIEW_WEST: return Perform(ChartAction::ViewWest);
    case COMMAND_VIEW_ZENITH: return Perform(ChartAction::ViewZenith);
    case COMMAND_EQUATORIAL_GRID: return Perform(ChartAction::ToggleEquatorialGrid);
    case COMMAND_HORIZONTAL_GRID: return Perform(ChartAction::ToggleHorizontalGrid);
    case COMMAND_CONSTELLATION_LINES: return Perform(ChartAction::ToggleConstellationLines);
    case COMMAND_CONSTELLATION_BOUNDARIES:
      return Perform(ChartAction::ToggleConstellationBoundaries);
    case COMMAND_SOLAR_SYSTEM: return Perform(ChartAction::ToggleSolarSystem);
    case COMMAND_ZOOM_IN: return Perform(ChartAction::ZoomIn);
    case COMMAND_ZOOM_OUT: return Perform(ChartAction::ZoomOut);
    case COMMAND_ZOOM_RESET: return Perform(ChartAction::ZoomReset);
    case COMMAND_ROTATE_CLOCKWISE: return Perform(ChartAction::RotateClockwise);
    case COMMAND_ROTATE_COUNTER_CLOCKWISE: return Perform(ChartAction::RotateCounterClockwise);
    case COMMAND_PRECISE_POSITIONS: return Perform(ChartAction::TogglePrecisePositions);
    case COMMAND_CONSTELLATION_NAMES: return Perform(ChartAction::ToggleConstellationNames);
    case COMMAND_STAR_NAMES: return Perform(ChartAction::ToggleStarNames);
    case COMMAND_GROUND: return Perform(ChartAction::ToggleGround);
    case COMMAND_DAYLIGHT: return Perform(ChartAction::ToggleDaylight);
    case COMMAND_ECLIPTIC: return Perform(ChartAction::ToggleEcliptic);
    case COMMAND_DEEP_SKY: return Perform(ChartAction::ToggleDeepSky);
    case COMMAND_MILKY_WAY: return Perform(ChartAction::ToggleMilkyWay);
    case COMMAND_MINOR_BODIES: return Perform(ChartAction::ToggleMinorBodies);
    case COMMAND_SATELLITES: return Perform(ChartAction::ToggleSatellites);
    case COMMAND_NAVIGATION_BOX:
      navBoxShown = !navBoxShown;
      // The names take back the box's room, or leave it.
      RequestRender();
      return;
    case COMMAND_FIND: return Find();
    case COMMAND_NIGHT_VISION: return ToggleNightVision();
    case COMMAND_NOW: return ReturnToClock();
    case COMMAND_OBJECT_INFO: return OpenInfoPanel();
    case COMMAND_TONIGHT: return ShowTonight();
    case COMMAND_USE_MY_LOCATION: return UseMyLocation();
    case COMMAND_POINT_AT_SKY: return TogglePointAtSky();
    case COMMAND_UPDATE_SATELLITES: return UpdateElements(ElementGroup::Satellites);
    case COMMAND_UPDATE_MINOR_BODIES: return UpdateElements(ElementGroup::MinorBodies);
    case COMMAND_IMPORT_ELEMENTS: return ImportElements();
    case COMMAND_UPDATE_WEEKLY: return ToggleWeeklyUpdates();
    default: break;
  }
  if (const GoToRow* row = GoToRowAt(GoToRowOfCommand(command))) {
    GoToConstellation(chart->GetProjection(), *row, moment.GetSky());
    RequestRender();
  }
}

void MainWindow::OnKeyDown(uintptr_t virtualKey, intptr_t) {
  switch (virtualKey) {
    case KEY_LEFT: return Perform(ChartAction::PanLeft);
    case KEY_UP: return Perform(ChartAction::PanUp);
    case KEY_RIGHT: return Perform(ChartAction::PanRight);
    case KEY_DOWN: return Perform(ChartAction::PanDown);
    case KEY_ESCAPE: return CloseInfo();
    default: return;
  }
}

void MainWindow::OnChar(char16_t character, intptr_t) {
  switch (character) {
    case u'+': return Perform(ChartAction::ZoomIn);
    case u'-': return Perform(ChartAction::ZoomOut);
    case u'A':
    case u'a': return TogglePointAtSky();
    case u'B':
    case u'b': return Perform(ChartAction::ToggleConstellationBoundaries);
    case u'E':
    case u'e': return Perform(ChartAction::ViewEast);
    case u'H':
    case u'h': return Perform(ChartAction::ToggleHorizontalGrid);
    case u'K':
    case u'k': return Perform(ChartAction::ToggleMinorBodies);
    case u'L':
    case u'l': return Perform(ChartAction::ToggleConstellationLines);
    case u'M':
    case u'm': return Perform(ChartAction::ToggleMilkyWay);
    case u'N':
    case u'n': return Perform(ChartAction::ViewNorth);
    case u'O':
    case u'o': return Perform(ChartAction::ToggleDeepSky);
    case u'P':
    case u'p': return Perform(ChartAction::ToggleSolarSystem);
    case u'Q':
    case u'q': return Perform(ChartAction::ToggleEquatorialGrid);
    case u'S':
    case u's': return Perform(ChartAction::ViewSouth);
    case u'V':
    case u'v': return Perform(ChartAction::ToggleSatellites);
    case u'W':
    case u'w': return Perform(ChartAction::ViewWest);
    case u'Z':
    case u'z': return Perform(ChartAction::ViewZenith);
    case u'F':
    case u'f':
    case CONTROL_F: return Find();
    case u'R':
    case u'r': return ToggleNightVision();
    case u'T':
    case u't': return ReturnToClock();
    case u'U':
    case u'u': return UseMyLocation();
    case u'[': return StepTime(-1, 0);
    case u']': return StepTime(1, 0);
    case u'{': return StepTime(0, -1);
    case u'}': return StepTime(0, 1);
    case u'I':
    case u'i': return OpenInfoPanel();
    case u'J':
    case u'j': return ShowTonight();
    case u'C':
    case u'c': return Perform(ChartAction::ToggleConstellationNames);
    case u'X':
    case u'x': return Perform(ChartAction::ToggleStarNames);
    case u'G':
    case u'g': return Perform(ChartAction::ToggleGround);
    case u'D':
    case u'd': return Perform(ChartAction::ToggleDaylight);
    case u'Y':
    case u'y': return Perform(ChartAction::ToggleEcliptic);
    case u'<': return ChangeStarLimit(-1);
    case u'>': return ChangeStarLimit(1);
    default: return;
  }
}

}  // namespace halvane
