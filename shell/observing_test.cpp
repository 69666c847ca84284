// Find, night vision, time steps, the caption and the star limit through real keys, menus and
// widgets.
#include <QAbstractItemView>
#include <QCompleter>
#include <QDialog>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStringListModel>
#include <QTimer>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <regex>

#include "astro/delta_t.h"
#include "astro/sidereal_time.h"
#include "astro/solar_system.h"
#include "platform/find_field.h"
#include "platform/info_panel.h"
#include "shell/config_dialog.h"
#include "shell/config_file.h"
#include "shell/shell_test_support.h"
#include "tests/support/build_paths.h"

namespace halvane::test_support {
namespace {

class ObservingTest : public ShellTest {
 public:
  void SetUp() override {
    ShellTest::SetUp();
    for (const char* name : {"Labels.dat", "Names.dat"}) {
      std::filesystem::copy_file(std::filesystem::path(BuildPath(name)), folder / name);
    }
    const char* old = std::getenv("TZ");
    savedZone = old != nullptr ? old : "";
    hadZone = old != nullptr;
    // Central European rules: summer time from the last Sunday of March, 02:00 local.
    setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);
    tzset();
  }
  void TearDown() override {
    ShellTest::TearDown();
    if (hadZone) {
      setenv("TZ", savedZone.c_str(), 1);
    } else {
      unsetenv("TZ");
    }
    tzset();
  }

  // Opens Find with the keys, types text (or commits it as an on-screen keyboard's input
  // method does) and either chooses the first completion from the list or presses Enter in
  // the field; returns the completions offered.
  QStringList FindWith(const std::function<void()>& open, const QString& text, bool fromList,
                       bool inputMethod = false) {
    QStringList offered;
    bool ran = false;
    QTimer::singleShot(0, [&] {
      QDialog* dialog = RunningFindField();
      if (dialog == nullptr) return;
      ran = true;
      QLineEdit* field = dialog->findChild<QLineEdit*>("findText");
      if (inputMethod) {
        QInputMethodEvent event;
        event.setCommitString(text);
        QApplication::sendEvent(field, &event);
      } else {
        QTest::keyClicks(field, text);
      }
      offered = qobject_cast<QStringListModel*>(field->completer()->model())->stringList();
      if (fromList) {
        QTest::keyClick(field->completer()->popup(), Qt::Key_Down);
        QTest::keyClick(field->completer()->popup(), Qt::Key_Return);
      } else {
        field->completer()->popup()->hide();
        QTest::keyClick(field, Qt::Key_Return);
      }
      const QLabel* notFound = dialog->findChild<QLabel*>("findNotFound");
      keptNotFound = dialog->isVisible() && notFound != nullptr && notFound->isVisible() &&
                     field->text() == text;
      if (dialog->isVisible()) dialog->done(QDialog::Rejected);
    });
    open();
    Flush();
    EXPECT_TRUE(ran);
    return offered;
  }

  static std::u16string LabelText() {
    const PickedLabel& label = App()->GetLabel();
    return std::u16string(label.name);
  }

  // Where the view's centre falls from (ra, dec): 0 when it is centred.
  static double OffCentre(double rightAscension, double declination) {
    const MainWindow& w = *App();
    double azimuth = 0.0;
    double altitude = 0.0;
    w.GetObserver().EquatorialToHorizontal(rightAscension - w.GetSiderealAngle(), declination,
                                           azimuth, altitude);
    double x = 0.0;
    double y = 0.0;
    w.GetChart().GetProjection().GetOrientation().HorizontalToView(azimuth, altitude, x, y);
    return std::hypot(x, y);
  }

  static int LitPixels() {
    const QImage shown = Chart()->grab().toImage();
    int lit = 0;
    for (int y = 0; y < shown.height(); ++y) {
      for (int x = 0; x < shown.width(); ++x) lit += (shown.pixel(x, y) & 0xFFFFFF) != 0 ? 1 : 0;
    }
    return lit;
  }

