// Satellites in the window: the cache folder's elements loaded at start, Find by name, number
// and designator, the panel's facts, the layer's key.
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <cmath>
#include <cstdlib>
#include <fstream>

#include "astro/angles.h"
#include "platform/find_field.h"
#include "platform/info_panel.h"
#include "shell/shell_test_support.h"
#include "tests/support/build_paths.h"

namespace halvane::test_support {
namespace {

class SatellitesTest : public ShellTest {
 public:
  void SetUp() override {
    ShellTest::SetUp();
    for (const char* name : {"Labels.dat", "Names.dat"}) {
      std::filesystem::copy_file(std::filesystem::path(BuildPath(name)), folder / name);
    }
    const char* old = std::getenv("XDG_CACHE_HOME");
    savedCache = old != nullptr ? old : "";
    hadCache = old != nullptr;
    setenv("XDG_CACHE_HOME", (folder / "cache").c_str(), 1);
    std::filesystem::create_directories(folder / "cache/halvane");
    std::ofstream(folder / "cache/halvane/imported-stations.tle")
        << "ISS (ZARYA)\n"
           "1 25544U 98067A   26342.50000000  .00012000  00000-0  15000-3 0  9994\n"
           "2 25544  51.6400 300.0000 0003000  80.0000 120.0000 15.50000000123451\n";
    // An evening pass seen from the default place, three minutes after it rose.
    clock->now = [] { return CalendarTime{2026, 12, 3, 9, 16, 47, 0, 0}; };
  }
  void TearDown() override {
    ShellTest::TearDown();
    if (hadCache) {
      setenv("XDG_CACHE_HOME", savedCache.c_str(), 1);
    } else {
      unsetenv("XDG_CACHE_HOME");
    }
  }

  // Types text into Find and presses Enter.
  static void FindText(const QString& text) {
    QTimer::singleShot(0, [text] {
      QDialog* dialog = RunningFindField();
      if (dialog == nullptr) return;
      QLineEdit* field = dialog->findChild<QLineEdit*>("findText");
      QTest::keyClicks(field, text);
      QTest::keyClick(field, Qt::Key_Return);
      if (dialog->isVisible()) dialog->done(QDialog::Rejected);
    });
    QTest::keyClick(Chart(), Qt::Key_F);
    Flush();
  }

  std::string savedCache;
  bool hadCache = false;
};

TEST_F(SatellitesTest, FindTurnsToASatelliteByAnyOfItsNamesAndThePanelTellsOfIt) {
  MainWindow& w = Start();
  ASSERT_NE(w.GetSatellites(), nullptr);
  for (const char* query : {"ISS", "ZARYA", "25544", "1998-067A"}) {
    SCOPED_TRACE(query);
    FindText(query);
    EXPECT_EQ(std::u16string(w.GetLabel().name), u"ISS (ZARYA)");
    // python3-skyfield 1.45's EarthSatellite: altitude 11.32, azimuth 226.63.
    double azimuth = 0.0;
    double altitude = 0.0;
    w.GetChart().GetProjection().GetViewDirection(azimuth, altitude);
    EXPECT_NEAR(azimuth * RAD_TO_DEG, 226.63, 0.02);
    EXPECT_NEAR(altitude * RAD_TO_DEG, 11.32, 0.02);
    ASSERT_TRUE(IsInfoPanelShown(w.hwnd));
    QWidget* panel = InfoPanelWidget(w.hwnd);
    EXPECT_EQ(panel->findChild<QLabel*>("infoTitle")->text(), "ISS (ZARYA)");
    const QString body = panel->findChild<QLabel*>("infoBody")->text();
    EXPECT_TRUE(body.contains("satellite 25544, 1998-067A")) << body.toStdString();
    EXPECT_TRUE(body.contains("Altitude 11.3°, azimuth 226.6°")) << body.toStdString();
    EXPECT_TRUE(body.contains("Sunlit")) << body.toStdString();
    EXPECT_TRUE(body.contains("1.2 days old")) << body.toStdString();
    EXPECT_FALSE(body.contains("minutes off")) << body.toStdString();
    EXPECT_TRUE(body.contains("Next visible pass: ")) << body.toStdString();
  }
  // A star's own name still finds the star.
  FindText("Vega");
  EXPECT_EQ(std::u16string(w.GetLabel().name).substr(0, 4), u"Vega");

  // The key switches the layer, as the menu shows.
  EXPECT_TRUE(w.GetChart().GetLayers().showSatellites);
  QTest::keyClick(Chart(), Qt::Key_V);
  Flush();
  EXPECT_FALSE(w.GetChart().GetLayers().showSatellites);
}

}  // namespace
}  // namespace halvane::test_support
