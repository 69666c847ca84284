// SDP4's deep-space parts: lunar-solar periodics, secular rates and the half-day and one-day
// resonances with their integrator.
#include <cmath>

#include "astro/angles.h"
#include "astro/sgp4_terms.h"

namespace halvane {
namespace {

constexpr double ZES = 0.01675;                   // solar orbit eccentricity
constexpr double ZEL = 0.05490;                   // lunar orbit eccentricity
constexpr double ZNS = 1.19459e-5;                // solar mean motion, rad/min
constexpr double ZNL = 1.5835218e-4;              // lunar mean motion, rad/min
constexpr double C1SS = 2.9864797e-6;             // solar perturbation coefficient
constexpr double C1L = 4.7968065e-7;              // lunar perturbation coefficient
constexpr double ZSINIS = 0.39785416;             // sine of the ecliptic's obliquity
constexpr double ZCOSIS = 0.91744867;             // cosine of the ecliptic's obliquity
constexpr double ZCOSGS = 0.1945905;              // cosine of the Sun's argument of perigee
constexpr double ZSINGS = -0.98088458;            // sine of the Sun's argument of perigee
constexpr double RPTIM = 4.37526908801129966e-3;  // Earth's rotation, rad/min
constexpr double LOW_INCLINATION = 5.2359877e-2;  // 3 degrees, rad
constexpr double STEP = 720.0;                    // integrator step, minutes
constexpr double STEP2 = 259200.0;                // STEP^2 / 2

// Sums of one perturbing body's geometry (the s, ss, z and sz quantities).
struct BodyTerms {
  double s1, s2, s3, s4, s5, s6, s7;
  double z1, z2, z3, z11, z12, z13, z21, z22, z23, z31, z32, z33;
};

struct Orientation {
  double zcosg, zsing, zcosi, zsini, zcosh, zsinh, cc;
};

// Source: Vallado et al. 2006, appendix (dscom, the loop over Sun and Moon).
BodyTerms PerturberTerms(const Orientation& o, double nm, double em, double sinim, double cosim,
                         double sinomm, double cosomm) {
  const double emsq = em * em;
  const double betasq = 1.0 - emsq;
  const double rtemsq = std::sqrt(betasq);
  const double a1 = o.zcosg * o.zcosh + o.zsing * o.zcosi * o.zsinh;
  const double a3 = -o.zsing * o.zcosh + o.zcosg * o.zcosi * o.zsinh;
  const double a7 = -o.zcosg * o.zsinh + o.zsing * o.zcosi * o.zcosh;
  const double a8 = o.zsing * o.zsini;
  const double a9 = o.zsing * o.zsinh + o.zcosg * o.zcosi * o.zcosh;
  const double a10 = o.zcosg * o.zsini;
  const double a2 = cosim * a7 + sinim * a8;
  const double a4 = cosim * a9 + sinim * a10;
  const double a5 = -sinim * a7 + cosim * a8;
  const double a6 = -sinim * a9 + cosim * a10;
  const double x1 = a1 * cosomm + a2 * sinomm;
  const double x2 = a3 * cosomm + a4 * sinomm;
  const double x3 = -a1 * sinomm + a2 * cosomm;
  const double x4 = -a3 * sinomm + a4 * cosomm;
  const double x5 = a5 * sinomm;
  const double x6 = a6 * sinomm;
  const double x7 = a5 * cosomm;
  const double x8 = a6 * cosomm;
  BodyTerms b;
  b.z31 = 12.0 * x1 * x1 - 3.0 * x3 * x3;
  b.z32 = 24.0 * x1 * x2 - 6.0 * x3 * x4;
  b.z33 = 12.0 * x2 * x2 - 3.0 * x4 * x4;
  b.z1 = 3.0 * (a1 * a1 + a2 * a2) + b.z31 * emsq;
  b.z2 = 6.0 * (a1 * a3 + a2 * a4) + b.z32 * emsq;
  b.z3 = 3.0 * (a3 * a3 + a4 * a4) + b.z33 * emsq;
  b.z11 = -6.0 * a1 * a5 + emsq * (-24.0 * x1 * x7 - 6.0 * x3 * x5);
  b.z12 =
      -6.0 * (a1 * a6 + a3 * a5) + emsq * (-24.0 * (x2 * x7 + x1 * x8) - 6.0 * (x3 * x6 + x4 * x5));
  b.z13 = -6.0 * a3 * a6 + emsq * (-24.0 * x2 * x8 - 6.0 * x4 * x6);
  b.z21 = 6.0 * a2 * a5 + emsq * (24.0 * x1 * x5 - 6.0 * x3 * x7);
  b.z22 =
      6.0 * (a4 * a5 + a2 * a6) + emsq * (24.0 * (x2 * x5 + x1 * x6) - 6.0 * (x4 * x7 + x3 * x8));
  b.z23 = 6.0 * a4 * a6 + emsq * (24.0 * x2 * x6 - 6.0 * x4 * x8);
  b.z1 = b.z1 + b.z1 + betasq * b.z31;
  b.z2 = b.z2 + b.z2 + betasq * b.z32;
  b.z3 = b.z3 + b.z3 + betasq * b.z33;
  b.s3 = o.cc / nm;
  b.s2 = -0.5 * b.s3 / rtemsq;
  b.s4 = b.s3 * rtemsq;
  b.s1 = -15.0 * em * b.s4;
  b.s5 = x1 * x3 + x2 * x4;
  b.s6 = x2 * x3 + x1 * x4;
  b.s7 = x2 * x4 - x1 * x3;
  return b;
}

// The half-day resonance's d coefficients from the eccentricity functions G.
// Source: Vallado et al. 2006, appendix (dsinit, irez = 2); Spacetrack Report No. 3, sec. 10.
void HalfDayResonance(double ecco, double cosim, double sinim, double nm, double aonv,
                      DeepSpaceSecular& r) {
  const double em = ecco;
  const double emsq = ecco * ecco;
  const double eoc = em * emsq;
  const double cosisq = cosim * cosim;
  const double g201 = -0.306 - (em - 0.64) * 0.440;
  double g211, g310, g322, g410, g422, g520;
  if (em <= 0.65) {
    g211 = 3.616 - 13.2470 * em + 16.2900 * emsq;
    g310 = -19.302 + 117.3900 * em - 228.4190 * emsq + 156.5910 * eoc;
    g322 = -18.9068 + 109.7927 * em - 214.6334 * emsq + 146.5816 * eoc;
    g410 = -41.122 + 242.6940 * em - 471.0940 * emsq + 313.9530 * eoc;
    g422 = -146.407 + 841.8800 * em - 1629.014 * emsq + 1083.4350 * eoc;
    g520 = -532.114 + 3017.977 * em - 5740.032 * emsq + 3708.2760 * eoc;
  } else {
    g211 = -72.099 + 331.819 * em - 508.738 * emsq + 266.724 * eoc;
    g310 = -346.844 + 1582.851 * em - 2415.925 * emsq + 1246.113 * eoc;
    g322 = -342.585 + 1554.908 * em - 2366.899 * emsq + 1215.972 * eoc;
    g410 = -1052.797 + 4758.686 * em - 7193.992 * emsq + 3651.957 * eoc;
    g422 = -3581.690 + 16178.110 * em - 24462.770 * emsq + 12422.520 * eoc;
    g520 = em > 0.715 ? -5149.66 + 29936.92 * em - 54087.36 * emsq + 31324.56 * eoc
                      : 1464.74 - 4664.75 * em + 3763.64 * emsq;
  }
  double g533, g521, g532;
  if (em < 0.7) {
    g533 = -919.22770 + 4988.6100 * em - 9064.7700 * emsq + 5542.21 * eoc;
    g521 = -822.71072 + 4568.6173 * em - 8491.4146 * emsq + 5337.524 * eoc;
    g532 = -853.66600 + 4690.2500 * em - 8624.7700 * emsq + 5341.4 * eoc;
  } else {
    g533 = -37995.780 + 161616.52 * em - 229838.20 * emsq + 109377.94 * eoc;
    g521 = -51752.104 + 218913.95 * em - 309468.16 * emsq + 146349.42 * eoc;
    g532 = -40023.880 + 170470.89 * em - 242699.48 * emsq + 115605.82 * eoc;
  }
  const double sini2 = sinim * sinim;
  const double f220 = 0.75 * (1.0 + 2.0 * cosim + cosisq);
  const double f221 = 1.5 * sini2;
  const double f321 = 1.875 * sinim * (1.0 - 2.0 * cosim - 3.0 * cosisq);
  const double f322 = -1.875 * sinim * (1.0 + 2.0 * cosim - 3.0 * cosisq);
  const double f441 = 35.0 * sini2 * f220;
  const double f442 = 39.3750 * sini2 * sini2;
  const double f522 = 9.84375 * sinim *
                      (sini2 * (1.0 - 2.0 * cosim - 5.0 * cosisq) +
                       0.33333333 * (-2.0 + 4.0 * cosim + 6.0 * cosisq));
  const double f523 = sinim * (4.92187512 * sini2 * (-2.0 - 4.0 * cosim + 10.0 * cosisq) +
                               6.56250012 * (1.0 + 2.0 * cosim - 3.0 * cosisq));
  const double f542 =
      29.53125 * sinim * (2.0 - 8.0 * cosim + cosisq * (-12.0 + 8.0 * cosim + 10.0 * cosisq));
  const double f543 =
      29.53125 * sinim * (-2.0 - 8.0 * cosim + cosisq * (12.0 + 8.0 * cosim - 10.0 * cosisq));
  constexpr double ROOT22 = 1.7891679e-6;
  constexpr double ROOT32 = 3.7393792e-7;
  constexpr double ROOT44 = 7.3636953e-9;
  constexpr double ROOT52 = 1.1428639e-7;
  constexpr double ROOT54 = 2.1765803e-9;
  const double xno2 = nm * nm;
  const double ainv2 = aonv * aonv;
  double temp1 = 3.0 * xno2 * ainv2;
  double temp = temp1 * ROOT22;
  r.d2201 = temp * f220 * g201;
  r.d2211 = temp * f221 * g211;
  temp1 = temp1 * aonv;
  temp = temp1 * ROOT32;
  r.d3210 = temp * f321 * g310;
  r.d3222 = temp * f322 * g322;
  temp1 = temp1 * aonv;
  temp = 2.0 * temp1 * ROOT44;
  r.d4410 = temp * f441 * g410;
  r.d4422 = temp * f442 * g422;
  temp1 = temp1 * aonv;
  temp = temp1 * ROOT52;
  r.d5220 = temp * f522 * g520;
  r.d5232 = temp * f523 * g532;
  temp = 2.0 * temp1 * ROOT54;
  r.d5421 = temp * f542 * g521;
  r.d5433 = temp * f543 * g533;
}

// The one-day resonance's del coefficients.
// Source: Vallado et al. 2006, appendix (dsinit, irez = 1); Spacetrack Report No. 3, sec. 10.
void OneDayResonance(double emsq, double cosim, double sinim, double nm, double aonv,
                     DeepSpaceSecular& r) {
  constexpr double Q22 = 1.7891679e-6;
  constexpr double Q31 = 2.1460748e-6;
  constexpr double Q33 = 2.2123015e-7;
  const double g200 = 1.0 + emsq * (-2.5 + 0.8125 * emsq);
  const double g310 = 1.0 + 2.0 * emsq;
  const double g300 = 1.0 + emsq * (-6.0 + 6.60937 * emsq);
  const double f220 = 0.75 * (1.0 + cosim) * (1.0 + cosim);
  const double f311 = 0.9375 * sinim * sinim * (1.0 + 3.0 * cosim) - 0.75 * (1.0 + cosim);
  const double f330 = 1.875 * (1.0 + cosim) * (1.0 + cosim) * (1.0 + cosim);
  const double del1 = 3.0 * nm * nm * aonv * aonv;
  r.del2 = 2.0 * del1 * f220 * g200 * Q22;
  r.del3 = 3.0 * del1 * f330 * g300 * Q33 * aonv;
  r.del1 = del1 * f311 * g310 * Q31 * aonv;
}

bool NearEquatorial(double inclination) {
  return inclination < LOW_INCLINATION || inclination > PI - LOW_INCLINATION;
}

}  // namespace

DeepSpaceTerms InitDeepSpace(const Sgp4MeanElements& mean) {
  // dscom: the Sun's and the Moon's geometry at epoch.
  const double nm = mean.no;
  const double em = mean.ecco;
  const double snodm = std::sin(mean.nodeo);
  const double cnodm = std::cos(mean.nodeo);
  const double sinomm = std::sin(mean.argpo);
  const double cosomm = std::cos(mean.argpo);
  const double sinim = std::sin(mean.inclo);
  const double cosim = std::cos(mean.inclo);
  const double emsq = em * em;
  const double day = mean.epochDays1950 + 18261.5;
  const double xnodce = std::fmod(4.5236020 - 9.2422029e-4 * day, TWO_PI);
  const double stem = std::sin(xnodce);
  const double ctem = std::cos(xnodce);
  const double zcosil = 0.91375164 - 0.03568096 * ctem;
  const double zsinil = std::sqrt(1.0 - zcosil * zcosil);
  const double zsinhl = 0.089683511 * stem / zsinil;
  const double zcoshl = std::sqrt(1.0 - zsinhl * zsinhl);
  const double gam = 5.8351514 + 0.0019443680 * day;
  double zx = 0.39785416 * stem / zsinil;
  const double zy = zcoshl * ctem + 0.91744867 * zsinhl * stem;
  zx = std::atan2(zx, zy);
  zx = gam + zx - xnodce;
  const Orientation sun{ZCOSGS, ZSINGS, ZCOSIS, ZSINIS, cnodm, snodm, C1SS};
  const Orientation moon{std::cos(zx),
                         std::sin(zx),
                         zcosil,
                         zsinil,
                         zcoshl * cnodm + zsinhl * snodm,
                         snodm * zcoshl - cnodm * zsinhl,
                         C1L};
  const BodyTerms s = PerturberTerms(sun, nm, em, sinim, cosim, sinomm, cosomm);
  const BodyTerms l = PerturberTerms(moon, nm, em, sinim, cosim, sinomm, cosomm);

  DeepSpaceTerms terms;
  DeepSpacePeriodics& p = terms.periodics;
  p.zmol = std::fmod(4.7199672 + 0.22997150 * day - gam, TWO_PI);
  p.zmos = std::fmod(6.2565837 + 0.017201977 * day, TWO_PI);
  p.se2 = 2.0 * s.s1 * s.s6;
  p.se3 = 2.0 * s.s1 * s.s7;
  p.si2 = 2.0 * s.s2 * s.z12;
  p.si3 = 2.0 * s.s2 * (s.z13 - s.z11);
  p.sl2 = -2.0 * s.s3 * s.z2;
  p.sl3 = -2.0 * s.s3 * (s.z3 - s.z1);
  p.sl4 = -2.0 * s.s3 * (-21.0 - 9.0 * emsq) * ZES;
  p.sgh2 = 2.0 * s.s4 * s.z32;
  p.sgh3 = 2.0 * s.s4 * (s.z33 - s.z31);
  p.sgh4 = -18.0 * s.s4 * ZES;
  p.sh2 = -2.0 * s.s2 * s.z22;
  p.sh3 = -2.0 * s.s2 * (s.z23 - s.z21);
  p.ee2 = 2.0 * l.s1 * l.s6;
  p.e3 = 2.0 * l.s1 * l.s7;
  p.xi2 = 2.0 * l.s2 * l.z12;
  p.xi3 = 2.0 * l.s2 * (l.z13 - l.z11);
  p.xl2 = -2.0 * l.s3 * l.z2;
  p.xl3 = -2.0 * l.s3 * (l.z3 - l.z1);
  p.xl4 = -2.0 * l.s3 * (-21.0 - 9.0 * emsq) * ZEL;
  p.xgh2 = 2.0 * l.s4 * l.z32;
  p.xgh3 = 2.0 * l.s4 * (l.z33 - l.z31);
  p.xgh4 = -18.0 * l.s4 * ZEL;
  p.xh2 = -2.0 * l.s2 * l.z22;
  p.xh3 = -2.0 * l.s2 * (l.z23 - l.z21);

  // dsinit: secular rates and the resonance.
  DeepSpaceSecular& r = terms.secular;
  r = DeepSpaceSecular{};
  if (nm > 0.0034906585 && nm < 0.0052359877) r.irez = 1;
  if (nm >= 8.26e-3 && nm <= 9.24e-3 && em >= 0.5) r.irez = 2;
  const double ses = s.s1 * ZNS * s.s5;
  const double sis = s.s2 * ZNS * (s.z11 + s.z13);
  const double sls = -ZNS * s.s3 * (s.z1 + s.z3 - 14.0 - 6.0 * emsq);
  const double sghs = s.s4 * ZNS * (s.z31 + s.z33 - 6.0);
  double shs = -ZNS * s.s2 * (s.z21 + s.z23);
  if (NearEquatorial(mean.inclo)) shs = 0.0;
  if (sinim != 0.0) shs = shs / sinim;
  const double sgs = sghs - cosim * shs;
  r.dedt = ses + l.s1 * ZNL * l.s5;
  r.didt = sis + l.s2 * ZNL * (l.z11 + l.z13);
  r.dmdt = sls - ZNL * l.s3 * (l.z1 + l.z3 - 14.0 - 6.0 * emsq);
  const double sghl = l.s4 * ZNL * (l.z31 + l.z33 - 6.0);
  double shll = -ZNL * l.s2 * (l.z21 + l.z23);
  if (NearEquatorial(mean.inclo)) shll = 0.0;
  r.domdt = sgs + sghl;
  r.dnodt = shs;
  if (sinim != 0.0) {
    r.domdt = r.domdt - cosim / sinim * shll;
    r.dnodt = r.dnodt + shll / sinim;
  }
  if (r.irez == 0) return terms;
  const double theta = std::fmod(mean.gsto, TWO_PI);
  const double aonv = std::pow(nm / SGP4_XKE, 2.0 / 3.0);
  if (r.irez == 2) {
    HalfDayResonance(mean.ecco, cosim, sinim, nm, aonv, r);
    r.xlamo = std::fmod(mean.mo + mean.nodeo + mean.nodeo - theta - theta, TWO_PI);
    r.xfact = mean.mdot + r.dmdt + 2.0 * (mean.nodedot + r.dnodt - RPTIM) - mean.no;
  } else {
    OneDayResonance(emsq, cosim, sinim, nm, aonv, r);
    r.xlamo = std::fmod(mean.mo + mean.nodeo + mean.argpo - theta, TWO_PI);
    r.xfact = mean.mdot + mean.xpidot - RPTIM + r.dmdt + r.domdt + r.dnodt - mean.no;
  }
  return terms;
}

void DeepSpaceSecularStep(const DeepSpaceSecular& r, const Sgp4MeanElements& mean, double t,
                          ResonanceIntegrator& integrator, DeepSpaceState& state) {
  state.em += r.dedt * t;
  state.inclm += r.didt * t;
  state.argpm += r.domdt * t;
  state.nodem += r.dnodt * t;
  state.mm += r.dmdt * t;
  if (r.irez == 0) return;

  constexpr double FASX2 = 0.13130908;
  constexpr double FASX4 = 2.8843198;
  constexpr double FASX6 = 0.37448087;
  constexpr double G22 = 5.7686396;
  constexpr double G32 = 0.95240898;
  constexpr double G44 = 1.8014998;
  constexpr double G52 = 1.0508330;
  constexpr double G54 = 4.4108898;
  const double theta = std::fmod(mean.gsto + t * RPTIM, TWO_PI);
  const double delt = t > 0.0 ? STEP : -STEP;
  if (integrator.atime == 0.0 || t * integrator.atime <= 0.0 ||
      std::fabs(t) < std::fabs(integrator.atime)) {
    integrator = ResonanceIntegrator{0.0, r.xlamo, mean.no};
  }
  double atime = integrator.atime;
  double xni = integrator.xni;
  double xli = integrator.xli;
  double xndt = 0.0;
  double xldot = 0.0;
  double xnddt = 0.0;
  double ft = 0.0;
  for (;;) {
    if (r.irez != 2) {
      xndt = r.del1 * std::sin(xli - FASX2) + r.del2 * std::sin(2.0 * (xli - FASX4)) +
             r.del3 * std::sin(3.0 * (xli - FASX6));
      xldot = xni + r.xfact;
      xnddt = r.del1 * std::cos(xli - FASX2) + 2.0 * r.del2 * std::cos(2.0 * (xli - FASX4)) +
              3.0 * r.del3 * std::cos(3.0 * (xli - FASX6));
      xnddt = xnddt * xldot;
    } else {
      const double xomi = mean.argpo + mean.argpdot * atime;
      const double x2omi = xomi + xomi;
      const double x2li = xli + xli;
      xndt = r.d2201 * std::sin(x2omi + xli - G22) + r.d2211 * std::sin(xli - G22) +
             r.d3210 * std::sin(xomi + xli - G32) + r.d3222 * std::sin(-xomi + xli - G32) +
             r.d4410 * std::sin(x2omi + x2li - G44) + r.d4422 * std::sin(x2li - G44) +
             r.d5220 * std::sin(xomi + xli - G52) + r.d5232 * std::sin(-xomi + xli - G52) +
             r.d5421 * std::sin(xomi + x2li - G54) + r.d5433 * std::sin(-xomi + x2li - G54);
      xldot = xni + r.xfact;
      xnddt =
          r.d2201 * std::cos(x2omi + xli - G22) + r.d2211 * std::cos(xli - G22) +
          r.d3210 * std::cos(xomi + xli - G32) + r.d3222 * std::cos(-xomi + xli - G32) +
          r.d5220 * std::cos(xomi + xli - G52) + r.d5232 * std::cos(-xomi + xli - G52) +
          2.0 * (r.d4410 * std::cos(x2omi + x2li - G44) + r.d4422 * std::cos(x2li - G44) +
                 r.d5421 * std::cos(xomi + x2li - G54) + r.d5433 * std::cos(-xomi + x2li - G54));
      xnddt = xnddt * xldot;
    }
    if (std::fabs(t - atime) < STEP) {
      ft = t - atime;
      integrator = ResonanceIntegrator{atime, xli, xni};
      break;
    }
    xli = xli + xldot * delt + xndt * STEP2;
    xni = xni + xndt * delt + xnddt * STEP2;
    atime = atime + delt;
  }
  state.nm = xni + xndt * ft + xnddt * ft * ft * 0.5;
  const double xl = xli + xldot * ft + xndt * ft * ft * 0.5;
  state.mm =
      r.irez != 1 ? xl - 2.0 * state.nodem + 2.0 * theta : xl - state.nodem - state.argpm + theta;
}

void DeepSpacePeriodicStep(const DeepSpacePeriodics& p, double t, double& ep, double& inclp,
                           double& nodep, double& argpp, double& mp) {
  double zm = p.zmos + ZNS * t;
  double zf = zm + 2.0 * ZES * std::sin(zm);
  double sinzf = std::sin(zf);
  double f2 = 0.5 * sinzf * sinzf - 0.25;
  double f3 = -0.5 * sinzf * std::cos(zf);
  const double ses = p.se2 * f2 + p.se3 * f3;
  const double sis = p.si2 * f2 + p.si3 * f3;
  const double sls = p.sl2 * f2 + p.sl3 * f3 + p.sl4 * sinzf;
  const double sghs = p.sgh2 * f2 + p.sgh3 * f3 + p.sgh4 * sinzf;
  const double shs = p.sh2 * f2 + p.sh3 * f3;
  zm = p.zmol + ZNL * t;
  zf = zm + 2.0 * ZEL * std::sin(zm);
  sinzf = std::sin(zf);
  f2 = 0.5 * sinzf * sinzf - 0.25;
  f3 = -0.5 * sinzf * std::cos(zf);
  const double sel = p.ee2 * f2 + p.e3 * f3;
  const double sil = p.xi2 * f2 + p.xi3 * f3;
  const double sll = p.xl2 * f2 + p.xl3 * f3 + p.xl4 * sinzf;
  const double sghl = p.xgh2 * f2 + p.xgh3 * f3 + p.xgh4 * sinzf;
  const double shll = p.xh2 * f2 + p.xh3 * f3;
  const double pe = ses + sel;
  const double pinc = sis + sil;
  const double pl = sls + sll;
  double pgh = sghs + sghl;
  double ph = shs + shll;

  inclp = inclp + pinc;
  ep = ep + pe;
  const double sinip = std::sin(inclp);
  const double cosip = std::cos(inclp);
  if (inclp >= 0.2) {
    ph = ph / sinip;
    pgh = pgh - cosip * ph;
    argpp = argpp + pgh;
    nodep = nodep + ph;
    mp = mp + pl;
    return;
  }
  // Lyddane's modification, free of the singularity at zero inclination.
  const double sinop = std::sin(nodep);
  const double cosop = std::cos(nodep);
  double alfdp = sinip * sinop;
  double betdp = sinip * cosop;
  const double dalf = ph * cosop + pinc * cosip * sinop;
  const double dbet = -ph * sinop + pinc * cosip * cosop;
  alfdp = alfdp + dalf;
  betdp = betdp + dbet;
  nodep = std::fmod(nodep, TWO_PI);
  double xls = mp + argpp + cosip * nodep;
  const double dls = pl + pgh - pinc * nodep * sinip;
  xls = xls + dls;
  const double xnoh = nodep;
  nodep = std::atan2(alfdp, betdp);
  if (std::fabs(xnoh - nodep) > PI) nodep = nodep < xnoh ? nodep + TWO_PI : nodep - TWO_PI;
  mp = mp + pl;
  argpp = xls - mp - cosip * nodep;
}

}  // namespace halvane
