// Small steps that the catalog layers share: culling catalog coordinates against the visible
// cap and telling usable coordinates from damaged ones.
#pragma once

#include <algorithm>
#include <cmath>

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
// length.
struct CatalogCulling {
  CatalogCulling(const Projection& view, const SkyPlaces& sky)
      : cap(VisibleCap::ForView(view, 0.0)),
        catalogCap(VisibleCap::ForView(view, sky.GetMargin())),
        prefilter(view.GetObserver(), catalogCap),
        arcPrefilter(view.GetObserver(), VisibleCap::ForView(view, 2.0 * sky.GetMargin())) {
    double centreHourAngle = 0.0;
    double centreDeclination = 0.0;
    view.GetObserver().HorizontalToEquatorial(catalogCap.azimuth, catalogCap.altitude,
                                              centreHourAngle, centreDeclination);
    LatitudeBand(centreDeclination, catalogCap.radius, lowDeclination, highDeclination);
  }

  bool InBand(double declination) const {
    return lowDeclination <= declination && declination <= highDeclination;
  }

  // True when a catalog position (radians, finite) is drawn within the cap, with its horizontal
  // place; the cheap band and prefilter tests spare most positions the full transform.
  bool PlaceInCap(const Projection& view, const SkyPlaces& sky, double rightAscension,
                  double declination, double& azimuth, double& altitude) const {
    if (!InBand(declination) ||
        prefilter.CertainlyOutside(rightAscension - sky.GetSiderealAngle(), declination)) {
      return false;
    }
    view.SkyToHorizontal(sky, rightAscension, declination, azimuth, altitude);
    return cap.Contains(azimuth, altitude);
  }

  // False only when no point of the great-circle arc between the two positions (radians) can
  // lie in the band: every point of the arc lies within half its length of an end, and the
  // length is at most the step in declination plus the step in right ascension.
  bool ArcMayReachBand(double rightAscension1, double declination1, double rightAscension2,
                       double declination2) const {
    const double step = std::fabs(std::remainder(rightAscension2 - rightAscension1, TWO_PI));
    const double reach = 0.5 * std::min(PI, std::fabs(declination2 - declination1) + step);
    return std::min(declination1, declination2) - reach <= highDeclination &&
           std::max(declination1, declination2) + reach >= lowDeclination;
  }

  VisibleCap cap;
  VisibleCap catalogCap;
  CapPrefilter prefilter;
  CapPrefilter arcPrefilter;
  double lowDeclination = 0.0;
  double highDeclination = 0.0;
};

// A damaged catalog may hold NaN or infinities; such a position is never drawn.
inline bool IsUsablePosition(double rightAscension, double declination) {
  return std::isfinite(rightAscension) && std::isfinite(declination);
}

}  // namespace halvane
