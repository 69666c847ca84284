// The coefficients SGP4 and SDP4 compute once from a satellite's elements, and the deep-space
// parts of the model. Only astro/sgp4*.cpp use them; names follow the published model.
#pragma once

namespace halvane {

// WGS-72 constants of the model.
constexpr double SGP4_EARTH_RADIUS_KM = 6378.135;  // equatorial radius, km
constexpr double SGP4_MU = 398600.8;               // gravitational parameter, km^3/s^2
constexpr double SGP4_XKE = 0.07436691613317342;   // 60 / sqrt(R^3 / mu), er^1.5 per minute
constexpr double SGP4_J2 = 0.001082616;            // second zonal harmonic
constexpr double SGP4_J3 = -0.00000253881;         // third zonal harmonic
constexpr double SGP4_J4 = -0.00000165597;         // fourth zonal harmonic
constexpr double SGP4_J3OJ2 = SGP4_J3 / SGP4_J2;

// The mean elements at epoch, in radians and radians per minute, and their secular rates.
struct Sgp4MeanElements {
  double epochDays1950;  // epoch, days since 1950 January 0.0 UT
  double inclo, nodeo, argpo, mo, ecco;
  double no;  // un-Kozai'd mean motion, rad/min
  double bstar;
  double mdot, argpdot, nodedot, xpidot;  // rad/min
  double gsto;                            // Greenwich sidereal angle at epoch, rad
};

// The near-Earth drag and long-period coefficients (sgp4init's).
struct NearEarthTerms {
  double aycof, xlcof, con41, x1mth2, x7thm1;
  double cc1, cc4, cc5, d2, d3, d4, delmo, eta, sinmao;
  double omgcof, xmcof, nodecf, t2cof, t3cof, t4cof, t5cof;
  bool simple;  // perigee below 220 km or deep space: the shorter drag series only
};

// Lunar-solar periodic terms (dpper's coefficients).
struct DeepSpacePeriodics {
  double e3, ee2, se2, se3, sgh2, sgh3, sgh4, sh2, sh3, si2, si3, sl2, sl3, sl4;
  double xgh2, xgh3, xgh4, xh2, xh3, xi2, xi3, xl2, xl3, xl4;
  double zmol, zmos;  // mean anomalies of Moon and Sun at epoch, rad
};

// Lunar-solar secular rates and the resonance terms (dsinit's results).
struct DeepSpaceSecular {
  double dedt, didt, dmdt, dnodt, domdt;
  int irez;  // 0 none, 1 one-day (synchronous), 2 half-day resonance
  double d2201, d2211, d3210, d3222, d4410, d4422, d5220, d5232, d5421, d5433;
  double del1, del2, del3;
  double xfact, xlamo;
};

struct DeepSpaceTerms {
  DeepSpacePeriodics periodics;
  DeepSpaceSecular secular;
};

// Where the resonance integrator stands: its time from epoch (minutes, a multiple of 720),
// mean longitude and mean motion there.
struct ResonanceIntegrator {
  double atime = 0.0;
  double xli = 0.0;
  double xni = 0.0;
};

// The elements a deep-space step changes.
struct DeepSpaceState {
  double em, argpm, inclm, mm, nodem, nm;
};

// Deep-space terms of a satellite whose period is 225 minutes or more.
// Source: Vallado et al., "Revisiting Spacetrack Report #3", AIAA 2006-6753, appendix
// (dscom and dsinit); Hoots and Roehrich, Spacetrack Report No. 3, section 10 (DEEP).
DeepSpaceTerms InitDeepSpace(const Sgp4MeanElements& mean);

// Lunar-solar secular effects and the resonance integration to t minutes after epoch, in
// 720-minute steps from the epoch; the integrator goes on from where it stands when t lies
// beyond it on the same side of the epoch, else starts again at the epoch. Both give the same
// steps, so the result does not depend on earlier calls.
// Source: Vallado et al. 2006, appendix (dspace); Spacetrack Report No. 3, section 10 (DPSEC).
void DeepSpaceSecularStep(const DeepSpaceSecular& terms, const Sgp4MeanElements& mean, double t,
                          ResonanceIntegrator& integrator, DeepSpaceState& state);

// Lunar-solar periodics at t minutes after epoch, applied to eccentricity, inclination, node,
// argument of perigee and mean anomaly; below 0.2 rad of inclination Lyddane's form.
// Source: Vallado et al. 2006, appendix (dpper); Spacetrack Report No. 3, section 10 (DPPER).
void DeepSpacePeriodicStep(const DeepSpacePeriodics& terms, double t, double& ep, double& inclp,
                           double& nodep, double& argpp, double& mp);

}  // namespace halvane
