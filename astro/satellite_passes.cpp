// The pass search: a step as long as the satellite's distance round the Earth allows, then the
// altitude's rate and the altitude bracketed and refined.
#include "astro/satellite_passes.h"

#include <algorithm>
#include <cmath>

#include "astro/angles.h"

namespace halvane {
namespace {

constexpr double SECONDS_PER_DAY = 86400.0;
constexpr double MU_KM3_PER_S2 = 398600.8;  // the model's (WGS-72) gravitational parameter
constexpr double EARTH_TURN_RAD_PER_S = 7.292115e-5;
constexpr double FINE_STEP_S = 60.0;
constexpr double TOLERANCE_S = 0.01;
// How far round the Earth beyond the geometric horizon still counts as near: the ellipsoid's
// normal and the perturbations the osculating orbit leaves out.
constexpr double NEAR_MARGIN = 1.5 * DEG_TO_RAD;
constexpr double VISIBLE_ALTITUDE = 10.0 * DEG_TO_RAD;
constexpr double DARK_SUN_ALTITUDE = -6.0 * DEG_TO_RAD;
constexpr double VISIBILITY_STEP_S = 10.0;
constexpr int MAX_EDGE_STEPS = 12 * 60;  // half a day of fine steps to find a rise or a set

struct Sample {
  bool valid = false;
  double t = 0.0;  // seconds from the start
  TemeState state{};
  SatelliteLook look;
};

class PassSearch {
 public:
  PassSearch(const Sgp4& model, double startJdUt, const GroundSite& site)
      : model(model), start(startJdUt), frame(site) {}

  Sample At(double t) const {
    Sample s;
    s.t = t;
    const double jd = start + t / SECONDS_PER_DAY;
    if (model.Propagate(model.MinutesSince(jd), s.state) != Sgp4Error::None) return s;
    s.valid = true;
    s.look = frame.Look(s.state, jd);
    return s;
  }

  // The root of value(sample) between a (negative) and b (positive or zero), by regula falsi
  // with the Illinois step.
  template <typename Value>
  Sample Refine(Sample a, Sample b, Value value) const {
    double fa = value(a), fb = value(b);
    int side = 0;
    for (int i = 0; i < 60 && b.t - a.t > TOLERANCE_S; ++i) {
      double t = (a.t * fb - b.t * fa) / (fb - fa);
      if (!(t > a.t && t < b.t)) t = 0.5 * (a.t + b.t);
      const Sample m = At(t);
      if (!m.valid) return m;
      const double fm = value(m);
      if ((fm < 0.0) == (fa < 0.0)) {
        a = m;
        fa = fm;
        if (side == -1) fb *= 0.5;
        side = -1;
      } else {
        b = m;
        fb = fm;
        if (side == 1) fa *= 0.5;
        side = 1;
      }
    }
    return std::fabs(fa) < std::fabs(fb) ? a : b;
  }

  // The crossing of the horizon from the culmination, searched backwards (step < 0) or forwards.
  Sample Edge(const Sample& top, double step) const {
    Sample inside = top;
    for (int i = 0; i < MAX_EDGE_STEPS; ++i) {
      const Sample next = At(inside.t + step);
      if (!next.valid) return next;
      if (next.look.altitude < 0.0) {
        const auto altitude = [](const Sample& s) { return s.look.altitude; };
        return step < 0.0 ? Refine(next, inside, altitude)
                          : Refine(inside, next, [](const Sample& s) { return -s.look.altitude; });
      }
      inside = next;
    }
    return {};
  }

  PassPoint Point(const Sample& s) const {
    return {start + s.t / SECONDS_PER_DAY, s.look.azimuth, s.look.altitude};
  }

  // Sunlit above 10 degrees in a dark enough sky at one of the pass's samples. Over a pass's
  // minutes the Sun's altitude changes almost linearly: a sky too light at both ends is too
  // light throughout.
  bool Visible(const Sample& rise, const Sample& top, const Sample& set) const {
    if (top.look.altitude < VISIBLE_ALTITUDE) return false;
    double sun[3];
    SunPosition(start + top.t / SECONDS_PER_DAY, sun);
    if (frame.AltitudeOf(sun, start + rise.t / SECONDS_PER_DAY) > DARK_SUN_ALTITUDE &&
        frame.AltitudeOf(sun, start + set.t / SECONDS_PER_DAY) > DARK_SUN_ALTITUDE) {
      return false;
    }
    for (double t = rise.t; t <= set.t; t += VISIBILITY_STEP_S) {
      const Sample s = At(t);
      if (!s.valid || s.look.altitude < VISIBLE_ALTITUDE) continue;
      const double jd = start + t / SECONDS_PER_DAY;
      if (frame.AltitudeOf(sun, jd) > DARK_SUN_ALTITUDE) continue;
      if (LightOf(s.state.position, sun) != SatelliteLight::Umbra) return true;
    }
    return false;
  }

