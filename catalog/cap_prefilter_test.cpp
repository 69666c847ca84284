// The cap pre-test never rejects a position that the cap test itself would accept.
#include "catalog/cap_prefilter.h"

#include <gtest/gtest.h>

#include <random>

#include "astro/angles.h"
#include "astro/observer.h"

namespace halvane {
namespace {

TEST(CapPrefilter, RejectsOnlyWhatTheCapTestRejects) {
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  const double directions[][2] = {{0.0, HALF_PI},
                                  {0.0, 30 * DEG_TO_RAD},
                                  {PI, 30 * DEG_TO_RAD},
                                  {HALF_PI, 0.4},
                                  {-HALF_PI, 0.5},
                                  {0.0, 1.8},
                                  {0.0, 1.0},
                                  {2.0, -0.3}};
  for (const double latitude : {50.0, 0.0, -35.0, 89.0}) {
    for (const auto& direction : directions) {
      for (const double radius : {0.05, 1.17, 2.4}) {
        Observer observer;
        observer.SetLocation(-20.0, latitude);
        observer.SetViewDirection(direction[0], direction[1]);
        observer.RotateClockwise();
        double azimuth0 = 0.0;
        double altitude0 = 0.0;
        observer.GetViewDirection(azimuth0, altitude0);
        const VisibleCap cap = VisibleCap::Around(azimuth0, altitude0, radius);
        const CapPrefilter prefilter(observer, cap);
        int rejected = 0;
        for (int i = 0; i < 4000; ++i) {
          // Every fourth point on the meridian or at a pole, where the transform is special.
          double hour = TWO_PI * unit(random) - PI;
          double declination = std::asin(2.0 * unit(random) - 1.0);
          if (i % 4 == 1) hour = (i % 8 == 1) ? 0.0 : PI;
          if (i % 16 == 3) declination = HALF_PI;
          if (!prefilter.CertainlyOutside(hour, declination)) continue;
          ++rejected;
          double azimuth = 0.0;
          double altitude = 0.0;
          observer.EquatorialToHorizontal(hour, declination, azimuth, altitude);
          ASSERT_FALSE(cap.Contains(azimuth, altitude))
              << "latitude " << latitude << " view " << direction[0] << "," << direction[1]
              << " radius " << radius << " point " << hour << "," << declination;
        }
        // The usual views of the chart do get the saving.
        if (latitude == 50.0 && radius == 1.17 && direction[1] < HALF_PI + 0.1) {
          EXPECT_GT(rejected, 500) << direction[0] << "," << direction[1];
        }
      }
    }
  }
}

}  // namespace
}  // namespace halvane