  std::string savedZone;
  bool hadZone = false;
  bool keptNotFound = false;  // the last FindWith left its text open with "not found"
};

TEST_F(ObservingTest, FindTurnsToStarsObjectsPlanetsAndConstellationsAndLabelsThem) {
  MainWindow& w = Start();
  const double zoom = w.GetChart().GetProjection().GetFieldOfView();
  const auto typeF = [] { QTest::keyClick(Chart(), Qt::Key_F); };

  const QStringList offered = FindWith(typeF, "jup", true);
  ASSERT_FALSE(offered.isEmpty());
  EXPECT_EQ(offered.front(), "Jupiter");
  EXPECT_EQ(LabelText(), u"Jupiter");
  const double jd = JulianDay(2024, 1, 15, 21.5);
  const BodyPlace jupiter =
      ComputeSolarSystem(jd, TerrestrialJulianDay(jd), w.GetObserver().GetLongitude(),
                         w.GetObserver().GetLatitude())[5];
  EXPECT_LT(OffCentre(jupiter.rightAscension, jupiter.declination), 1e-6);
  EXPECT_EQ(w.GetChart().GetProjection().GetFieldOfView(), zoom);

  // Case and accents do not matter; Ctrl+F opens it too; a tap on the centre names the
  // same star, so the view is on it.
  FindWith([] { QTest::keyClick(Chart(), Qt::Key_F, Qt::ControlModifier); },
           QString::fromUtf8("B\u00C9TEL"), false);
  EXPECT_EQ(LabelText(), u"Betelgeuse");
  Tap(120, 147);
  EXPECT_EQ(LabelText(), u"Betelgeuse");

  FindWith(typeF, "m31", false);
  EXPECT_EQ(LabelText().substr(0, 3), u"M31");
  FindWith([] { Choose(COMMAND_FIND); }, "orion", true);
  EXPECT_EQ(LabelText(), u"Orion");
  // Saturn had set that evening: Find turns to it all the same and says so.
  FindWith(typeF, "sat", true, true);
  EXPECT_EQ(LabelText(), u"Saturn");

  // Names of every catalog, however they are written.
  FindWith(typeF, "alf Ori", false);
  EXPECT_EQ(LabelText(), u"Betelgeuse");
  EXPECT_FALSE(keptNotFound);

  // Nothing matching leaves the view as it was, and the text in the field with a word why.
  double azimuth = 0.0;
  double altitude = 0.0;
  w.GetChart().GetProjection().GetViewDirection(azimuth, altitude);
  const int32_t frames = w.GetFramesDrawn();
  FindWith(typeF, "xqzzy", false);
  double azimuthAfter = 0.0;
  double altitudeAfter = 0.0;
  w.GetChart().GetProjection().GetViewDirection(azimuthAfter, altitudeAfter);
  EXPECT_EQ(azimuthAfter, azimuth);
  EXPECT_EQ(altitudeAfter, altitude);
  EXPECT_EQ(w.GetFramesDrawn(), frames);
  EXPECT_TRUE(keptNotFound);
}

// Times checked against PyEphem 4.1.4 (no refraction model, horizon -0:34, upper limb for
// the Sun and the Moon): in Sydney at 22:00 on 26 March 2026 the Moon sets at 00:30:13 the
// next day, rises at 15:38:21, transits at 20:36:35; Vega rises at 03:22:59; Acrux transits
// at 01:07:08; in Tromsø on 21 June the Sun transits at 12:45:58 and does not set, and on 21
// December does not rise. Shown to the minute.
TEST_F(ObservingTest, FindBelowTheHorizonOpensThePanelWithTheNextEventsInTimeOrder) {
  const auto startAt = [this](double longitudeWest, double latitude, CalendarTime utc) {
    Stop();
    ConfigRecord config;
    config.longitude = longitudeWest;
    config.latitude = latitude;
    config.useSystemTime = 1;
    ASSERT_TRUE(SaveConfig(ConfigPath(), config));
    clock->now = [utc] { return utc; };
    Start();
  };
  const auto body = [] {
    QWidget* panel = InfoPanelWidget(App()->hwnd);
    return panel == nullptr ? std::string()
                            : panel->findChild<QLabel*>("infoBody")->text().toStdString();
  };
  const auto title = [] {
    return InfoPanelWidget(App()->hwnd)->findChild<QLabel*>("infoTitle")->text().toStdString();
  };
  const auto typeF = [] { QTest::keyClick(Chart(), Qt::Key_F); };
  startAt(-151.21, -33.87, CalendarTime{2026, 3, 4, 26, 11, 0, 0, 0});  // 22:00 AEDT

  FindWith(typeF, "Moon", false);
  EXPECT_EQ(title(), "Moon");
  EXPECT_NE(body().find("Up now; sets at tomorrow 00:30, rises at tomorrow 15:38, transit "
                        "tomorrow 20:37"),
            std::string::npos)
      << body();
  // Vega is below the horizon: the view turns to the ground all the same, the label is the
  // name alone, and the panel, replacing the Moon's, says when it rises.
  FindWith(typeF, "Vega", false);
  EXPECT_EQ(LabelText(), u"Vega");
  EXPECT_EQ(title(), "Vega");
  EXPECT_TRUE(
      std::regex_search(body(), std::regex("Below the horizon: rises at tomorrow 03:2[23]")))
      << body();
  double azimuth = 0.0, altitude = 0.0;
  App()->GetChart().GetProjection().GetViewDirection(azimuth, altitude);
  EXPECT_LT(altitude, 0.0);
  FindWith(typeF, "Polaris", false);
  EXPECT_NE(body().find("Below the horizon: never rises here"), std::string::npos) << body();
  FindWith(typeF, "Acrux", false);
  EXPECT_NE(body().find("Up now; never sets here; transit tomorrow 01:07"), std::string::npos)
      << body();

  // Past midnight the Moon's set is today's.
  clock->now = [] { return CalendarTime{2026, 3, 4, 26, 13, 10, 0, 0}; };
  ASSERT_TRUE(App()->AcceptFind(u"Moon"));
  EXPECT_NE(body().find("Up now; sets at 00:30, rises at 15:38, transit 20:37"), std::string::npos)
      << body();

  // The polar Sun at Tromsø, in words.
  startAt(-18.96, 69.65, CalendarTime{2026, 6, 0, 21, 10, 0, 0, 0});
  ASSERT_TRUE(App()->AcceptFind(u"Sun"));
  EXPECT_NE(body().find("Up now; does not set within 24 hours; transit 12:46"), std::string::npos)
      << body();
  startAt(-18.96, 69.65, CalendarTime{2026, 12, 1, 21, 10, 0, 0, 0});
  ASSERT_TRUE(App()->AcceptFind(u"Sun"));
  EXPECT_NE(body().find("Below the horizon: does not rise within 24 hours"), std::string::npos)
      << body();
}

TEST_F(ObservingTest, NightVisionLeavesNoGreenOrBlueOnTheScreenAndIsStored) {
  MainWindow& w = Start();
  PressCompass();
  QTest::keyClick(Chart(), Qt::Key_R);
  Flush();
  EXPECT_TRUE(IsMenuItemChecked(w.GetMenu(), COMMAND_NIGHT_VISION));
  ExpectRedOnly(TopLevelWidget(w.hwnd), "window");

  QMenu* menu = w.GetMenu();
  menu->popup(QPoint(0, 0));
  Flush();
  ExpectRedOnly(menu, "menu");
  menu->hide();

  // The find field with its clear button, which no palette reaches.
  bool found = false;
  QTimer::singleShot(0, [&] {
    QDialog* dialog = RunningFindField();
    if (dialog == nullptr) return;
    found = true;
    QTest::keyClicks(dialog->findChild<QLineEdit*>("findText"), "x");
    ExpectRedOnly(dialog, "find field");
    dialog->done(QDialog::Rejected);
  });
  Choose(COMMAND_FIND);
  EXPECT_TRUE(found);

  bool ran = false;
  QTimer::singleShot(0, [&] {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      auto* dialog = qobject_cast<QDialog*>(widget);
      if (dialog == nullptr || !dialog->isVisible()) continue;
      ran = true;
      ExpectRedOnly(dialog, "dialog");
      dialog->done(QDialog::Rejected);
    }
  });
  Choose(COMMAND_CONFIGURE);
  EXPECT_TRUE(ran);
  Stop();

