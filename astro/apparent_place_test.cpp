// Apparent places, sidereal angle and refraction against ERFA's observed places (eraAtco13).
#include "astro/apparent_place.h"

#include <erfa.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>

#include "astro/angles.h"
#include "astro/delta_t.h"
#include "astro/observer.h"

namespace halvane {
namespace {

// On a day that ends with a leap second ERFA stretches UTC, so its UT1 parts from ours by up to
// a second (15" of turn).
bool IsLeapSecondDay(double jd) {
  int year, month, day, nextYear, nextMonth, nextDay;
  double fraction, before, after;
  eraJd2cal(jd, 0.0, &year, &month, &day, &fraction);
  eraJd2cal(jd + 1.0, 0.0, &nextYear, &nextMonth, &nextDay, &fraction);
  eraDat(year, month, day, 0.0, &before);
  eraDat(nextYear, nextMonth, nextDay, 0.0, &after);
  return before != after;
}

// Random stars without proper motion, moments from 1990 to 2030 (where ERFA knows the leap
// seconds, so its TT is ours to within a second), random places. ERFA's chain also carries
// diurnal aberration and light bending (a few tenths of an arcsecond away from the Sun), hence
// 5" above 10 degrees, where both refraction models are the same A tan z + B tan^3 z.
TEST(ApparentPlace, MatchesErfaObservedPlacesAboveTenDegrees) {
  std::mt19937 random(11);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  double worst = 0.0;
  int compared = 0;
  for (int i = 0; i < 4000; ++i) {
    const double jdUt = 2447892.5 + unit(random) * 14610.0;
    const double longitude = unit(random) * 360.0 - 180.0;  // west positive
    const double latitude = std::asin(unit(random) * 2.0 - 1.0) * RAD_TO_DEG;
    const double ra = unit(random) * TWO_PI;
    const double dec = std::asin(unit(random) * 2.0 - 1.0);

    if (IsLeapSecondDay(jdUt)) continue;
    double aob, zob, hob, dob, rob, eo;
    ASSERT_GE(eraAtco13(ra, dec, 0.0, 0.0, 0.0, 0.0, jdUt, 0.0, 0.0, -longitude * DEG_TO_RAD,
                        latitude * DEG_TO_RAD, 0.0, 0.0, 0.0, 1010.0, 10.0, 0.0, 0.55, &aob, &zob,
                        &hob, &dob, &rob, &eo),
              0);
    if (zob > 80.0 * DEG_TO_RAD) continue;

    const ApparentPlace place(jdUt, TerrestrialJulianDay(jdUt), longitude);
    double apparentRa, apparentDec;
    place.ToApparent(ra, dec, apparentRa, apparentDec);
    Observer observer;
    observer.SetLocation(longitude, latitude);
    double azimuth, altitude;
    observer.EquatorialToHorizontal(apparentRa - place.GetSiderealAngle(), apparentDec, azimuth,
                                    altitude);
    altitude += Refraction(altitude);
    const double error = eraSeps(azimuth, altitude, aob, HALF_PI - zob) * RAD_TO_ARCSEC;
    worst = std::max(worst, error);
    ++compared;
  }
  std::printf("apparent places vs eraAtco13, %d stars above 10 degrees: worst %.3f\"\n", compared,
              worst);
  EXPECT_GT(compared, 1500);
  EXPECT_LT(worst, 5.0);
}

// Near the horizon the scaled low-altitude formula takes over: it joins without a step, lifts an
// object at the airless horizon by about 29' (Saemundsson's figure for this atmosphere), and
// stops below -1 degree.
TEST(ApparentPlace, RefractionIsContinuousAndStopsBelowTheHorizon) {
  const double step = 1e-9;
  EXPECT_NEAR(Refraction(10.0 * DEG_TO_RAD - step), Refraction(10.0 * DEG_TO_RAD), 1e-10);
  EXPECT_NEAR(Refraction(0.0) * RAD_TO_DEG * 60.0, 29.0, 1.0);
  EXPECT_EQ(Refraction(-1.5 * DEG_TO_RAD), 0.0);
  EXPECT_EQ(Refraction(NAN), 0.0);
  EXPECT_EQ(Refraction(HALF_PI), 0.0);
  double previous = Refraction(-0.99 * DEG_TO_RAD);
  for (double h = -0.9; h <= 90.0; h += 0.1) {
    const double r = Refraction(h * DEG_TO_RAD);
    ASSERT_LE(r, previous) << h;
    previous = r;
  }
}

}  // namespace
}  // namespace halvane
