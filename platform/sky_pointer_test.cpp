// The sensor path from a synthetic IIO tree to the aim, against aims set up in the tree by the
// test's own turning of a device (tests/support/iio_tree.h).
#include "platform/sky_pointer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>

#include "astro/angles.h"
#include "astro/geomagnetic_field.h"
#include "tests/support/iio_tree.h"
#include "tests/support/scratch_folder.h"

namespace halvane {
namespace {

using test_support::SyntheticDevice;
using test_support::WriteIioTree;

// Sydney in 2026, where the compass reads about 13 degrees east of true north.
constexpr CompassCorrection SYDNEY = {-33.87, -151.21, 2026.5, 0.0};

double AngleDifference(double a, double b) { return std::remainder(a - b, 360.0); }

class SkyPointerTest : public test_support::ScratchFolderTest {
 protected:
  std::string Tree() const { return (folder / "iio").string(); }
  void Expect(const SyntheticDevice& device, double azimuth, double altitude, double roll,
              const char* what) {
    WriteIioTree(Tree(), device);
    SkyPointer pointer(Tree());
    ASSERT_TRUE(pointer.IsUsable()) << what << ": " << pointer.GetProblem();
    ASSERT_TRUE(pointer.Update(1.0 / 30.0)) << what;
    const DeviceAim aim = pointer.GetAim(SYDNEY);
    // The raw counts are rounded to whole numbers: a few hundredths of a degree at most.
    EXPECT_NEAR(aim.altitude * RAD_TO_DEG, altitude, 0.05) << what;
    if (std::fabs(altitude) < 89.0) {
      EXPECT_NEAR(AngleDifference(aim.azimuth * RAD_TO_DEG, azimuth), 0.0, 0.05) << what;
    }
    EXPECT_NEAR(AngleDifference(aim.roll * RAD_TO_DEG, roll), 0.0, 0.05) << what;
  }
};

TEST_F(SkyPointerTest, AimsWhereTheDevicePointsWithTheDeclinationApplied) {
  const double declination =
      MagneticDeclination(SYDNEY.latitude, -SYDNEY.longitudeWest, 0.0, SYDNEY.year);
  ASSERT_GT(declination, 10.0);
  SyntheticDevice device;
  device.declination = declination;
  // Flat on a table, screen up: the back looks at the nadir.
  device.altitude = -90.0;
  Expect(device, 0.0, -90.0, 0.0, "flat");
  // Upright, facing north across the horizon.
  device.altitude = 0.0;
  Expect(device, 0.0, 0.0, 0.0, "north");
  // East, 30 degrees up; then turned 20 degrees clockwise; then through a turned chip.
  device.azimuth = 90.0;
  device.altitude = 30.0;
  Expect(device, 90.0, 30.0, 0.0, "east 30 up");
  device.roll = 20.0;
  device.turnedAccelerometer = true;
  device.gyroscope = true;
  Expect(device, 90.0, 30.0, 20.0, "east 30 up, rolled, turned chip, gyroscope");
  // Upside down: top edge to the ground, facing south-west.
  device = SyntheticDevice{};
  device.declination = declination;
  device.azimuth = 225.0;
  device.roll = 180.0;
  Expect(device, 225.0, 0.0, 180.0, "upside down");
  // Without the declination the compass's north is taken for true north: off by it.
  device.azimuth = 90.0;
  device.roll = 0.0;
  WriteIioTree(Tree(), device);
  SkyPointer pointer(Tree());
  ASSERT_TRUE(pointer.Update(0.03));
  CompassCorrection offset = SYDNEY;
  offset.offset = -declination;
  EXPECT_NEAR(pointer.GetAim(offset).azimuth * RAD_TO_DEG, 90.0 - declination, 0.05);
}

TEST_F(SkyPointerTest, BrokenSensorsAreRefusedWithAReason) {
  SyntheticDevice device;
  device.magnetometer = false;
  WriteIioTree(Tree(), device);
  EXPECT_EQ(SkyPointer(Tree()).GetProblem(), "No magnetometer was found in " + Tree() + ".");
  EXPECT_EQ(SkyPointer((folder / "none").string()).GetProblem(),
            "No accelerometer was found in " + (folder / "none").string() + ".");

  const std::filesystem::path accel = folder / "iio" / "iio:device0";
  const std::filesystem::path magn = folder / "iio" / "iio:device1";
  struct Damage {
    std::filesystem::path file;
    const char* text;  // nullptr: a folder stands where the file should be
    const char* problem;
  };
  const Damage damages[] = {
      {accel / "in_accel_scale", "nan", "The accelerometer's scale is not a usable number."},
      {accel / "in_accel_scale", "-0.01", "The accelerometer's scale is not a usable number."},
      {magn / "in_magn_scale", "1e9", "The magnetometer's scale is not a usable number."},
      {magn / "in_magn_scale", "fast", "The magnetometer's scale is not a usable number."},
      {accel / "in_accel_scale", "0.5",
       "The accelerometer's readings are not plausible (its scale may be wrong)."},
      {magn / "in_magn_scale", "1e-9",
       "The magnetometer's readings are not plausible (its scale may be wrong)."},
      {accel / "in_accel_mount_matrix", "1, 0; 0, 1",
       "The accelerometer's mount matrix cannot be read."},
      {magn / "in_magn_y_raw", nullptr, ""},
  };
  for (const Damage& damage : damages) {
    WriteIioTree(Tree(), SyntheticDevice{});
    std::filesystem::remove(damage.file);
    if (damage.text == nullptr) {
      std::filesystem::create_directory(damage.file);
    } else {
      std::ofstream(damage.file) << damage.text << "\n";
    }
    SkyPointer pointer(Tree());
    EXPECT_FALSE(pointer.IsUsable()) << damage.file;
    if (damage.text != nullptr) {
      EXPECT_EQ(pointer.GetProblem(), damage.problem) << damage.file;
    }
  }
  // A reading that fails later leaves the aim where it was.
  WriteIioTree(Tree(), SyntheticDevice{});
  SkyPointer pointer(Tree());
  ASSERT_TRUE(pointer.Update(0.03));
  const double before = pointer.GetAim(SYDNEY).altitude;
  std::filesystem::remove(accel / "in_accel_z_raw");
  EXPECT_FALSE(pointer.Update(0.03));
  EXPECT_EQ(pointer.GetAim(SYDNEY).altitude, before);
}

}  // namespace
}  // namespace halvane