  Start();
  EXPECT_TRUE(App()->GetExtension().nightVision);
  ExpectRedOnly(TopLevelWidget(App()->hwnd), "window after a restart");
  Choose(COMMAND_NIGHT_VISION);
  EXPECT_FALSE(App()->GetExtension().nightVision);
  const QImage day = Chart()->grab().toImage();
  bool coloured = false;
  for (int y = 0; y < day.height() && !coloured; ++y) {
    for (int x = 0; x < day.width() && !coloured; ++x) coloured = qGreen(day.pixel(x, y)) != 0;
  }
  EXPECT_TRUE(coloured);
}

TEST_F(ObservingTest, StepsCrossMonthYearAndTheClockChangeAndNowReturns) {
  // 23:30 local on 31 December; the default place takes its zone from a Czech town.
  clock->now = [] { return CalendarTime{2023, 12, 0, 31, 22, 30, 0, 0}; };
  MainWindow& w = Start();
  EXPECT_EQ(w.CaptionText(), u"23:30 CET") << "the clock's time, today";
  QTest::keyClicks(Chart(), "]");
  Flush();
  EXPECT_EQ(w.GetConfig().useSystemTime, 0);
  EXPECT_EQ(w.CaptionText(), u"2024-01-01 00:30 CET");
  QTest::keyClicks(Chart(), "[[");
  Flush();
  EXPECT_EQ(w.CaptionText(), u"2023-12-31 22:30 CET");
  QTest::keyClicks(Chart(), "}");
  EXPECT_EQ(w.CaptionText(), u"2024-01-01 22:30 CET");
  QTest::keyClicks(Chart(), "{{");
  EXPECT_EQ(w.CaptionText(), u"2023-12-30 22:30 CET");

  // Noon on 30 March is 11:00 UTC; a day later summer time has begun: 10:00 UTC.
  clock->now = [] { return CalendarTime{2024, 3, 0, 30, 11, 0, 0, 0}; };
  QTest::keyClicks(Chart(), "t}");
  Flush();
  EXPECT_EQ(w.CaptionText(), u"2024-03-31 12:00 CEST");
  EXPECT_EQ(w.GetConfig().observationTime.hour, 10);
  // An hour on from 01:30 local that night skips the missing hour.
  clock->now = [] { return CalendarTime{2024, 3, 0, 31, 0, 30, 0, 0}; };
  QTest::keyClicks(Chart(), "t]");
  EXPECT_EQ(w.CaptionText(), u"2024-03-31 03:30 CEST");

  const int32_t frames = w.GetFramesDrawn();
  Choose(COMMAND_NOW);
  EXPECT_EQ(w.GetConfig().useSystemTime, 1);
  EXPECT_EQ(w.CaptionText(), u"01:30 CET");
  EXPECT_EQ(w.GetFramesDrawn(), frames + 1);
}

TEST_F(ObservingTest, StarLimitStaysWithinItsBoundsThinsTheStarsAndIsStored) {
  MainWindow& w = Start();
  const int lit = LitPixels();
  QTest::keyClicks(Chart(), "<<<<<");
  Flush();
  EXPECT_EQ(w.GetExtension().starLimitOffset, -3);
  EXPECT_EQ(w.CaptionText(), u"22:30 CET  stars -3");
  const int brightOnly = LitPixels();
  QTest::keyClicks(Chart(), ">>>>>>>>");
  Flush();
  EXPECT_EQ(w.GetExtension().starLimitOffset, 3);
  const int faintToo = LitPixels();
  EXPECT_LT(brightOnly, lit);
  EXPECT_GT(faintToo, lit);
  QTest::keyClicks(Chart(), "]");
  EXPECT_EQ(w.CaptionText(), u"2024-01-15 23:30 CET  stars +3");
  Stop();

  ConfigExtension saved;
  ASSERT_TRUE(LoadConfigExtension(ConfigPath(), saved));
  EXPECT_EQ(saved.starLimitOffset, 3);
  EXPECT_EQ(Start().GetChart().GetLayers().starLimitOffset, 3);
}

}  // namespace
}  // namespace halvane::test_support
