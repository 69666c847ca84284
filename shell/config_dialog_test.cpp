// The configuration dialog through its real fields and buttons: what it shows, what OK stores,
// Cancel, and the input it refuses by staying open.
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QCompleter>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStringListModel>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <utility>

#include "astro/angles.h"
#include "astro/sidereal_time.h"
#include "platform/utf8_text.h"
#include "shell/config_dialog.h"
#include "shell/place_zone.h"
#include "shell/shell_test_support.h"
#include "tests/support/build_paths.h"
#include "view/compass_point.h"

namespace halvane::test_support {
namespace {

QString Text(QDialog& d, int id) { return d.findChild<QLineEdit*>(QString::number(id))->text(); }

void Type(QDialog& d, int id, const QString& text) {
  QLineEdit* edit = d.findChild<QLineEdit*>(QString::number(id));
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Backspace);
  QTest::keyClicks(edit, text);
}

// Chooses a hemisphere with the keyboard: Home for the first (E, N), End for the second.
void Side(QDialog& d, int id, int index) {
  QComboBox* choice = d.findChild<QComboBox*>(QString::number(id));
  QTest::keyClick(choice, index == 0 ? Qt::Key_Home : Qt::Key_End);
}

int SideOf(QDialog& d, int id) {
  return d.findChild<QComboBox*>(QString::number(id))->currentIndex();
}

QString Message(QDialog& d, int id) { return d.findChild<QLabel*>(QString::number(id))->text(); }

void Press(QDialog& d, int id) {
  QTest::mouseClick(d.findChild<QAbstractButton*>(QString::number(id)), Qt::LeftButton);
}

class ConfigDialogTest : public ShellTest {
 public:
  void SetUp() override {
    ShellTest::SetUp();
    // Central European rules: UTC+1 in winter.
    const char* old = std::getenv("TZ");
    savedZone = old != nullptr ? old : "";
    hadZone = old != nullptr;
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

  // Opens the dialog from the menu and runs act on it; returns whether it was still open
  // afterwards (it is then closed, so the test goes on).
  bool WithDialog(const std::function<void(QDialog&)>& act) {
    bool ran = false;
    bool stillOpen = false;
    QTimer::singleShot(0, [&] {
      for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* dialog = qobject_cast<QDialog*>(widget);
        if (dialog == nullptr || !dialog->isVisible()) continue;
        ran = true;
        EXPECT_EQ(dialog->windowTitle(), "Settings");
        act(*dialog);
        stillOpen = dialog->isVisible();
        if (stillOpen) dialog->done(-1);
        return;
      }
    });
    Choose(COMMAND_CONFIGURE);
    EXPECT_TRUE(ran);
    return stillOpen;
  }

