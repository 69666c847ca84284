// "Point at the sky" in the window: its menu item, key, timer and setting, on a synthetic IIO
// tree.
#include <gtest/gtest.h>

#include <QTest>
#include <cmath>
#include <cstdlib>

#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/geomagnetic_field.h"
#include "shell/shell_test_support.h"
#include "tests/support/iio_tree.h"

namespace halvane {
namespace {

using test_support::SyntheticDevice;
using test_support::WriteIioTree;

class SkyPointingTest : public test_support::ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    setenv("HALVANE_IIO_DEVICES", Tree().c_str(), 1);
  }
  void TearDown() override {
    ShellTest::TearDown();
    unsetenv("HALVANE_IIO_DEVICES");
  }
  std::string Tree() const { return (folder / "iio").string(); }
  // The device aimed at a true azimuth and altitude, in the field of the app's place and date.
  void Aim(double azimuth, double altitude) {
    const Observer& observer = App()->GetObserver();
    SyntheticDevice device;
    device.azimuth = azimuth;
    device.altitude = altitude;
    device.declination =
        MagneticDeclination(observer.GetLatitude(), EastLongitude(observer.GetLongitude()), 0.0,
                            DecimalYear(App()->GetMoment().GetJulianDayUt()));
    WriteIioTree(Tree(), device);
  }
  static void ExpectView(double azimuth, double altitude) {
    double a = 0.0, h = 0.0;
    App()->GetChart().GetProjection().GetViewDirection(a, h);
    EXPECT_NEAR(std::remainder(a * RAD_TO_DEG - azimuth, 360.0), 0.0, 1.0);
    EXPECT_NEAR(h * RAD_TO_DEG, altitude, 1.0);
  }
};

TEST_F(SkyPointingTest, WithoutSensorsTheItemIsGreyAndSaysWhy) {
  MainWindow& window = Start();
  EXPECT_FALSE(IsMenuItemEnabled(window.GetMenu(), COMMAND_POINT_AT_SKY));
  EXPECT_EQ(MenuItemToolTip(window.GetMenu(), COMMAND_POINT_AT_SKY),
            "No accelerometer was found in " + Tree() + ".");
  QTest::keyClicks(Chart(), "a");
  Flush();
  EXPECT_FALSE(window.IsPointingAtSky());
}

TEST_F(SkyPointingTest, TheChartFollowsTheDeviceWhileTheModeIsOn) {
  WriteIioTree(Tree(), SyntheticDevice{});
  MainWindow& window = Start();
  ASSERT_TRUE(IsMenuItemEnabled(window.GetMenu(), COMMAND_POINT_AT_SKY));
  Aim(90.0, 30.0);
  QTest::keyClicks(Chart(), "a");
  Flush();
  ASSERT_TRUE(window.IsPointingAtSky());
  EXPECT_TRUE(IsMenuItemChecked(window.GetMenu(), COMMAND_POINT_AT_SKY));
  ExpectView(90.0, 30.0);
  // The timer reads on its own, in the field of the window's place and date.
  Aim(225.0, 10.0);
  const int32_t readings = window.GetSensorReadings();
  QTest::qWait(400);
  EXPECT_GT(window.GetSensorReadings(), readings + 5);
  ExpectView(225.0, 10.0);

  // Off from the menu: no more readings; the setting comes back at the next start.
  Choose(COMMAND_POINT_AT_SKY);
  EXPECT_FALSE(window.IsPointingAtSky());
  const int32_t stopped = window.GetSensorReadings();
  QTest::qWait(150);
  EXPECT_EQ(window.GetSensorReadings(), stopped);
  Choose(COMMAND_POINT_AT_SKY);
  Stop();
  Start();
  EXPECT_TRUE(App()->IsPointingAtSky());
  EXPECT_TRUE(App()->GetExtension().pointAtSky);
}

}  // namespace
}  // namespace halvane