  const HorizonFrame& Frame() const { return frame; }

 private:
  const Sgp4& model;
  double start;
  HorizonFrame frame;
};

double Norm3(const double v[3]) { return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]); }

// From an osculating state: the farthest the satellite gets (km) and the fastest it turns
// round the geocentre (radians per second). Zero rate: no bound (an escaping orbit).
void OrbitBounds(const TemeState& state, double& apogee, double& fastestTurn) {
  const double* r = state.position;
  const double* v = state.velocity;
  const double radius = Norm3(r);
  const double speed2 = v[0] * v[0] + v[1] * v[1] + v[2] * v[2];
  const double h[3] = {r[1] * v[2] - r[2] * v[1], r[2] * v[0] - r[0] * v[2],
                       r[0] * v[1] - r[1] * v[0]};
  const double momentum = Norm3(h);
  const double inverseA = 2.0 / radius - speed2 / MU_KM3_PER_S2;
  apogee = 0.0;
  fastestTurn = 0.0;
  if (!(inverseA > 0.0) || !(momentum > 0.0)) return;
  const double p = momentum * momentum / MU_KM3_PER_S2;
  const double e = std::sqrt(std::fmax(0.0, 1.0 - p * inverseA));
  if (e >= 0.99) return;
  apogee = p / (1.0 - e);
  const double perigee = p / (1.0 + e);
  fastestTurn = momentum / (perigee * perigee);
}

}  // namespace

std::vector<SatellitePass> FindPasses(const Sgp4& model, double startJdUt, double endJdUt,
                                      const GroundSite& site) {
  std::vector<SatellitePass> passes;
  if (model.InitError() != Sgp4Error::None || !(endJdUt > startJdUt)) return passes;
  const PassSearch search(model, startJdUt, site);
  const double span = (endJdUt - startJdUt) * SECONDS_PER_DAY;
  Sample previous = search.At(0.0);
  if (!previous.valid) return passes;
  double apogee = 0.0, fastestTurn = 0.0;
  OrbitBounds(previous.state, apogee, fastestTurn);
  // Up only within this angle of the site, seen from the geocentre.
  const double reach = apogee > search.Frame().SiteRadius()
                           ? std::acos(search.Frame().SiteRadius() / apogee) + NEAR_MARGIN
                           : PI;
  const double closing = fastestTurn > 0.0 ? 1.2 * (fastestTurn + EARTH_TURN_RAD_PER_S) : 0.0;
  bool near = false;
  double t = 0.0;
  // Past the span's end only to reach the culmination of a pass that rose within it.
  while (t <= span || (near && previous.look.altitude > 0.0)) {
    const Sample s = t == 0.0 ? previous : search.At(t);
    if (!s.valid) break;
    const double far = s.look.centralAngle - reach;
    if (far > 0.0 && closing > 0.0 && far / closing > FINE_STEP_S) {
      near = false;
      t += far / closing;
      continue;
    }
    if (near && previous.look.altitudeRate > 0.0 && s.look.altitudeRate <= 0.0) {
      const Sample top =
          search.Refine(previous, s, [](const Sample& x) { return -x.look.altitudeRate; });
      if (top.valid && top.look.altitude > 0.0) {
        const Sample rise = search.Edge(top, -FINE_STEP_S);
        const Sample set = search.Edge(top, FINE_STEP_S);
        if (rise.valid && set.valid && rise.t >= 0.0 && rise.t <= span) {
          passes.push_back({search.Point(rise), search.Point(top), search.Point(set),
                            search.Visible(rise, top, set)});
        }
        if (set.valid && set.t > s.t) {
          t = set.t + FINE_STEP_S;
          near = false;
          continue;
        }
      }
    }
    previous = s;
    near = true;
    t += FINE_STEP_S;
  }
  return passes;
}

}  // namespace halvane
