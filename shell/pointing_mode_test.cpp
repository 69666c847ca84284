// "Point at the sky" without a window: a device on a synthetic IIO tree aims a projection, a
// still device asks for no frame, and without sensors the mode never starts.
#include "shell/pointing_mode.h"

#include <gtest/gtest.h>

#include <cmath>

#include "astro/angles.h"
#include "astro/geomagnetic_field.h"
#include "shell/shell_test_support.h"
#include "tests/support/iio_tree.h"

namespace halvane {
namespace {

using test_support::SyntheticDevice;
using test_support::WriteIioTree;

class PointingModeTest : public test_support::ScratchFolderTest {
 protected:
  std::string Tree() const { return (folder / "iio").string(); }
  void Aim(double azimuth, double altitude, double roll = 0.0) {
    SyntheticDevice device;
    device.azimuth = azimuth;
    device.altitude = altitude;
    device.roll = roll;
    device.declination = MagneticDeclination(0.0, 0.0, 0.0, CORRECTION.year);
    WriteIioTree(Tree(), device);
  }
  // The device's field is the model's at the correction's place and year.
  static constexpr CompassCorrection CORRECTION{};
  void ExpectView(double azimuth, double altitude) const {
    double a = 0.0, h = 0.0;
    view.GetViewDirection(a, h);
    EXPECT_NEAR(std::remainder(a * RAD_TO_DEG - azimuth, 360.0), 0.0, 1.0);
    EXPECT_NEAR(h * RAD_TO_DEG, altitude, 1.0);
  }

  Projection view{Rect{0, 0, 240, 294}};
  int readingsHandedOn = 0;
};

TEST_F(PointingModeTest, TheViewFollowsTheDeviceAndAStillDeviceAsksForNoFrame) {
  test_support::Application();
  Aim(90.0, 30.0, 20.0);
  PointingMode mode(Tree(), [this](double) { ++readingsHandedOn; });
  ASSERT_TRUE(mode.IsUsable()) << mode.GetProblem();
  mode.Start();
  EXPECT_TRUE(mode.IsOn());
  EXPECT_TRUE(mode.Follow(0.0, CORRECTION, view));
  ExpectView(90.0, 30.0);
  // The picture turns against the device's roll.
  EXPECT_NEAR(std::remainder(view.GetRotation() + 20.0 * DEG_TO_RAD, TWO_PI), 0.0, 0.02);
  for (int i = 0; i < 10; ++i) EXPECT_FALSE(mode.Follow(1.0 / 30.0, CORRECTION, view));
  EXPECT_EQ(mode.GetFrames(), 1);
  EXPECT_EQ(mode.GetReadings(), 11);
  Aim(225.0, 10.0);
  for (int i = 0; i < 60; ++i) mode.Follow(1.0 / 30.0, CORRECTION, view);
  ExpectView(225.0, 10.0);
  // The timer hands readings on while the mode is on, and none after.
  QTest::qWait(150);
  EXPECT_GT(readingsHandedOn, 1);
  mode.Stop();
  const int stopped = readingsHandedOn;
  QTest::qWait(100);
  EXPECT_EQ(readingsHandedOn, stopped);
}

TEST_F(PointingModeTest, WithoutSensorsTheModeSaysWhyAndNeverStarts) {
  test_support::Application();
  PointingMode mode(Tree(), [this](double) { ++readingsHandedOn; });
  EXPECT_FALSE(mode.IsUsable());
  EXPECT_EQ(mode.GetProblem(), "No accelerometer was found in " + Tree() + ".");
  mode.Start();
  EXPECT_FALSE(mode.IsOn());
  double a = 0.0, h = 0.0;
  view.GetViewDirection(a, h);
  EXPECT_FALSE(mode.Follow(0.0, CORRECTION, view));
  ExpectView(a * RAD_TO_DEG, h * RAD_TO_DEG);
}

}  // namespace
}  // namespace halvane
