// SGP4's initialisation and its near-Earth propagation; the deep-space parts are in
// sgp4_deep_space.cpp.
#include "astro/sgp4.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/sidereal_time.h"

namespace halvane {
namespace {

constexpr double MINUTES_PER_DAY = 1440.0;
constexpr double JD_1950 = 2433281.5;          // 1950 January 0.0, the model's day zero
constexpr double DEEP_SPACE_PERIOD = 225.0;    // minutes; longer periods use SDP4
constexpr double SIMPLE_PERIGEE_KM = 220.0;    // below it the drag series is cut short
constexpr double S_HEIGHT_KM = 78.0;           // the density function's s parameter, km
constexpr double Q0_HEIGHT_KM = 120.0;         // the density function's q0 parameter, km
constexpr double SMALL_ECCENTRICITY = 1.0e-4;  // below it the e-dependent drag terms vanish
constexpr double KEPLER_TOLERANCE = 1.0e-12;   // rad
constexpr double NEAR_POLE = 1.5e-12;          // guard of 1 + cos i in the long-period terms
// Two centuries either side of the epoch: far beyond any use of mean elements, and a bound
// on the deep-space integrator's 720-minute steps.
constexpr double MAX_MINUTES = 1.0e8;

}  // namespace

// Source: Spacetrack Report No. 3, section 6 (SGP4 initialisation); Vallado et al. 2006,
// initl (recovery of the Brouwer mean motion) and sgp4init.
Sgp4::Sgp4(const OrbitalElements& elements)
    : epochWhole_(elements.epochJulianDay), epochFraction_(elements.epochJulianDayFraction) {
  Sgp4MeanElements& m = mean_;
  m.epochDays1950 = (epochWhole_ - JD_1950) + epochFraction_;
  m.inclo = elements.inclinationDeg * DEG_TO_RAD;
  m.nodeo = elements.raanDeg * DEG_TO_RAD;
  m.argpo = elements.argumentOfPerigeeDeg * DEG_TO_RAD;
  m.mo = elements.meanAnomalyDeg * DEG_TO_RAD;
  m.ecco = elements.eccentricity;
  m.bstar = elements.bstar;
  const double noKozai = elements.meanMotion * TWO_PI / MINUTES_PER_DAY;
  const bool finite = std::isfinite(m.epochDays1950) && std::isfinite(m.inclo) &&
                      std::isfinite(m.nodeo) && std::isfinite(m.argpo) && std::isfinite(m.mo) &&
                      std::isfinite(m.bstar);
  if (!(noKozai > 0.0) || !std::isfinite(noKozai) || !finite) {
    initError_ = Sgp4Error::MeanMotion;
    return;
  }
  if (!(m.ecco >= 0.0 && m.ecco < 1.0)) {
    initError_ = Sgp4Error::MeanEccentricity;
    return;
  }

  // initl: un-Kozai the mean motion.
  const double eccsq = m.ecco * m.ecco;
  const double omeosq = 1.0 - eccsq;
  const double rteosq = std::sqrt(omeosq);
  const double cosio = std::cos(m.inclo);
  const double cosio2 = cosio * cosio;
  const double ak = std::pow(SGP4_XKE / noKozai, 2.0 / 3.0);
  const double d1 = 0.75 * SGP4_J2 * (3.0 * cosio2 - 1.0) / (rteosq * omeosq);
  double del = d1 / (ak * ak);
  const double adel = ak * (1.0 - del * del - del * (1.0 / 3.0 + 134.0 * del * del / 81.0));
  del = d1 / (adel * adel);
  m.no = noKozai / (1.0 + del);
  const double ao = std::pow(SGP4_XKE / m.no, 2.0 / 3.0);
  const double sinio = std::sin(m.inclo);
  const double po = ao * omeosq;
  const double con42 = 1.0 - 5.0 * cosio2;
  NearEarthTerms& n = near_;
  n.con41 = -con42 - cosio2 - cosio2;
  const double posq = po * po;
  const double rp = ao * (1.0 - m.ecco);
  m.gsto = Gmst1982(epochWhole_, epochFraction_);

  // sgp4init: the atmosphere's density function and the drag coefficients.
  n.simple = rp < SIMPLE_PERIGEE_KM / SGP4_EARTH_RADIUS_KM + 1.0;
  double sfour = S_HEIGHT_KM / SGP4_EARTH_RADIUS_KM + 1.0;
  double qzms24 = std::pow((Q0_HEIGHT_KM - S_HEIGHT_KM) / SGP4_EARTH_RADIUS_KM, 4.0);
  const double perigee = (rp - 1.0) * SGP4_EARTH_RADIUS_KM;
  if (perigee < 156.0) {
    sfour = perigee < 98.0 ? 20.0 : perigee - S_HEIGHT_KM;
    qzms24 = std::pow((Q0_HEIGHT_KM - sfour) / SGP4_EARTH_RADIUS_KM, 4.0);
    sfour = sfour / SGP4_EARTH_RADIUS_KM + 1.0;
  }
  const double pinvsq = 1.0 / posq;
  const double tsi = 1.0 / (ao - sfour);
  n.eta = ao * m.ecco * tsi;
  const double etasq = n.eta * n.eta;
  const double eeta = m.ecco * n.eta;
  const double psisq = std::fabs(1.0 - etasq);
  const double coef = qzms24 * std::pow(tsi, 4.0);
  const double coef1 = coef / std::pow(psisq, 3.5);
  const double cc2 =
      coef1 * m.no *
      (ao * (1.0 + 1.5 * etasq + eeta * (4.0 + etasq)) +
       0.375 * SGP4_J2 * tsi / psisq * n.con41 * (8.0 + 3.0 * etasq * (8.0 + etasq)));
  n.cc1 = m.bstar * cc2;
  double cc3 = 0.0;
  if (m.ecco > SMALL_ECCENTRICITY) cc3 = -2.0 * coef * tsi * SGP4_J3OJ2 * m.no * sinio / m.ecco;
  n.x1mth2 = 1.0 - cosio2;
  n.cc4 = 2.0 * m.no * coef1 * ao * omeosq *
          (n.eta * (2.0 + 0.5 * etasq) + m.ecco * (0.5 + 2.0 * etasq) -
           SGP4_J2 * tsi / (ao * psisq) *
               (-3.0 * n.con41 * (1.0 - 2.0 * eeta + etasq * (1.5 - 0.5 * eeta)) +
                0.75 * n.x1mth2 * (2.0 * etasq - eeta * (1.0 + etasq)) * std::cos(2.0 * m.argpo)));
  n.cc5 = 2.0 * coef1 * ao * omeosq * (1.0 + 2.75 * (etasq + eeta) + eeta * etasq);

  // Secular rates of the mean anomaly, perigee and node from J2 and J4.
  const double cosio4 = cosio2 * cosio2;
  const double temp1 = 1.5 * SGP4_J2 * pinvsq * m.no;
  const double temp2 = 0.5 * temp1 * SGP4_J2 * pinvsq;
  const double temp3 = -0.46875 * SGP4_J4 * pinvsq * pinvsq * m.no;
  m.mdot = m.no + 0.5 * temp1 * rteosq * n.con41 +
           0.0625 * temp2 * rteosq * (13.0 - 78.0 * cosio2 + 137.0 * cosio4);
  m.argpdot = -0.5 * temp1 * con42 + 0.0625 * temp2 * (7.0 - 114.0 * cosio2 + 395.0 * cosio4) +
              temp3 * (3.0 - 36.0 * cosio2 + 49.0 * cosio4);
  const double xhdot1 = -temp1 * cosio;
  m.nodedot =
      xhdot1 + (0.5 * temp2 * (4.0 - 19.0 * cosio2) + 2.0 * temp3 * (3.0 - 7.0 * cosio2)) * cosio;
  m.xpidot = m.argpdot + m.nodedot;
  n.omgcof = m.bstar * cc3 * std::cos(m.argpo);
  n.xmcof = m.ecco > SMALL_ECCENTRICITY ? -2.0 / 3.0 * coef * m.bstar / eeta : 0.0;
  n.nodecf = 3.5 * omeosq * xhdot1 * n.cc1;
  n.t2cof = 1.5 * n.cc1;
  const double onePlusCos = std::fabs(cosio + 1.0) > NEAR_POLE ? 1.0 + cosio : NEAR_POLE;
  n.xlcof = -0.25 * SGP4_J3OJ2 * sinio * (3.0 + 5.0 * cosio) / onePlusCos;
  n.aycof = -0.5 * SGP4_J3OJ2 * sinio;
  n.delmo = std::pow(1.0 + n.eta * std::cos(m.mo), 3.0);
  n.sinmao = std::sin(m.mo);
  n.x7thm1 = 7.0 * cosio2 - 1.0;

  if (TWO_PI / m.no >= DEEP_SPACE_PERIOD) {
    deepSpace_ = true;
    n.simple = true;
    deep_ = InitDeepSpace(m);
  }
  if (!n.simple) {
    const double cc1sq = n.cc1 * n.cc1;
    n.d2 = 4.0 * ao * tsi * cc1sq;
    const double temp = n.d2 * tsi * n.cc1 / 3.0;
    n.d3 = (17.0 * ao + sfour) * temp;
    n.d4 = 0.5 * temp * ao * tsi * (221.0 * ao + 31.0 * sfour) * n.cc1;
    n.t3cof = n.d2 + 2.0 * cc1sq;
    n.t4cof = 0.25 * (3.0 * n.d3 + n.cc1 * (12.0 * n.d2 + 10.0 * cc1sq));
    n.t5cof = 0.2 * (3.0 * n.d4 + 12.0 * n.cc1 * n.d3 + 6.0 * n.d2 * n.d2 +
                     15.0 * cc1sq * (2.0 * n.d2 + cc1sq));
  }
  TemeState state{};
  initError_ = Propagate(0.0, state);
}

Sgp4Error Sgp4::InitError() const { return initError_; }

Sgp4Error Sgp4::Propagate(double minutesSinceEpoch, TemeState& state) const {
  if (initError_ != Sgp4Error::None) return initError_;
  if (!(std::fabs(minutesSinceEpoch) <= MAX_MINUTES)) return Sgp4Error::MeanMotion;
  TemeState computed;
  const Sgp4Error error = Step(minutesSinceEpoch, computed);
  if (error != Sgp4Error::None) return error;
  for (int i = 0; i < 3; ++i) {
    if (!std::isfinite(computed.position[i]) || !std::isfinite(computed.velocity[i])) {
      return Sgp4Error::MeanMotion;
    }
  }
  state = computed;
  return Sgp4Error::None;
}

// Source: Spacetrack Report No. 3, section 6 (SGP4: secular gravity and drag, long-period
// periodics, Kepler's equation, short-period periodics, orientation vectors); Vallado et
// al. 2006, sgp4 (error codes, the deep-space calls and Lyddane's inclination fix).
Sgp4Error Sgp4::Step(double t, TemeState& state) const {
  const Sgp4MeanElements& m = mean_;
  const NearEarthTerms& n = near_;
  // Secular gravity and atmospheric drag.
  const double xmdf = m.mo + m.mdot * t;
  const double argpdf = m.argpo + m.argpdot * t;
  const double nodedf = m.nodeo + m.nodedot * t;
  const double t2 = t * t;
  DeepSpaceState s{m.ecco, argpdf, m.inclo, xmdf, nodedf + n.nodecf * t2, m.no};
  double tempa = 1.0 - n.cc1 * t;
  double tempe = m.bstar * n.cc4 * t;
  double templ = n.t2cof * t2;
  if (!n.simple) {
    const double delomg = n.omgcof * t;
    const double delmtemp = 1.0 + n.eta * std::cos(xmdf);
    const double delm = n.xmcof * (delmtemp * delmtemp * delmtemp - n.delmo);
    const double temp = delomg + delm;
    s.mm = xmdf + temp;
    s.argpm = argpdf - temp;
    const double t3 = t2 * t;
    const double t4 = t3 * t;
    tempa = tempa - n.d2 * t2 - n.d3 * t3 - n.d4 * t4;
    tempe = tempe + m.bstar * n.cc5 * (std::sin(s.mm) - n.sinmao);
    templ = templ + n.t3cof * t3 + t4 * (n.t4cof + t * n.t5cof);
  }
  if (deepSpace_) DeepSpaceSecularStep(deep_.secular, m, t, integrator_, s);
  if (!(s.nm > 0.0)) return Sgp4Error::MeanMotion;

  const double am = std::pow(SGP4_XKE / s.nm, 2.0 / 3.0) * tempa * tempa;
  const double nm = SGP4_XKE / std::pow(am, 1.5);
  if (!(am > 0.0) || !std::isfinite(nm)) return Sgp4Error::MeanMotion;
  double em = s.em - tempe;
  if (!(em < 1.0 && em >= -0.001)) return Sgp4Error::MeanEccentricity;
  if (em < 1.0e-6) em = 1.0e-6;
  double mm = s.mm + m.no * templ;
  double xlm = mm + s.argpm + s.nodem;
  double nodem = std::fmod(s.nodem, TWO_PI);
  double argpm = std::fmod(s.argpm, TWO_PI);
  xlm = std::fmod(xlm, TWO_PI);
  mm = std::fmod(xlm - argpm - nodem, TWO_PI);

  // Lunar-solar periodics.
  double ep = em;
  double xincp = s.inclm;
  double argpp = argpm;
  double nodep = nodem;
  double mp = mm;
  double aycof = n.aycof;
  double xlcof = n.xlcof;
  double con41 = n.con41;
  double x1mth2 = n.x1mth2;
  double x7thm1 = n.x7thm1;
  if (deepSpace_) {
    DeepSpacePeriodicStep(deep_.periodics, t, ep, xincp, nodep, argpp, mp);
    if (xincp < 0.0) {
      xincp = -xincp;
      nodep = nodep + PI;
      argpp = argpp - PI;
    }
    if (!(ep >= 0.0 && ep <= 1.0)) return Sgp4Error::PerturbedEccentricity;
  }
  const double sinip = std::sin(xincp);
  const double cosip = std::cos(xincp);
  if (deepSpace_) {
    aycof = -0.5 * SGP4_J3OJ2 * sinip;
    const double onePlusCos = std::fabs(cosip + 1.0) > NEAR_POLE ? 1.0 + cosip : NEAR_POLE;
    xlcof = -0.25 * SGP4_J3OJ2 * sinip * (3.0 + 5.0 * cosip) / onePlusCos;
    const double cosisq = cosip * cosip;
    con41 = 3.0 * cosisq - 1.0;
    x1mth2 = 1.0 - cosisq;
    x7thm1 = 7.0 * cosisq - 1.0;
  }

  // Long-period periodics.
  const double axnl = ep * std::cos(argpp);
  double temp = 1.0 / (am * (1.0 - ep * ep));
  const double aynl = ep * std::sin(argpp) + temp * aycof;
  const double xl = mp + argpp + nodep + temp * xlcof * axnl;

  // Kepler's equation in the Lyddane variables, Newton steps of at most 0.95 rad.
  const double u = std::fmod(xl - nodep, TWO_PI);
  double eo1 = u;
  double sineo1 = 0.0;
  double coseo1 = 0.0;
  double tem5 = 9999.9;
  for (int iteration = 0; std::fabs(tem5) >= KEPLER_TOLERANCE && iteration < 10; ++iteration) {
    sineo1 = std::sin(eo1);
    coseo1 = std::cos(eo1);
    tem5 = 1.0 - coseo1 * axnl - sineo1 * aynl;
    tem5 = (u - aynl * coseo1 + axnl * sineo1 - eo1) / tem5;
    if (std::fabs(tem5) >= 0.95) tem5 = tem5 > 0.0 ? 0.95 : -0.95;
    eo1 = eo1 + tem5;
  }

  // Short-period periodics.
  const double ecose = axnl * coseo1 + aynl * sineo1;
  const double esine = axnl * sineo1 - aynl * coseo1;
  const double el2 = axnl * axnl + aynl * aynl;
  const double pl = am * (1.0 - el2);
  if (!(pl >= 0.0)) return Sgp4Error::SemiLatusRectum;
  const double rl = am * (1.0 - ecose);
  const double rdotl = std::sqrt(am) * esine / rl;
  const double rvdotl = std::sqrt(pl) / rl;
  const double betal = std::sqrt(1.0 - el2);
  temp = esine / (1.0 + betal);
  const double sinu = am / rl * (sineo1 - aynl - axnl * temp);
  const double cosu = am / rl * (coseo1 - axnl + aynl * temp);
  double su = std::atan2(sinu, cosu);
  const double sin2u = (cosu + cosu) * sinu;
  const double cos2u = 1.0 - 2.0 * sinu * sinu;
  temp = 1.0 / pl;
  const double temp1 = 0.5 * SGP4_J2 * temp;
  const double temp2 = temp1 * temp;
  const double mrt = rl * (1.0 - 1.5 * temp2 * betal * con41) + 0.5 * temp1 * x1mth2 * cos2u;
  su = su - 0.25 * temp2 * x7thm1 * sin2u;
  const double xnode = nodep + 1.5 * temp2 * cosip * sin2u;
  const double xinc = xincp + 1.5 * temp2 * cosip * sinip * cos2u;
  const double mvt = rdotl - nm * temp1 * x1mth2 * sin2u / SGP4_XKE;
  const double rvdot = rvdotl + nm * temp1 * (x1mth2 * cos2u + 1.5 * con41) / SGP4_XKE;
  if (mrt < 1.0) return Sgp4Error::Decayed;

  // Orientation vectors, then position and velocity.
  const double sinsu = std::sin(su);
  const double cossu = std::cos(su);
  const double snod = std::sin(xnode);
  const double cnod = std::cos(xnode);
  const double sini = std::sin(xinc);
  const double cosi = std::cos(xinc);
  const double xmx = -snod * cosi;
  const double xmy = cnod * cosi;
  const double ux = xmx * sinsu + cnod * cossu;
  const double uy = xmy * sinsu + snod * cossu;
  const double uz = sini * sinsu;
  const double vx = xmx * cossu - cnod * sinsu;
  const double vy = xmy * cossu - snod * sinsu;
  const double vz = sini * cossu;
  constexpr double KM_PER_SECOND = SGP4_EARTH_RADIUS_KM * SGP4_XKE / 60.0;
  state.position[0] = mrt * ux * SGP4_EARTH_RADIUS_KM;
  state.position[1] = mrt * uy * SGP4_EARTH_RADIUS_KM;
  state.position[2] = mrt * uz * SGP4_EARTH_RADIUS_KM;
  state.velocity[0] = (mvt * ux + rvdot * vx) * KM_PER_SECOND;
  state.velocity[1] = (mvt * uy + rvdot * vy) * KM_PER_SECOND;
  state.velocity[2] = (mvt * uz + rvdot * vz) * KM_PER_SECOND;
  return Sgp4Error::None;
}

double Sgp4::EpochJulianDay() const { return epochWhole_ + epochFraction_; }

double Sgp4::MinutesSince(double julianDayUtc) const {
  return ((julianDayUtc - epochWhole_) - epochFraction_) * MINUTES_PER_DAY;
}

}  // namespace halvane
