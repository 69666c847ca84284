// Point in outline, in B1875.0 coordinates where every outline edge is a parallel or a meridian.
#include "astro/constellation.h"

#include <cmath>
#include <vector>

#include "astro/angles.h"
#include "astro/precession.h"

namespace halvane {
namespace {

struct ConstellationOutline {
  const char* abbreviation;
  const char* name;
  int firstCorner;
  int cornerCount;
};

#include "astro/generated/constellation_bounds.inc"

// An edge of an outline along a parallel of B1875: [west, west + span) of right ascension.
struct Parallel {
  double west;  // radians
  double span;  // radians, (0, pi)
  double declination;
};

struct Outline {
  ConstellationName name;
  std::vector<Parallel> parallels;
  bool aroundNorthPole;  // the ray from inside reaches the pole without crossing the outline
};

// Corners a hair off a parallel still make one: the source rounds them to 0.0001 degree.
constexpr double SAME_DECLINATION = 0.001 * DEG_TO_RAD;
// The boundaries' corners lie on whole seconds of right ascension and whole arcminutes of
// declination of B1875 (the tests check every corner's neighbourhood); the source's rounding
// moves them by up to 0.04 s and 0.2 arcsecond, so each is put back. Within 2.5 degrees of a
// pole that rounding reaches a second of right ascension, and the corners there are on whole
// minutes.
constexpr double RA_SECOND = PI / 43200.0;  // radians
constexpr double RA_MINUTE = PI / 720.0;
constexpr double ARCMINUTE = DEG_TO_RAD / 60.0;
constexpr double NEAR_POLE = 87.5 * DEG_TO_RAD;

double Snapped(double angle, double step) { return std::round(angle / step) * step; }

bool IsParallel(double dec0, double dec1) { return std::abs(dec1 - dec0) < SAME_DECLINATION; }

// The same right ascension to the source's rounding, measured along the sky.
bool IsMeridian(double ra0, double dec0, double ra1, double dec1) {
  return std::abs(WrapToHalfTurn(ra1 - ra0)) * std::cos(0.5 * (dec0 + dec1)) < SAME_DECLINATION;
}

bool IsMeridianOrParallel(double ra0, double dec0, double ra1, double dec1) {
  return IsParallel(dec0, dec1) || IsMeridian(ra0, dec0, ra1, dec1);
}

// The source adds points along the long border at +88 degrees (B1875) that lie off it in
// B1875; a corner with neither edge on a parallel or a meridian is such a point and is dropped.
Outline MakeOutline(const ConstellationOutline& source) {
  std::vector<double> ra, dec;
  for (int i = 0; i < source.cornerCount; ++i) {
    double r = CONSTELLATION_CORNERS[source.firstCorner + i][0] * DEG_TO_RAD;
    double d = CONSTELLATION_CORNERS[source.firstCorner + i][1] * DEG_TO_RAD;
    J2000ToB1875(r, d);
    ra.push_back(Snapped(r, std::abs(d) > NEAR_POLE ? RA_MINUTE : RA_SECOND));
    dec.push_back(Snapped(d, ARCMINUTE));
  }
  const size_t n = ra.size();
  std::vector<size_t> kept;
  for (size_t i = 0; i < n; ++i) {
    const size_t before = (i + n - 1) % n, after = (i + 1) % n;
    if (IsMeridianOrParallel(ra[before], dec[before], ra[i], dec[i]) ||
        IsMeridianOrParallel(ra[i], dec[i], ra[after], dec[after])) {
      kept.push_back(i);
    }
  }
  Outline outline{{source.abbreviation, source.name}, {}, false};
  double winding = 0.0, declinations = 0.0;
  for (size_t k = 0; k < kept.size(); ++k) {
    const size_t a = kept[k], b = kept[(k + 1) % kept.size()];
    const double span = WrapToHalfTurn(ra[b] - ra[a]);
    winding += span;
    declinations += dec[a];
    if (!IsParallel(dec[a], dec[b]) || span == 0.0) continue;
    outline.parallels.push_back(
        {span > 0 ? ra[a] : ra[b], std::abs(span), 0.5 * (dec[a] + dec[b])});
  }
  outline.aroundNorthPole = std::abs(winding) > PI && declinations > 0;
  return outline;
}

const std::vector<Outline>& Outlines() {
  static const std::vector<Outline> outlines = [] {
    std::vector<Outline> all;
    for (const ConstellationOutline& source : CONSTELLATION_OUTLINES) {
      all.push_back(MakeOutline(source));
    }
    return all;
  }();
  return outlines;
}

bool Contains(const Outline& outline, double ra, double dec) {
  bool inside = outline.aroundNorthPole;
  for (const Parallel& edge : outline.parallels) {
    if (edge.declination > dec && WrapToTurn(ra - edge.west) < edge.span) inside = !inside;
  }
  return inside;
}

}  // namespace

ConstellationName ConstellationOf(double rightAscension, double declination) {
  if (!std::isfinite(rightAscension) || !std::isfinite(declination)) return {"", ""};
  J2000ToB1875(rightAscension, declination);
  for (const Outline& outline : Outlines()) {
    if (Contains(outline, rightAscension, declination)) return outline.name;
  }
  return {"", ""};
}

}  // namespace halvane