  std::string savedZone;
  bool hadZone = false;
};

TEST_F(ConfigDialogTest, ShowsTheDefaultsAndCancelChangesNothing) {
  MainWindow& w = Start();
  const int32_t frames = w.GetFramesDrawn();
  const bool open = WithDialog([](QDialog& d) {
    EXPECT_EQ(Text(d, LONGITUDE_DEGREES), "18");
    EXPECT_EQ(Text(d, LONGITUDE_MINUTES), "20");
    EXPECT_EQ(Text(d, LONGITUDE_SECONDS), "20");
    EXPECT_EQ(SideOf(d, LONGITUDE_SIDE), 0);  // east
    EXPECT_EQ(Text(d, LONGITUDE_DECIMAL), "18.3389");
    EXPECT_EQ(Text(d, LATITUDE_DEGREES), "49");
    EXPECT_EQ(SideOf(d, LATITUDE_SIDE), 0);  // north
    EXPECT_EQ(Text(d, LATITUDE_DECIMAL), "49.6969");
    // The place is named, with the nearest city when Cities.dat has one within 100 km.
    EXPECT_TRUE(Message(d, PLACE_MESSAGE)
                    .startsWith(QString::fromUtf8(
                        "Now: 49\u00B041\u203249\u2033 N 18\u00B020\u203220\u2033 E")))
        << Message(d, PLACE_MESSAGE).toStdString();
    EXPECT_EQ(Text(d, LATITUDE_MINUTES), "41");
    EXPECT_EQ(Text(d, LATITUDE_SECONDS), "49");
    EXPECT_TRUE(d.findChild<QAbstractButton*>("1007")->isChecked());
    // The clock's 21:30 UTC on 15 January is 22:30 local.
    EXPECT_EQ(Text(d, DAY), "15");
    EXPECT_EQ(Text(d, MONTH), "1");
    EXPECT_EQ(Text(d, YEAR), "2024");
    EXPECT_EQ(Text(d, HOUR), "22");
    EXPECT_EQ(Text(d, MINUTE), "30");
    EXPECT_EQ(Text(d, SECOND), "0");
    Type(d, LONGITUDE_DEGREES, "5");
    QTest::mouseClick(d.findChild<QAbstractButton*>("1007"), Qt::LeftButton);
    Press(d, 2);
  });
  Flush();
  EXPECT_FALSE(open);
  EXPECT_DOUBLE_EQ(w.GetObserver().GetLongitude(), DmsToDegrees(-18, 20, 20));
  EXPECT_EQ(w.GetConfig().useSystemTime, 1);
  EXPECT_LE(w.GetFramesDrawn(), frames + 1);  // at most the caption band's new placement
}

TEST_F(ConfigDialogTest, AFixedLocalTimeIsStoredAsUniversalAndShownAgain) {
  MainWindow& w = Start();
  const int32_t frames = w.GetFramesDrawn();
  EXPECT_FALSE(WithDialog([](QDialog& d) {
    QTest::mouseClick(d.findChild<QAbstractButton*>("1007"), Qt::LeftButton);
    Type(d, DAY, "1");
    Type(d, MONTH, "1");
    Type(d, YEAR, "2005");
    Type(d, HOUR, "22");
    Type(d, MINUTE, "0");
    Type(d, SECOND, "0");
    Press(d, 1);
  }));
  Flush();
  EXPECT_EQ(w.GetConfig().useSystemTime, 0);
  const CalendarTime& t = w.GetConfig().observationTime;
  EXPECT_EQ(t.year, 2005);
  EXPECT_EQ(t.month, 1);
  EXPECT_EQ(t.day, 1);
  EXPECT_EQ(t.hour, 21);
  EXPECT_EQ(t.minute, 0);
  EXPECT_EQ(t.second, 0);
  // The new frame is drawn for that moment, not the clock's.
  EXPECT_EQ(w.GetFramesDrawn(), frames + 1);
  EXPECT_DOUBLE_EQ(w.GetSiderealAngle(), SiderealTimeAt(t, w.GetObserver().GetLongitude()));

  EXPECT_FALSE(WithDialog([](QDialog& d) {
    EXPECT_FALSE(d.findChild<QAbstractButton*>("1007")->isChecked());
    EXPECT_EQ(Text(d, DAY), "1");
    EXPECT_EQ(Text(d, MONTH), "1");
    EXPECT_EQ(Text(d, YEAR), "2005");
    EXPECT_EQ(Text(d, HOUR), "22");
    EXPECT_EQ(Text(d, MINUTE), "0");
    EXPECT_EQ(Text(d, SECOND), "0");
    Press(d, 1);
  }));
}

TEST_F(ConfigDialogTest, RefusedInputKeepsTheDialogOpenAndStoresNothing) {
  MainWindow& w = Start();
  const int32_t frames = w.GetFramesDrawn();
  struct Case {
    const char* what;
    int field;
    const char* text;
    bool fixedTime;
  };
  // Each refusal's words are the form's; these are where the dialog says them.
  const Case cases[] = {
      {"empty minutes", LONGITUDE_MINUTES, "", false},
      {"31 February", DAY, "31", true},
  };
  for (const Case& c : cases) {
    const bool open = WithDialog([&c](QDialog& d) {
      if (c.fixedTime) {
        QTest::mouseClick(d.findChild<QAbstractButton*>("1007"), Qt::LeftButton);
        Type(d, DAY, "28");
        Type(d, MONTH, "2");
        Type(d, YEAR, "2005");
      }
      Type(d, LATITUDE_MINUTES, "0");  // would change the place if it were stored
      Type(d, c.field, c.text);
      Press(d, 1);
      // Said at the field's group, with the cursor in the field.
      EXPECT_FALSE(Message(d, c.fixedTime ? TIME_MESSAGE : PLACE_MESSAGE).isEmpty()) << c.what;
      if (c.fixedTime) {
        EXPECT_EQ(d.focusWidget()->objectName().toInt(), c.field) << c.what;
      }
      if (c.field == DAY) {
        EXPECT_EQ(Message(d, TIME_MESSAGE), "There is no 31.2.2005.");
      }
    });
    Flush();
    EXPECT_TRUE(open) << c.what;
    EXPECT_DOUBLE_EQ(w.GetObserver().GetLatitude(), DmsToDegrees(49, 41, 49)) << c.what;
    EXPECT_EQ(w.GetConfig().useSystemTime, 1) << c.what;
    EXPECT_LE(w.GetFramesDrawn(), frames + 1) << c.what;  // the caption band's, at most
  }

  // Corrected, the same dialog then takes everything.
  EXPECT_FALSE(WithDialog([](QDialog& d) {
    Type(d, LONGITUDE_MINUTES, "");
    Type(d, LATITUDE_MINUTES, "0");
    Press(d, 1);
    EXPECT_TRUE(d.isVisible());
    Type(d, LONGITUDE_MINUTES, "30");
    Press(d, 1);
  }));
  Flush();
  EXPECT_DOUBLE_EQ(w.GetObserver().GetLongitude(), DmsToDegrees(-18, 30, 20));
  EXPECT_DOUBLE_EQ(w.GetObserver().GetLatitude(), DmsToDegrees(49, 0, 49));
  EXPECT_LE(w.GetFramesDrawn(), frames + 2);
}

TEST_F(ConfigDialogTest, HemispheresGiveTheSignAndDecimalDegreesFollowTheFields) {
  MainWindow& w = Start();
  EXPECT_FALSE(WithDialog([](QDialog& d) {
    Type(d, LONGITUDE_DEGREES, "0");
    Type(d, LONGITUDE_MINUTES, "30");
    Type(d, LONGITUDE_SECONDS, "0");
    EXPECT_EQ(Text(d, LONGITUDE_DECIMAL), "0.5");
    Side(d, LONGITUDE_SIDE, 1);
    Type(d, LATITUDE_DEGREES, "10");
    // The fields take digits only: the sign never gets in.
    Type(d, LATITUDE_MINUTES, "-75");
    EXPECT_EQ(Text(d, LATITUDE_MINUTES), "75");
    Type(d, LATITUDE_SECONDS, "0");
    Side(d, LATITUDE_SIDE, 1);
    Press(d, 1);
  }));
  EXPECT_DOUBLE_EQ(w.GetObserver().GetLongitude(), 0.5);
  EXPECT_DOUBLE_EQ(w.GetObserver().GetLatitude(), -11.25);

  // Sydney typed as people write it: 151.2 east, with a comma for the point.
  EXPECT_FALSE(WithDialog([](QDialog& d) {
    EXPECT_EQ(SideOf(d, LONGITUDE_SIDE), 1);
    EXPECT_EQ(SideOf(d, LATITUDE_SIDE), 1);
    Type(d, LONGITUDE_DECIMAL, "151,2");
    EXPECT_EQ(Text(d, LONGITUDE_DEGREES), "151");
    EXPECT_EQ(Text(d, LONGITUDE_MINUTES), "12");
    EXPECT_EQ(Text(d, LONGITUDE_SECONDS), "0");
    Side(d, LONGITUDE_SIDE, 0);
    Type(d, LATITUDE_DECIMAL, "33.8688");
    Press(d, 1);
  }));
  EXPECT_NEAR(w.GetObserver().GetLongitude(), -151.2, 1e-12);
  EXPECT_NEAR(w.GetObserver().GetLatitude(), -33.8688, 0.5 / 3600);  // whole seconds
}

TEST_F(ConfigDialogTest, AChosenCityFillsThePlaceAndIsRemembered) {
  MainWindow& w = Start();
  QStringList offered;
  const bool open = WithDialog([&](QDialog& d) {
    QLineEdit* city = d.findChild<QLineEdit*>(QString::number(CITY));
    QTest::keyClicks(city, "tokyo");
    const auto* model = qobject_cast<QStringListModel*>(city->completer()->model());
    ASSERT_NE(model, nullptr);
    offered = model->stringList();
    QAbstractItemView* popup = city->completer()->popup();
    QTest::keyClick(popup, Qt::Key_Down);
    QTest::keyClick(popup, Qt::Key_Return);
    // Tokyo, 35 41' 22" N 139 41' 30" E; the fields stay editable.
    EXPECT_EQ(Text(d, LONGITUDE_DEGREES), "139");
    EXPECT_EQ(SideOf(d, LONGITUDE_SIDE), 0);
    EXPECT_EQ(Text(d, LATITUDE_DEGREES), "35");
    Type(d, LATITUDE_SECONDS, "0");
    Press(d, 1);
  });
  Flush();
  EXPECT_FALSE(open);
  ASSERT_FALSE(offered.isEmpty());
  EXPECT_EQ(offered.front(), "Tokyo, JP");
  EXPECT_NEAR(w.GetObserver().GetLongitude(), -139.69, 0.02);
  EXPECT_NEAR(w.GetObserver().GetLatitude(), 35.68, 0.02);
  EXPECT_EQ(w.GetObserver().GetLatitude(), DmsToDegrees(35, 41, 0));
  EXPECT_EQ(w.GetExtension().cityName, "Tokyo, JP");
  Stop();

  ConfigExtension saved;
  ASSERT_TRUE(LoadConfigExtension(ConfigPath(), saved));
  EXPECT_EQ(saved.cityName, "Tokyo, JP");
  Start();
  WithDialog([](QDialog& d) { EXPECT_EQ(Text(d, CITY), "Tokyo, JP"); });
}

// What is typed is taken: a city name when the field is left or OK pressed (the one city of
// that name taken, several offered in the list, none refused at the field), and hemisphere
// letters typed with the numbers, which move the zone and the time shown at once.
TEST_F(ConfigDialogTest, TypedCityNamesAndHemisphereLettersAreTaken) {
  MainWindow& w = Start();
  EXPECT_FALSE(WithDialog([](QDialog& d) {
    QLineEdit* city = d.findChild<QLineEdit*>(QString::number(CITY));
    QTest::keyClicks(city, "reykjavik");
    QTest::keyClick(city->completer()->popup(), Qt::Key_Escape);
    // Left for the next field without a pick from the list (the offscreen platform gives the
    // dialog back its activation, as a window manager does, only when asked).
    Flush();
    d.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
    city->setFocus();
    QTest::keyClick(city, Qt::Key_Tab);
    EXPECT_EQ(Text(d, CITY), QString::fromUtf8("Reykjav\u00EDk, IS"));
    EXPECT_EQ(Text(d, LONGITUDE_DEGREES), "21");
    EXPECT_EQ(SideOf(d, LONGITUDE_SIDE), 1);
    EXPECT_EQ(Text(d, LATITUDE_DEGREES), "64");
    EXPECT_EQ(Message(d, TIME_ZONE), "GMT");

    Type(d, CITY, "xqzzyville");
    Press(d, 1);
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(Message(d, PLACE_MESSAGE),
              QString::fromUtf8("No city called \u201Cxqzzyville\u201D."));
    EXPECT_EQ(Text(d, LATITUDE_DEGREES), "64");

    Type(d, CITY, "paris");
    Press(d, 1);
    EXPECT_TRUE(d.isVisible());
    QAbstractItemView* list = city->completer()->popup();
    EXPECT_TRUE(list->isVisible());
    EXPECT_GE(list->model()->rowCount(), 2);
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(Text(d, CITY), "Paris, FR");
    Press(d, 1);
  }));
  EXPECT_EQ(w.GetExtension().cityName, "Paris, FR");
  EXPECT_NEAR(w.GetObserver().GetLongitude(), -2.35, 0.01);

  EXPECT_FALSE(WithDialog([](QDialog& d) {
    Type(d, LONGITUDE_DECIMAL, "151.2 W");
    EXPECT_EQ(SideOf(d, LONGITUDE_SIDE), 1);
    EXPECT_EQ(Text(d, LONGITUDE_MINUTES), "12");
    Type(d, LATITUDE_DECIMAL, "33.9S");
    EXPECT_EQ(SideOf(d, LATITUDE_SIDE), 1);
    EXPECT_EQ(Message(d, TIME_ZONE), "CET");  // the South Pacific: the device's zone
    // East of the same meridian is Sydney: its zone and its morning at once.
    Side(d, LONGITUDE_SIDE, 0);
    EXPECT_EQ(Message(d, TIME_ZONE), "AEDT");
    EXPECT_EQ(Text(d, HOUR), "8");
    EXPECT_EQ(Text(d, LONGITUDE_DECIMAL), "151.2");
    Type(d, LONGITUDE_DECIMAL, "W 0.13");
    Type(d, LATITUDE_DEGREES, "51N");
    EXPECT_EQ(Message(d, TIME_ZONE), "GMT");
    Press(d, 1);
  }));
  EXPECT_NEAR(w.GetObserver().GetLongitude(), 0.13, 1.0 / 3600);
  EXPECT_NEAR(w.GetObserver().GetLatitude(), DmsToDegrees(51, 54, 0), 1.0 / 3600);
}

void TypeTime(QDialog& d, const char* day, const char* month, const char* hour,
              const char* minute) {
  Type(d, DAY, day);
  Type(d, MONTH, month);
  Type(d, YEAR, "2024");
  Type(d, HOUR, hour);
  Type(d, MINUTE, minute);
  Type(d, SECOND, "0");
}

// The device keeps Central European time throughout: Tokyo's own zone must win over it.
TEST_F(ConfigDialogTest, TokyoTimeIsTypedInJapanStoredAsUniversalAndKeptAfterARestart) {
  MainWindow& w = Start();
  EXPECT_FALSE(WithDialog([](QDialog& d) {
    EXPECT_EQ(Message(d, TIME_ZONE), "CET");  // the default place's, the clock's 22:30
    QTest::keyClicks(d.findChild<QLineEdit*>(QString::number(CITY)), "tokyo");
    QAbstractItemView* popup = d.findChild<QLineEdit*>(QString::number(CITY))->completer()->popup();
    QTest::keyClick(popup, Qt::Key_Down);
    QTest::keyClick(popup, Qt::Key_Return);
    EXPECT_EQ(Message(d, TIME_ZONE), "JST");
    EXPECT_EQ(Text(d, HOUR), "6");  // the clock's 21:30 UT, now in Tokyo
    QTest::mouseClick(d.findChild<QAbstractButton*>("1007"), Qt::LeftButton);
    TypeTime(d, "30", "3", "21", "0");
    Press(d, 1);
  }));
  Flush();
  const CalendarTime& t = w.GetConfig().observationTime;
  EXPECT_EQ((std::array<int, 4>{t.day, t.month, t.hour, t.minute}),
            (std::array<int, 4>{30, 3, 12, 0}));
  EXPECT_EQ(w.CaptionText(), u"2024-03-30 21:00 JST");
  Stop();

  // A day on keeps Tokyo's 21:00 although the device's clocks go forward that night.
  MainWindow& again = Start();
  EXPECT_EQ(again.CaptionText(), u"2024-03-30 21:00 JST");
  QTest::keyClicks(Chart(), "}");
  EXPECT_EQ(again.CaptionText(), u"2024-03-31 21:00 JST");
  WithDialog([](QDialog& d) {
    EXPECT_EQ(Text(d, HOUR), "21");
    EXPECT_EQ(Message(d, TIME_ZONE), "JST");
  });
}

// Paris by its coordinates: summer and winter time by date, the skipped hour refused at the
// field, the repeated hour taken at its first passing.
TEST_F(ConfigDialogTest, ParisTimeFollowsSummerTimeAndItsGapAndRepeatedHour) {
  MainWindow& w = Start();
  struct Case {
    const char* day;
    const char* month;
    const char* hour;
    const char* zone;
    int universalHour;  // -1: refused
  };
  const Case cases[] = {
      {"15", "7", "22", "CEST", 20},
      {"15", "1", "22", "CET", 21},
      {"31", "3", "2", "", -1},
      {"27", "10", "2", "CEST", 0},
  };
  for (const Case& c : cases) {
    const bool open = WithDialog([&c](QDialog& d) {
      Type(d, LONGITUDE_DECIMAL, "2.3488");
      Type(d, LATITUDE_DECIMAL, "48.8534");
      if (d.findChild<QAbstractButton*>("1007")->isChecked()) {
        QTest::mouseClick(d.findChild<QAbstractButton*>("1007"), Qt::LeftButton);
      }
      TypeTime(d, c.day, c.month, c.hour, "30");
      Press(d, 1);
      if (c.universalHour >= 0) return;
      EXPECT_EQ(Message(d, TIME_MESSAGE), "The clocks skip 2:30 on 31.3.2024.");
      EXPECT_EQ(d.focusWidget()->objectName().toInt(), HOUR);
    });
    Flush();
    EXPECT_EQ(open, c.universalHour < 0) << c.day << "." << c.month;
    if (open) continue;
    EXPECT_EQ(w.GetConfig().observationTime.hour, c.universalHour) << c.day << "." << c.month;
    EXPECT_EQ(Utf16ToUtf8(w.CaptionText()), std::string("2024-") + (c.month[1] ? "" : "0") +
                                                c.month + "-" + c.day + " " +
                                                (c.hour[1] ? "" : "0") + c.hour + ":30 " + c.zone);
  }
}

// A place takes the zone of a city within 100 km; out at sea, the device's, left unnamed.
TEST_F(ConfigDialogTest, APlaceNearACityTakesItsZoneAndOneAtSeaTheDevices) {
  MainWindow& w = Start();
  const std::vector<CityRecord>& cities = w.GetCities().cities;
  EXPECT_EQ(PlaceZone(cities, -139.2, 35.9), "Asia/Tokyo");  // about 60 km from Tokyo
  EXPECT_EQ(PlaceZone(cities, 150.0, -30.0), "");            // the South Pacific
  EXPECT_FALSE(WithDialog([](QDialog& d) {
    Type(d, LONGITUDE_DECIMAL, "150");
    Side(d, LONGITUDE_SIDE, 1);
    Type(d, LATITUDE_DECIMAL, "30");
    Side(d, LATITUDE_SIDE, 1);
    QTest::mouseClick(d.findChild<QAbstractButton*>("1007"), Qt::LeftButton);
    TypeTime(d, "15", "1", "22", "30");
    EXPECT_EQ(Message(d, TIME_ZONE), "CET");
    Press(d, 1);
  }));
  Flush();
  EXPECT_EQ(w.GetPlaceZone(), "");
  EXPECT_EQ(w.GetConfig().observationTime.hour, 21);
  EXPECT_EQ(w.CaptionText(), u"2024-01-15 22:30");
}

// The compass offset of "Point at the sky": shown, taken with OK, refused beyond half a turn
// with the cursor put back in it.
TEST_F(ConfigDialogTest, TheCompassOffsetIsTakenWithinHalfATurn) {
  MainWindow& w = Start();
  EXPECT_FALSE(WithDialog([](QDialog& d) {
    EXPECT_EQ(Text(d, COMPASS_OFFSET), "0");
    Type(d, COMPASS_OFFSET, "-7.5");
    Press(d, 1);
  }));
  EXPECT_EQ(w.GetExtension().compassOffset, -7.5);
  EXPECT_TRUE(WithDialog([](QDialog& d) {
    EXPECT_EQ(Text(d, COMPASS_OFFSET), "-7.5");
    Type(d, COMPASS_OFFSET, "181");
    Press(d, 1);
    EXPECT_EQ(d.focusWidget()->objectName().toInt(), COMPASS_OFFSET);
    EXPECT_FALSE(Message(d, TIME_MESSAGE).isEmpty());
  }));
  EXPECT_EQ(w.GetExtension().compassOffset, -7.5);
}

}  // namespace
}  // namespace halvane::test_support

