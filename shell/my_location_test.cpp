// "Use my location" from the menu, the key and the dialog, with an NMEA file read by Qt
// Positioning's own plugin; the place named in the window's title.
#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include "platform/utf8_text.h"
#include "shell/config_dialog.h"
#include "shell/shell_test_support.h"

namespace halvane::test_support {
namespace {

// Tokyo Tower, 35 deg 39.51' N 139 deg 44.72' E: 35.6585, 139.74533 degrees.
constexpr char TOKYO_FIX[] =
    "$GPGGA,120000,3539.510,N,13944.720,E,1,08,0.9,40.0,M,39.0,M,,*78\r\n"
    "$GPRMC,120000,A,3539.510,N,13944.720,E,000.0,000.0,091226,,*16\r\n";

class MyLocationTest : public ShellTest {
 protected:
  std::string NmeaSource() {
    const std::string text = TOKYO_FIX;
    return "nmea:" + Write("fix.nmea", std::vector<uint8_t>(text.begin(), text.end()));
  }
  static bool WaitForAnswer(const MainWindow& w) {
    return QTest::qWaitFor([&w] { return !w.IsFindingLocation(); }, 5000);
  }
};

TEST_F(MyLocationTest, MenuAndKeyTakeThePlaceRoundedAndNameItInTheTitle) {
  MainWindow& w = Start();
  EXPECT_EQ(GetAppWindowTitle(w.hwnd),
            "Halvane v1.2 \u2014 49\u00B041\u203249\u2033 N 18\u00B020\u203220\u2033 E");
  w.GetExtension().positionSource = NmeaSource();
  w.GetExtension().cityName = "Paris, FR";
  const int32_t frames = w.GetFramesDrawn();
  // The answer comes through the event loop, so the waiting is seen before it.
  ASSERT_TRUE(TriggerMenuItem(w.GetMenu(), COMMAND_USE_MY_LOCATION));
  EXPECT_EQ(w.CaptionText().rfind(u"Finding your location\u2026", 0), 0u);  // then the time
  ASSERT_TRUE(WaitForAnswer(w));
  Flush();
  EXPECT_DOUBLE_EQ(w.GetObserver().GetLatitude(), 35.66);
  EXPECT_DOUBLE_EQ(w.GetObserver().GetLongitude(), -139.75);
  EXPECT_EQ(w.GetExtension().cityName, "");  // the city chosen before is no longer the place
  EXPECT_EQ(Utf16ToUtf8(w.CaptionText()).substr(5), " JST") << "the clock's time in Tokyo";
  // One frame for the place; one more when the caption's band, which names avoid, changed.
  EXPECT_LE(w.GetFramesDrawn(), frames + 2);
  EXPECT_GE(w.GetFramesDrawn(), frames + 1);
  EXPECT_EQ(GetAppWindowTitle(w.hwnd),
            "Halvane v1.2 \u2014 35\u00B039\u203236\u2033 N 139\u00B045\u20320\u2033 E");

  // The exact position when the settings ask for it, by the key.
  w.GetExtension().exactPosition = true;
  QTest::keyClicks(Chart(), "u");
  ASSERT_TRUE(WaitForAnswer(w));
  EXPECT_NEAR(w.GetObserver().GetLatitude(), 35.6585, 1e-9);
  EXPECT_NEAR(w.GetObserver().GetLongitude(), -(139.0 + 44.72 / 60.0), 1e-9);
}

TEST_F(MyLocationTest, WithoutAPositionTheCaptionSaysWhyAndThePlaceStays) {
  MainWindow& w = Start();
  w.GetExtension().positionSource = "nmea:" + scratch.File("gone.nmea");
  const double longitude = w.GetObserver().GetLongitude();
  Choose(COMMAND_USE_MY_LOCATION);
  ASSERT_TRUE(WaitForAnswer(w));
  EXPECT_EQ(Utf16ToUtf8(w.CaptionText())
                .rfind("No location: no such NMEA file: " + scratch.File("gone.nmea") + "  ", 0),
            0u);
  EXPECT_EQ(w.GetObserver().GetLongitude(), longitude);
  // The next move of the chart clears the message.
  Choose(COMMAND_ZOOM_IN);
  EXPECT_EQ(Utf16ToUtf8(w.CaptionText()).substr(5), " CET") << "the clock's time alone";
}

TEST_F(MyLocationTest, TheDialogFillsThePlaceFoundAndOkKeepsIt) {
  MainWindow& w = Start();
  w.GetExtension().positionSource = NmeaSource();
  bool filled = false;
  QTimer::singleShot(0, [&] {
    auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(d, nullptr);
    QTest::mouseClick(d->findChild<QAbstractButton*>(QString::number(USE_MY_LOCATION)),
                      Qt::LeftButton);
    auto* message = d->findChild<QLabel*>(QString::number(PLACE_MESSAGE));
    EXPECT_EQ(message->text(), QString::fromUtf8("Finding your location\u2026"));
    filled = QTest::qWaitFor([message] { return message->text() == "Your location is filled in."; },
                             5000);
    auto text = [d](int id) { return d->findChild<QLineEdit*>(QString::number(id))->text(); };
    EXPECT_EQ(text(LONGITUDE_DEGREES), "139");
    EXPECT_EQ(text(LONGITUDE_MINUTES), "45");
    EXPECT_EQ(text(LONGITUDE_DECIMAL), "139.75");
    EXPECT_EQ(d->findChild<QComboBox*>(QString::number(LONGITUDE_SIDE))->currentIndex(), 0);
    EXPECT_EQ(text(LATITUDE_DECIMAL), "35.66");
    QTest::mouseClick(d->findChild<QAbstractButton*>("1"), Qt::LeftButton);
  });
  Choose(COMMAND_CONFIGURE);
  EXPECT_TRUE(filled);
  EXPECT_DOUBLE_EQ(w.GetObserver().GetLatitude(), 35.66);
  EXPECT_DOUBLE_EQ(w.GetObserver().GetLongitude(), -139.75);
}

}  // namespace
}  // namespace halvane::test_support
