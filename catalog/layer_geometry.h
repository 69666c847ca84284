// Small steps that the catalog layers share: culling catalog coordinates against the visible
// cap and telling usable coordinates from damaged ones.
#pragma once

#include <algorithm>
#include <cmath>
#include <optional>

#include "astro/angles.h"
#include "astro/observer.h"
#include "astro/sky_places.h"
#include "catalog/cap_prefilter.h"
#include "platform/surface.h"
#include "view/projection.h"
#include "view/visible_cap.h"

namespace halvane {

// What a catalog layer works out once per pass before reading its file: the visible cap
// without margin, and the band of declinations and the cheap equatorial pre-test of that cap
// widened by the sky's margin, since they read catalog coordinates, not the sky's places. The
// pre-test of arcs takes the margin twice: both ends of an arc may move by it, and so its
// length. The plain sky turns the catalog rigidly: its cap is then tested in the catalog's own
// frame, exactly, and directions are turned instead of transformed angle by angle.
struct CatalogCulling {
  CatalogCulling(const Projection& view, const SkyPlaces& sky)
      : turn(sky.CatalogToHorizontal()),
        cap(VisibleCap::ForView(view, 0.0)),
        catalogCap(VisibleCap::ForView(view, sky.GetMargin())),
        prefilter(sky.GetObserver(), catalogCap),
        arcPrefilter(sky.GetObserver(), VisibleCap::ForView(view, 2.0 * sky.GetMargin())) {
    double centreHourAngle = 0.0;
    double centreDeclination = 0.0;
    sky.GetObserver().HorizontalToEquatorial(catalogCap.azimuth, catalogCap.altitude,
                                             centreHourAngle, centreDeclination);
    LatitudeBand(centreDeclination, catalogCap.radius, lowDeclination, highDeclination);
    sinRadius = std::sin(cap.radius);
    if (turn) {
      catalogCentre = turn->ApplyInverse(cap.centre);
      // The widest the cap reaches in right ascension, from a centre short of either pole.
      double centreDeclination = 0.0;
      AnglesOf(catalogCentre, centreRightAscension, centreDeclination);
      if (cap.radius < HALF_PI - std::fabs(centreDeclination)) {
        rightAscensionReach =
            std::asin(std::min(1.0, sinRadius / std::cos(centreDeclination))) + 1e-9;
      }
    }
  }

  bool InBand(double declination) const {
    return lowDeclination <= declination && declination <= highDeclination;
  }

  // True when a catalog position (radians, finite) is drawn within the cap, with its horizontal
  // place; the cheap band and prefilter tests spare most positions the full transform.
  bool PlaceInCap(const Projection& view, const SkyPlaces& sky, double rightAscension,
                  double declination, Direction& horizontal) const {
    if (!InBand(declination)) return false;
    if (turn) {
      // Most of a narrow field's band lies beyond the cap's right ascensions: no sines for them.
      if (!InRightAscensionReach(rightAscension)) return false;
      return PlaceInCap(view, sky, CatalogPointOf(rightAscension, declination), horizontal);
    }
    if (prefilter.CertainlyOutside(rightAscension - sky.GetSiderealAngle(), declination)) {
      return false;
    }
    horizontal = view.SkyToHorizontal(sky, rightAscension, declination);
    return cap.Contains(horizontal);
  }

  // The same for a catalog point with its direction: for the plain sky a rotation and a dot
  // product.
  bool PlaceInCap(const Projection& view, const SkyPlaces& sky, const CatalogPoint& point,
                  Direction& horizontal) const {
    if (!turn) {
      return PlaceInCap(view, sky, point.rightAscension, point.declination, horizontal);
    }
    if (!InBand(point.declination) || Dot(catalogCentre, point.direction) < cap.cosRadius) {
      return false;
    }
    horizontal = turn->Apply(point.direction);
    return true;
  }

  // With turn: false only when a right ascension (radians, finite) lies beyond the cap's.
  bool InRightAscensionReach(double rightAscension) const {
    if (rightAscensionReach >= PI) return true;
    double apart = rightAscension - centreRightAscension;
    if (std::fabs(apart) > 2.0 * TWO_PI) apart = WrapToHalfTurn(apart);
    while (apart > PI) apart -= TWO_PI;
    while (apart < -PI) apart += TWO_PI;
    return std::fabs(apart) <= rightAscensionReach;
  }