namespace halvane::test_support {
namespace {

// The language chosen in Settings speaks from the next start: in the menu, in the chart's
// points of the compass and in Tonight's date, here from a few German texts of the test's own.
TEST_F(ConfigDialogTest, ALanguageChosenInSettingsSpeaksFromTheNextStart) {
  setenv("HALVANE_TRANSLATIONS", BuildPath("test-translations").c_str(), 1);
  Start();
  EXPECT_FALSE(WithDialog([](QDialog& d) {
    auto* language = d.findChild<QComboBox*>(QString::number(LANGUAGE));
    EXPECT_EQ(language->currentText(), "System");
    language->setCurrentIndex(language->findText("Deutsch"));
    Press(d, 1);
  }));
  Flush();
  EXPECT_EQ(App()->GetExtension().language, "de");
  Stop();

  MainWindow& again = Start();
  QStringList menu;
  for (const QAction* action : Chart()->window()->findChildren<QAction*>()) menu << action->text();
  EXPECT_TRUE(menu.contains("Vergrößern"));
  EXPECT_FALSE(menu.contains("Zoom in"));
  std::vector<std::u16string> names;
  for (const LabelCandidate& name : again.GetChart().GetFrameNames().written) {
    names.push_back(name.text);
  }
  EXPECT_NE(std::find(names.begin(), names.end(), u"O"), names.end()) << "east is Ost";
  EXPECT_EQ(std::find(names.begin(), names.end(), u"E"), names.end());
  Choose(COMMAND_TONIGHT);
  Flush();
  const auto* tonight = Chart()->window()->findChild<QListWidget*>("tonightList");
  ASSERT_NE(tonight, nullptr);
  const QString first = tonight->item(0)->text();
  EXPECT_TRUE(first.startsWith("Heute Abend in ")) << first.toStdString();
  EXPECT_TRUE(first.endsWith(", Mo 15 Jän 2024")) << first.toStdString();
  unsetenv("HALVANE_TRANSLATIONS");
}

// Where the frame wrote the name of the east point, in the language spoken; -1 when it wrote
// none.
double EastNameX(const MainWindow& window) {
  for (const LabelCandidate& name : window.GetChart().GetFrameNames().written) {
    if (name.text == Utf8ToUtf16(CompassPoint(90.0))) return name.x;
  }
  return -1.0;
}

// Arabic mirrors the widgets but not the sky: the panel's close button moves to its left,
// east stays where the chart had it.
TEST_F(ConfigDialogTest, ArabicMirrorsThePanelButNotTheChart) {
  const double east = EastNameX(Start());
  ASSERT_GE(east, 0.0);
  EXPECT_FALSE(WithDialog([](QDialog& d) {
    auto* language = d.findChild<QComboBox*>(QString::number(LANGUAGE));
    language->setCurrentIndex(language->findText(QString::fromUtf8("العربية")));
    Press(d, 1);
  }));
  Stop();

  MainWindow& again = Start();
  EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::RightToLeft);
  EXPECT_EQ(EastNameX(again), east);
  ASSERT_TRUE(again.AcceptFind(u"Moon"));
  Flush();
  const auto* panel = Chart()->window()->findChild<QWidget*>("infoPanel");
  ASSERT_NE(panel, nullptr);
  EXPECT_LT(panel->findChild<QToolButton*>("infoClose")->x(),
            panel->findChild<QLabel*>("infoTitle")->x());
}

}  // namespace
}  // namespace halvane::test_support
