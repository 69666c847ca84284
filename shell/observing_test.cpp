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

#include "astro/delta_t.h"
#include "astro/solar_system.h"
#include "platform/find_field.h"
#include "platform/info_panel.h"
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

  // Ctrl+F opens it too (how names are written is catalog/sky_names_test.cpp's); a tap on the
  // centre names the same star, so the view is on it.
  FindWith([] { QTest::keyClick(Chart(), Qt::Key_F, Qt::ControlModifier); },
           QString::fromUtf8("B\u00C9TEL"), false);
  EXPECT_EQ(LabelText(), u"Betelgeuse");
  Tap(120, 147);
  EXPECT_EQ(LabelText(), u"Betelgeuse");

  FindWith([] { Choose(COMMAND_FIND); }, "orion", true);
  EXPECT_EQ(LabelText(), u"Orion");
  // Saturn had set that evening: Find turns to it all the same and says so.
  FindWith(typeF, "sat", true, true);
  EXPECT_EQ(LabelText(), u"Saturn");
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

// The words and times of the panel are chart/object_info_test.cpp's; here Find opens the panel
// in the zone of the place, turns below the horizon too, and reads the clock anew.
TEST_F(ObservingTest, FindBelowTheHorizonOpensThePanelInThePlacesZone) {
  ConfigRecord sydney;
  sydney.longitude = -151.21;
  sydney.latitude = -33.87;
  sydney.useSystemTime = 1;
  ASSERT_TRUE(SaveConfig(ConfigPath(), sydney));
  clock->now = [] { return CalendarTime{2026, 3, 4, 26, 11, 0, 0, 0}; };  // 22:00 AEDT
  Start();
  const auto body = [] {
    QWidget* panel = InfoPanelWidget(App()->hwnd);
    return panel == nullptr ? std::string()
                            : panel->findChild<QLabel*>("infoBody")->text().toStdString();
  };
  const auto title = [] {
    return InfoPanelWidget(App()->hwnd)->findChild<QLabel*>("infoTitle")->text().toStdString();
  };
  const auto typeF = [] { QTest::keyClick(Chart(), Qt::Key_F); };

  FindWith(typeF, "Moon", false);
  EXPECT_EQ(title(), "Moon");
  EXPECT_NE(body().find("Up now; sets at tomorrow 00:30"), std::string::npos) << body();
  // Vega is below the horizon: the view turns to the ground all the same, the label is the
  // name alone, and the panel, replacing the Moon's, says when it rises.
  FindWith(typeF, "Vega", false);
  EXPECT_EQ(LabelText(), u"Vega");
  EXPECT_EQ(title(), "Vega");
  EXPECT_NE(body().find("Below the horizon: rises at tomorrow 03:2"), std::string::npos) << body();
  double azimuth = 0.0, altitude = 0.0;
  App()->GetChart().GetProjection().GetViewDirection(azimuth, altitude);
  EXPECT_LT(altitude, 0.0);

  // Past midnight the Moon's set is today's.
  clock->now = [] { return CalendarTime{2026, 3, 4, 26, 13, 10, 0, 0}; };
  ASSERT_TRUE(App()->AcceptFind(u"Moon"));
  EXPECT_NE(body().find("Up now; sets at 00:30,"), std::string::npos) << body();
}

// The find field, its list and the dialog in night vision are phone_screen_test.cpp's.
TEST_F(ObservingTest, NightVisionLeavesNoGreenOrBlueOnTheScreenAndIsStored) {
  MainWindow& w = Start();
  QTest::keyClick(Chart(), Qt::Key_R);
  Flush();
  EXPECT_TRUE(IsMenuItemChecked(w.GetMenu(), COMMAND_NIGHT_VISION));
  ExpectRedOnly(TopLevelWidget(w.hwnd), "window");

  QMenu* menu = w.GetMenu();
  menu->popup(QPoint(0, 0));
  Flush();
  ExpectRedOnly(menu, "menu");
  menu->hide();
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

// How a step moves the time is platform/local_time_test.cpp's; here the keys step it in the
// place's zone, the caption dates it, and Now returns to the clock.
TEST_F(ObservingTest, StepsMoveTheTimeInThePlacesZoneAndNowReturns) {
  // 23:30 local on 31 December; the default place takes its zone from a Czech town.
  clock->now = [] { return CalendarTime{2023, 12, 0, 31, 22, 30, 0, 0}; };
  MainWindow& w = Start();
  EXPECT_EQ(w.CaptionText(), u"23:30 CET") << "the clock's time, today";
  QTest::keyClicks(Chart(), "]");
  Flush();
  EXPECT_EQ(w.GetConfig().useSystemTime, 0);
  EXPECT_EQ(w.CaptionText(), u"2024-01-01 00:30 CET");
  QTest::keyClicks(Chart(), "[[");
  EXPECT_EQ(w.CaptionText(), u"2023-12-31 22:30 CET");
  QTest::keyClicks(Chart(), "}");
  EXPECT_EQ(w.CaptionText(), u"2024-01-01 22:30 CET");
  QTest::keyClicks(Chart(), "{");
  EXPECT_EQ(w.CaptionText(), u"2023-12-31 22:30 CET");

  // A day on from noon on 30 March keeps the noon of summer time.
  clock->now = [] { return CalendarTime{2024, 3, 0, 30, 11, 0, 0, 0}; };
  QTest::keyClicks(Chart(), "t}");
  Flush();
  EXPECT_EQ(w.CaptionText(), u"2024-03-31 12:00 CEST");

  const int32_t frames = w.GetFramesDrawn();
  Choose(COMMAND_NOW);
  EXPECT_EQ(w.GetConfig().useSystemTime, 1);
  EXPECT_EQ(w.CaptionText(), u"12:00 CET");
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