  // False only when the point certainly lies outside the cap; cheaper than placing it.
  bool MayBeInCap(const SkyPlaces& sky, const CatalogPoint& point) const {
    if (!InBand(point.declination)) return false;
    if (turn) return Dot(catalogCentre, point.direction) >= cap.cosRadius;
    return !prefilter.CertainlyOutside(point.rightAscension - sky.GetSiderealAngle(),
                                       point.declination);
  }

  // The horizontal direction of a catalog point.
  Direction Locate(const Projection& view, const SkyPlaces& sky, const CatalogPoint& point) const {
    if (turn) return turn->Apply(point.direction);
    return view.SkyToHorizontal(sky, point.rightAscension, point.declination);
  }

  // False only when no point of the shorter great-circle arc between the two lies in the cap.
  // For the plain sky: the arc keeps within its half length h of its middle m, so it misses
  // when m lies further than R + h from the centre, a test of cosines without angles.
  bool ArcMayMeetCap(const SkyPlaces& sky, const CatalogPoint& a, const CatalogPoint& b) const {
    if (!turn) {
      const double angle = sky.GetSiderealAngle();
      return ArcMayReachBand(a.rightAscension, a.declination, b.rightAscension, b.declination) &&
             !arcPrefilter.ArcCertainlyOutside(a.rightAscension - angle, a.declination,
                                               b.rightAscension - angle, b.declination);
    }
    const Direction sum{a.direction.x + b.direction.x, a.direction.y + b.direction.y,
                        a.direction.z + b.direction.z};
    const Direction difference{a.direction.x - b.direction.x, a.direction.y - b.direction.y,
                               a.direction.z - b.direction.z};
    const double sumLength = std::sqrt(Dot(sum, sum));
    const double differenceLength = std::sqrt(Dot(difference, difference));
    // |sum| (m . c) >= |sum| (cos R cos h - sin R sin h), with cos h = |sum| / 2 and
    // sin h = |difference| / 2; rounding is met by a millionth of slack.
    return Dot(catalogCentre, sum) >=
           0.5 * sumLength * (cap.cosRadius * sumLength - sinRadius * differenceLength) - 1e-6;
  }

  // False only when no point of the great-circle arc between the two positions (radians) can
  // lie in the band: every point of the arc lies within half its length of an end, and the
  // length is at most the step in declination plus the step in right ascension.
  bool ArcMayReachBand(double rightAscension1, double declination1, double rightAscension2,
                       double declination2) const {
    const double step = std::fabs(WrapToHalfTurn(rightAscension2 - rightAscension1));
    const double reach = 0.5 * std::min(PI, std::fabs(declination2 - declination1) + step);
    return std::min(declination1, declination2) - reach <= highDeclination &&
           std::max(declination1, declination2) + reach >= lowDeclination;
  }

  std::optional<Rotation> turn;       // the plain sky's, none for the sky of the date
  Direction catalogCentre;            // the cap's centre in the catalog's frame, with turn
  double sinRadius = 0.0;             // of cap
  double centreRightAscension = 0.0;  // of catalogCentre, with turn
  double rightAscensionReach = PI;    // radians either side of it, with turn
  VisibleCap cap;
  VisibleCap catalogCap;
  CapPrefilter prefilter;
  CapPrefilter arcPrefilter;
  double lowDeclination = 0.0;
  double highDeclination = 0.0;
};

// A damaged catalog may hold NaN, infinities or angles beyond any place on the sky (radians:
// right ascension within a turn either way, declination within a quarter turn); such a
// position is never drawn, found or named.
inline bool IsUsablePosition(double rightAscension, double declination) {
  constexpr double SLACK = 1e-9;
  return std::isfinite(rightAscension) && std::isfinite(declination) &&
         std::abs(rightAscension) <= 2.0 * PI + SLACK && std::abs(declination) <= PI / 2.0 + SLACK;
}

}  // namespace halvane
