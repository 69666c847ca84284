// A satellite's look, shadow and passes against an independent reference.
#include "astro/satellite_passes.h"

#include <gtest/gtest.h>

#include <cmath>

#include "astro/angles.h"
#include "astro/sidereal_time.h"

namespace halvane {
namespace {

constexpr double SATELLITE_SECOND = 1.0 / 86400.0;  // days

// An ISS-like element set, epoch 2026-12-08 12:00 UTC, as the two-line set
// 1 25544U 98067A   26342.50000000  .00012000  00000-0  15000-3 0  9994
// 2 25544  51.6400 300.0000 0003000  80.0000 120.0000 15.50000000123451
OrbitalElements SatelliteTestElements() {
  OrbitalElements e;
  e.name = "ISS (ZARYA)";
  e.catalogNumber = 25544;
  e.internationalDesignator = "1998-067A";
  e.epochJulianDay = 2461382.5;
  e.epochJulianDayFraction = 0.5;
  e.meanMotion = 15.5;
  e.eccentricity = 0.0003;
  e.inclinationDeg = 51.64;
  e.raanDeg = 300.0;
  e.argumentOfPerigeeDeg = 80.0;
  e.meanAnomalyDeg = 120.0;
  e.bstar = 1.5e-4;
  e.meanMotionDot = 0.00012;
  return e;
}

// Paris, at sea level on the ellipsoid.
constexpr GroundSite PARIS{-2.35, 48.85, 0.0};

TEST(SatelliteView, SiderealTimeShadowAndLookAgreeWithReferences) {
  // Vallado, Fundamentals of Astrodynamics, example 3-5: 1992 August 20, 12:14 UT1.
  EXPECT_NEAR(Gmst1982(JulianDay(1992, 8, 20, 12.0 + 14.0 / 60.0), 0.0) * RAD_TO_DEG, 152.578787886,
              1e-6);

  // Seen from the Sun's side, beside the Earth, and straight behind it: lit, lit, in umbra;
  // at the shadow's edge, the penumbra.
  const double sun[3] = {1.496e8, 0.0, 0.0};
  const double facing[3] = {6778.0, 0.0, 0.0};
  const double beside[3] = {0.0, 6778.0, 0.0};
  const double behind[3] = {-6778.0, 0.0, 0.0};
  const double edge[3] = {-6778.0, 6378.137, 0.0};
  EXPECT_EQ(LightOf(facing, sun), SatelliteLight::Sunlit);
  EXPECT_EQ(LightOf(beside, sun), SatelliteLight::Sunlit);
  EXPECT_EQ(LightOf(behind, sun), SatelliteLight::Umbra);
  EXPECT_EQ(LightOf(edge, sun), SatelliteLight::Penumbra);

  const Sgp4 model(SatelliteTestElements());
  ASSERT_EQ(model.InitError(), Sgp4Error::None);
  const double jd = JulianDay(2026, 12, 9, 0.0);
  TemeState state{};
  ASSERT_EQ(model.Propagate(model.MinutesSince(jd), state), Sgp4Error::None);
  const SatelliteLook look = HorizonFrame(PARIS).Look(state, jd);
  // python3-skyfield 1.45 (Debian 1.45+ds-2), EarthSatellite over wgs84.latlon(48.85, 2.35):
  // altitude 8.6035, azimuth 268.7766, range 1584.92 km.
  EXPECT_NEAR(look.altitude * RAD_TO_DEG, 8.6035, 0.01);
  EXPECT_NEAR(look.azimuth * RAD_TO_DEG, 268.7766, 0.01);
  EXPECT_NEAR(look.rangeKm, 1584.92, 0.5);
  // The rates agree with the change of the look over a second.
  TemeState later{};
  ASSERT_EQ(model.Propagate(model.MinutesSince(jd + SATELLITE_SECOND), later), Sgp4Error::None);
  const SatelliteLook next = HorizonFrame(PARIS).Look(later, jd + SATELLITE_SECOND);
  EXPECT_NEAR(next.rangeKm - look.rangeKm, look.rangeRateKmPerS, 0.01);
  EXPECT_NEAR(next.altitude - look.altitude, look.altitudeRate, 1e-5);
}

TEST(SatellitePasses, OneEveningAgreesWithAnIndependentPropagator) {
  const Sgp4 model(SatelliteTestElements());
  const double start = JulianDay(2026, 12, 9, 12.0);
  const std::vector<SatellitePass> passes = FindPasses(model, start, start + 0.5, PARIS);
  // python3-skyfield 1.45 find_events(altitude_degrees=0): times UTC, azimuth and altitude.
  // Visibility from the same positions, astropy 6's Sun and the cones of a spherical Earth.
  struct Expected {
    double riseHours, riseAzimuth, topHours, topAzimuth, topAltitude, setHours, setAzimuth;
    bool visible;
  };
  constexpr double H = 1.0 / 3600.0;
  const Expected expected[] = {
      {15 + 10 * 60 * H + 49.543 * H, 136.099, 15 + 11 * 60 * H + 57.947 * H, 123.699, 0.452,
       15 + 13 * 60 * H + 6.347 * H, 111.324, false},
      {16 + 42 * 60 * H + 39.625 * H, 206.234, 16 + 47 * 60 * H + 35.683 * H, 140.038, 19.776,
       16 + 52 * 60 * H + 33.105 * H, 74.065, true},
      {18 + 18 * 60 * H + 33.723 * H, 246.669, 18 + 23 * 60 * H + 59.388 * H, 156.901, 85.908,
       18 + 29 * 60 * H + 26.174 * H, 70.092, true},
      {19 + 55 * 60 * H + 30.736 * H, 275.051, 20 + 0 * 60 * H + 54.853 * H, 358.135, 49.927,
       20 + 6 * 60 * H + 19.219 * H, 81.297, false},
      {21 + 32 * 60 * H + 26.540 * H, 288.998, 21 + 37 * 60 * H + 53.452 * H, 17.992, 78.708,
       21 + 43 * 60 * H + 19.455 * H, 107.248, false},
      {23 + 9 * 60 * H + 15.868 * H, 287.878, 23 + 14 * 60 * H + 24.470 * H, 216.755, 26.151,
       23 + 19 * 60 * H + 31.556 * H, 145.500, false},
  };
  ASSERT_EQ(passes.size(), std::size(expected));
  const double day = JulianDay(2026, 12, 9, 0.0);
  for (size_t i = 0; i < passes.size(); ++i) {
    SCOPED_TRACE(i);
    const SatellitePass& p = passes[i];
    const Expected& e = expected[i];
    EXPECT_NEAR(p.rise.jdUt, day + e.riseHours / 24.0, 0.5 * SATELLITE_SECOND);
    EXPECT_NEAR(p.set.jdUt, day + e.setHours / 24.0, 0.5 * SATELLITE_SECOND);
    // The highest point is flat in time: its altitude is what counts.
    EXPECT_NEAR(p.culmination.jdUt, day + e.topHours / 24.0, 2.0 * SATELLITE_SECOND);
    EXPECT_NEAR(p.culmination.altitude * RAD_TO_DEG, e.topAltitude, 0.01);
    EXPECT_NEAR(p.rise.azimuth * RAD_TO_DEG, e.riseAzimuth, 0.05);
    EXPECT_NEAR(p.set.azimuth * RAD_TO_DEG, e.setAzimuth, 0.05);
    EXPECT_NEAR(p.rise.altitude, 0.0, 1e-4);
    EXPECT_EQ(p.visible, e.visible);
  }
}

}  // namespace
}  // namespace halvane
