// The ecliptic layer: the Sun's yearly path as a dim dashed line, named once along it.
#pragma once

#include <vector>

#include "astro/sky_places.h"
#include "platform/surface.h"
#include "view/label_candidate.h"

namespace halvane {

class Projection;

// The ecliptic (of J2000, or of the date jdTt with ofDate) where sky puts it, dashed in color,
// and "Ecliptic" added to names at its visible point nearest the chart's centre (above the
// horizon with nameAboveHorizon).
void DrawEcliptic(const Projection& projection, Surface& surface, const SkyPlaces& sky, bool ofDate,
                  double jdTt, Color color, bool nameAboveHorizon,
                  std::vector<LabelCandidate>& names);

}  // namespace halvane
