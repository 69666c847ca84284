// Menu commands, the menu-bar button, arrow and letter keys, through the real menu and real
// key events: what each changes, its check mark, and whether it draws a new frame.
#include <QMenu>
#include <QTimer>
#include <cmath>
#include <functional>

#include "astro/angles.h"
#include "astro/sidereal_time.h"
#include "shell/shell_test_support.h"
#include "view/view_directions.h"
#include "view/view_orientation.h"

namespace halvane::test_support {
namespace {

struct Aim {
  double azimuth;
  double altitude;
};

Aim AimOf(const ViewOrientation& orientation) {
  Aim aim{};
  orientation.GetViewDirection(aim.azimuth, aim.altitude);
  return aim;
}

// Where a view aimed like the window's ends up after direction d.
Aim Expected(const ViewDirection& d) {
  ViewOrientation reference;
  reference.SetViewDirection(d.azimuth, d.altitude);
  return AimOf(reference);
}

class CommandsTest : public ShellTest {};

TEST_F(CommandsTest, EveryViewCommandChangesItsStateAndDrawsOneFrame) {
  MainWindow& w = Start();
  ASSERT_EQ(w.GetFramesDrawn(), 1);
  const double fov0 = w.GetChart().GetProjection().GetFieldOfView();
  struct Case {
    uint16_t command;
    std::function<void(MainWindow&)> check;
  };
  auto aims = [](const ViewDirection& d) {
    return [d](MainWindow& m) {
      EXPECT_DOUBLE_EQ(AimOf(m.GetChart().GetProjection().GetOrientation()).azimuth,
                       Expected(d).azimuth);
      EXPECT_DOUBLE_EQ(AimOf(m.GetChart().GetProjection().GetOrientation()).altitude,
                       Expected(d).altitude);
    };
  };
  const Case cases[] = {
      {COMMAND_VIEW_EAST, aims(VIEW_EAST)},
      {COMMAND_VIEW_NORTH, aims(VIEW_NORTH)},
      {COMMAND_VIEW_SOUTH, aims(VIEW_SOUTH)},
      {COMMAND_VIEW_WEST, aims(VIEW_WEST)},
      {COMMAND_VIEW_ZENITH, aims(VIEW_ZENITH)},
      {COMMAND_ZOOM_IN,
       [fov0](MainWindow& m) {
         EXPECT_DOUBLE_EQ(m.GetChart().GetProjection().GetFieldOfView(), fov0 / 2);
       }},
      {COMMAND_ZOOM_OUT,
       [fov0](MainWindow& m) {
         EXPECT_DOUBLE_EQ(m.GetChart().GetProjection().GetFieldOfView(), fov0);
       }},
      {COMMAND_ZOOM_OUT,
       [](MainWindow& m) { EXPECT_DOUBLE_EQ(m.GetChart().GetProjection().GetFieldOfView(), PI); }},
      {COMMAND_ZOOM_RESET,
       [](MainWindow& m) {
         EXPECT_DOUBLE_EQ(m.GetChart().GetProjection().GetFieldOfView(), HALF_PI);
       }},
      {COMMAND_ROTATE_CLOCKWISE,
       [](MainWindow& m) {
         EXPECT_NEAR(m.GetChart().GetProjection().GetRotation(), 15 * DEG_TO_RAD, 1e-12);
       }},
      {COMMAND_ROTATE_COUNTER_CLOCKWISE,
       [](MainWindow& m) { EXPECT_NEAR(m.GetChart().GetProjection().GetRotation(), 0.0, 1e-12); }},
  };
  int32_t frames = w.GetFramesDrawn();
  for (const Case& c : cases) {
    Choose(c.command);
    EXPECT_EQ(w.GetFramesDrawn(), ++frames) << c.command;
    c.check(w);
  }
  // The letter keys aim the same way, in either case.
  const std::pair<const char*, ViewDirection> keys[] = {
      {"e", VIEW_EAST}, {"N", VIEW_NORTH}, {"s", VIEW_SOUTH}, {"W", VIEW_WEST}, {"z", VIEW_ZENITH},
      {"E", VIEW_EAST}, {"n", VIEW_NORTH}, {"S", VIEW_SOUTH}, {"w", VIEW_WEST}, {"Z", VIEW_ZENITH}};
  for (const auto& [key, direction] : keys) {
    QTest::keyClicks(Chart(), key);
    Flush();
    EXPECT_DOUBLE_EQ(AimOf(w.GetChart().GetProjection().GetOrientation()).azimuth,
                     Expected(direction).azimuth)
        << key;
    EXPECT_DOUBLE_EQ(AimOf(w.GetChart().GetProjection().GetOrientation()).altitude,
                     Expected(direction).altitude)
        << key;
    EXPECT_EQ(w.GetFramesDrawn(), ++frames) << key;
  }
}

TEST_F(CommandsTest, LayerCommandsAndLetterKeysFlipTheSameSwitchAndItsCheckMark) {
  MainWindow& w = Start();
  // Without Config.dat: horizontal grid, lines and the solar system on, equatorial grid and
  // boundaries off.
  EXPECT_FALSE(IsMenuItemChecked(w.GetMenu(), COMMAND_EQUATORIAL_GRID));
  EXPECT_TRUE(IsMenuItemChecked(w.GetMenu(), COMMAND_HORIZONTAL_GRID));
  EXPECT_TRUE(IsMenuItemChecked(w.GetMenu(), COMMAND_CONSTELLATION_LINES));
  EXPECT_FALSE(IsMenuItemChecked(w.GetMenu(), COMMAND_CONSTELLATION_BOUNDARIES));
  EXPECT_TRUE(IsMenuItemChecked(w.GetMenu(), COMMAND_SOLAR_SYSTEM));
  EXPECT_TRUE(IsMenuItemChecked(w.GetMenu(), COMMAND_DEEP_SKY));
  EXPECT_TRUE(IsMenuItemChecked(w.GetMenu(), COMMAND_MILKY_WAY));

  struct Layer {
    uint16_t command;
    char key;
    bool LayerSet::*layerSwitch;
  };
  const Layer layers[] = {
      {COMMAND_EQUATORIAL_GRID, 'q', &LayerSet::showEquatorialGrid},
      {COMMAND_HORIZONTAL_GRID, 'H', &LayerSet::showHorizontalGrid},
      {COMMAND_CONSTELLATION_LINES, 'l', &LayerSet::showConstellationLines},
      {COMMAND_CONSTELLATION_BOUNDARIES, 'B', &LayerSet::showConstellationBoundaries},
      {COMMAND_SOLAR_SYSTEM, 'p', &LayerSet::showSolarSystem},
      {COMMAND_DEEP_SKY, 'o', &LayerSet::showDeepSky},
      {COMMAND_MILKY_WAY, 'M', &LayerSet::showMilkyWay},
      {COMMAND_SATELLITES, 'v', &LayerSet::showSatellites},
  };
  for (const Layer& layer : layers) {
    const bool before = w.GetChart().GetLayers().*layer.layerSwitch;
    const int32_t frames = w.GetFramesDrawn();
    Choose(layer.command);
    EXPECT_EQ(w.GetChart().GetLayers().*layer.layerSwitch, !before) << layer.command;
    EXPECT_EQ(IsMenuItemChecked(w.GetMenu(), layer.command), !before) << layer.command;
    QTest::keyClicks(Chart(), QString(QChar(layer.key)));
    Flush();
    EXPECT_EQ(w.GetChart().GetLayers().*layer.layerSwitch, before) << layer.key;
    EXPECT_EQ(IsMenuItemChecked(w.GetMenu(), layer.command), before) << layer.key;
    EXPECT_EQ(w.GetFramesDrawn(), frames + 2) << layer.command;
  }
}

TEST_F(CommandsTest, NavigationBoxButtonPlacesTheNamesAgainAndUnknownCommandsDoNothing) {
  MainWindow& w = Start();
  const int32_t frames = w.GetFramesDrawn();
  const int32_t paints = w.GetPaintsDone();
  QWidget* compass = MenuBarButton(w.GetMenuBar(), COMMAND_NAVIGATION_BOX);
  ASSERT_NE(compass, nullptr);
  EXPECT_EQ(compass->toolTip(), "Navigation box");
  QTest::mouseClick(compass, Qt::LeftButton);
  Flush();
  EXPECT_TRUE(w.IsNavigationBoxShown());
  QTest::mouseClick(compass, Qt::LeftButton);
  Flush();
  EXPECT_FALSE(w.IsNavigationBoxShown());
  // Names keep clear of the box only while it is shown.
  EXPECT_EQ(w.GetFramesDrawn(), frames + 2);
  EXPECT_EQ(w.GetPaintsDone(), paints + 2);

  // The chart pixels under the hidden box are back from the back buffer: the corner shows
  // no box grey.
  EXPECT_NE(
      ScreenPixel(w.hwnd, w.GetNavigationBoxOrigin().x + 10, w.GetNavigationBoxOrigin().y + 10),
      MakeColor(214, 214, 214));

  for (const uint16_t command : {uint16_t{18}, uint16_t{40018}, uint16_t{40019}, uint16_t{40099},
                                 uint16_t{40188}, uint16_t{65535}}) {
    SendWindowMessage(w.hwnd, MESSAGE_COMMAND, MakeCommandParam(0, command), 0);
  }
  Flush();
  EXPECT_EQ(w.GetFramesDrawn(), frames + 2);
  EXPECT_EQ(w.GetPaintsDone(), paints + 2);
}

TEST_F(CommandsTest, EveryCommandRereadsTheClockFirst) {
  MainWindow& w = Start();
  clock->now = [] { return CalendarTime{2025, 6, 0, 1, 3, 4, 5, 0}; };
  SendWindowMessage(w.hwnd, MESSAGE_COMMAND, MakeCommandParam(0, 40099), 0);
  EXPECT_EQ(w.GetConfig().observationTime, (CalendarTime{2025, 6, 0, 1, 3, 4, 5, 0}));
  EXPECT_DOUBLE_EQ(w.GetSiderealAngle(),
                   SiderealTimeAt(w.GetConfig().observationTime, w.GetObserver().GetLongitude()));
}

TEST_F(CommandsTest, GoToTurnsTheViewToTheConstellationEvenBelowTheHorizon) {
  MainWindow& w = Start();
  // Orion at 5.6 h, 0 degrees; the view turns there whatever the time.
  for (const CalendarTime& time :
       {CalendarTime{2024, 1, 1, 15, 21, 30, 0, 0}, CalendarTime{2024, 1, 1, 15, 9, 30, 0, 0}}) {
    clock->now = [time] { return time; };
    const int32_t frames = w.GetFramesDrawn();
    Choose(40159);
    EXPECT_EQ(w.GetFramesDrawn(), frames + 1);
    const double sidereal = SiderealTimeAt(time, w.GetObserver().GetLongitude());
    double azimuth = 0.0;
    double altitude = 0.0;
    w.GetObserver().EquatorialToHorizontal(5.6 * HOURS_TO_RAD - sidereal, 0.0, azimuth, altitude);
    const Aim aim = AimOf(w.GetChart().GetProjection().GetOrientation());
    EXPECT_NEAR(std::remainder(aim.azimuth - azimuth, TWO_PI), 0.0, 1e-9);
    EXPECT_NEAR(aim.altitude, altitude, 1e-9);
  }
  // At 9:30 UTC in January Orion is below the horizon of the default place.
  EXPECT_LT(AimOf(w.GetChart().GetProjection().GetOrientation()).altitude, 0.0);
}

TEST_F(CommandsTest, ArrowsPanAndPlusMinusZoom) {
  MainWindow& w = Start();
  const double step = w.GetChart().GetProjection().GetFieldOfView() * 0.1;
  ViewOrientation reference;  // the window's view starts at the same zenith view
  const int32_t frames = w.GetFramesDrawn();
  QTest::keyClick(Chart(), Qt::Key_Right);
  Flush();
  reference.PanView(step, 0.0);
  EXPECT_NEAR(AimOf(w.GetChart().GetProjection().GetOrientation()).azimuth,
              AimOf(reference).azimuth, 1e-12);
  QTest::keyClick(Chart(), Qt::Key_Up);
  Flush();
  reference.PanView(0.0, step);
  EXPECT_NEAR(AimOf(w.GetChart().GetProjection().GetOrientation()).altitude,
              AimOf(reference).altitude, 1e-12);
  // Over the zenith the horizontal steps change sign.
  QTest::keyClick(Chart(), Qt::Key_Left);
  Flush();
  reference.PanView(step, 0.0);
  EXPECT_NEAR(AimOf(w.GetChart().GetProjection().GetOrientation()).azimuth,
              AimOf(reference).azimuth, 1e-12);
  QTest::keyClick(Chart(), Qt::Key_Down);
  Flush();
  reference.PanView(0.0, -step);
  EXPECT_NEAR(AimOf(w.GetChart().GetProjection().GetOrientation()).altitude,
              AimOf(reference).altitude, 1e-12);

  QTest::keyClicks(Chart(), "+");
  Flush();
  EXPECT_DOUBLE_EQ(w.GetChart().GetProjection().GetFieldOfView(), HALF_PI / 2);
  QTest::keyClicks(Chart(), "-");
  Flush();
  EXPECT_DOUBLE_EQ(w.GetChart().GetProjection().GetFieldOfView(), HALF_PI);
  EXPECT_EQ(w.GetFramesDrawn(), frames + 6);

  // Keys that name nothing change nothing.
  QTest::keyClicks(Chart(), "1 ");
  QTest::keyClick(Chart(), Qt::Key_F5);
  Flush();
  EXPECT_EQ(w.GetFramesDrawn(), frames + 6);
  // K: comets and asteroids, on at first.
  EXPECT_TRUE(w.GetChart().GetLayers().showMinorBodies);
  QTest::keyClick(Chart(), Qt::Key_K);
  Flush();
  EXPECT_FALSE(w.GetChart().GetLayers().showMinorBodies);
}

TEST_F(CommandsTest, KeysStayWithTheChartAndTheMenuOpensFromTheKeyboard) {
  MainWindow& w = Start();
  QWidget* top = TopLevelWidget(w.hwnd);
  ASSERT_EQ(top->focusWidget(), Chart());
  // Tab and Backtab move the focus nowhere: the next letter still reaches the chart.
  QTest::keyClick(top->focusWidget(), Qt::Key_Tab);
  QTest::keyClick(top->focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
  QTest::keyClick(top->focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(top->focusWidget(), Chart());
  const bool grid = w.GetChart().GetLayers().showEquatorialGrid;
  QTest::keyClicks(top->focusWidget(), "q");
  Flush();
  EXPECT_NE(w.GetChart().GetLayers().showEquatorialGrid, grid);

  MenuHandle menu = MenuBarDropDown(w.GetMenuBar(), COMMAND_MENU_BUTTON);
  ASSERT_NE(menu, nullptr);
  int opened = 0;
  QObject::connect(menu, &QMenu::aboutToShow, [&] { ++opened; });
  // The menu runs its own loop while open: close it from there.
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [] {
    if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
  });
  closer.start(5);
  for (const QKeyCombination keys : {QKeyCombination(Qt::Key_F10), Qt::ALT | Qt::Key_M}) {
    // The offscreen platform may hand the activation to the closed menu's window a little after
    // the menu closes: take it back until it stays with the chart's window.
    int steady = 0;
    for (int tries = 0; tries < 200 && steady < 3; ++tries) {
      if (QApplication::activeWindow() == top) {
        ++steady;
      } else {
        steady = 0;
        top->activateWindow();
      }
      QTest::qWait(10);
    }
    ASSERT_EQ(QApplication::activeWindow(), top);
    const int before = opened;
    QTest::keyClick(top->focusWidget(), keys.key(), keys.keyboardModifiers());
    Flush();
    // A loaded machine may deliver the menu's opening a little later.
    for (int waited = 0; waited < 200 && opened == before; ++waited) QTest::qWait(10);
    EXPECT_EQ(opened, before + 1) << keys.key();
    EXPECT_EQ(top->focusWidget(), Chart());
  }
}

TEST_F(CommandsTest, RequestsBeforeAPaintGiveOneFrame) {
  MainWindow& w = Start();
  QTest::keyClicks(Chart(), "+++");
  QTest::keyClick(Chart(), Qt::Key_Left);
  Flush();
  EXPECT_EQ(w.GetFramesDrawn(), 2);
}

}  // namespace
}  // namespace halvane::test_support
