// SkyPlaces: the plain sky is the sidereal turn alone, the sky of the date goes back from the
// chart to the catalog, and its margin bounds every shift at any date.
#include "astro/sky_places.h"

#include <erfa.h>
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "astro/angles.h"
#include "astro/delta_t.h"
#include "astro/observer.h"

namespace halvane {
namespace {

TEST(SkyPlaces, PlainIsTheSiderealTurnAndTheDateRoundTripsWithinItsMargin) {
  std::mt19937 random(5);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  Observer observer;
  observer.SetLocation(-14.0, 50.0);

  const SkyPlaces plain(observer, 1.25);
  EXPECT_FALSE(plain.IsPrecise());
  EXPECT_EQ(plain.GetMargin(), 0.0);
  double azimuth, altitude, expectedAzimuth, expectedAltitude;
  plain.ToHorizontal(0.4, 0.3, azimuth, altitude);
  observer.EquatorialToHorizontal(0.4 - 1.25, 0.3, expectedAzimuth, expectedAltitude);
  EXPECT_EQ(azimuth, expectedAzimuth);
  EXPECT_EQ(altitude, expectedAltitude);

  // From year -4000 to 8000, precession reaches tens of degrees; the margin follows it.
  for (const double jdUt : {2461120.5, 260423.5, 4643000.5}) {
    const SkyPlaces sky = SkyPlaces::OfDate(jdUt, TerrestrialJulianDay(jdUt), observer);
    ASSERT_TRUE(sky.IsPrecise());
    for (int i = 0; i < 2000; ++i) {
      const double ra = unit(random) * TWO_PI;
      const double dec = std::asin(unit(random) * 2.0 - 1.0);
      sky.ToHorizontal(ra, dec, azimuth, altitude);
      double turnedAzimuth, turnedAltitude;
      observer.EquatorialToHorizontal(ra - sky.GetSiderealAngle(), dec, turnedAzimuth,
                                      turnedAltitude);
      ASSERT_LE(eraSeps(azimuth, altitude, turnedAzimuth, turnedAltitude), sky.GetMargin());
      if (altitude < 0.0) continue;  // below the horizon refraction has no unique inverse
      double backRa, backDec;
      sky.FromHorizontal(azimuth, altitude, backRa, backDec);
      ASSERT_LT(eraSeps(ra, dec, backRa, backDec), 1e-9) << jdUt << " " << altitude;
    }
  }
}

}  // namespace
}  // namespace halvane
