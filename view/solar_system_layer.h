// The solar-system layer: the Sun, the Moon and the planets of the frame's moment drawn over
// the stars, each named beside its place.
#pragma once

#include <limits>
#include <vector>

#include "astro/sky_places.h"
#include "astro/solar_system.h"
#include "platform/surface.h"
#include "view/label_candidate.h"

namespace halvane {

class Projection;
struct LayerSet;

// What the sky and the names ask of the bodies.
struct BodyFilter {
  // Planets fainter than this are lost in a bright sky (the Sun and the Moon never are).
  double faintestMagnitude = std::numeric_limits<double>::infinity();
  // Below the horizon the ground hides a body: its name is not asked for.
  bool aboveHorizonOnly = false;
  // Bodies fainter than this are drawn without a name (Pluto at wide fields).
  double namedMagnitude = std::numeric_limits<double>::infinity();
};

// Every available body of places where sky puts it, through the observer and the
// projection, farthest first: the planets as discs with a rim sized by
// magnitude like the stars, the Sun and the Moon at least as large as their true apparent
// size, the Moon with its phase; names in labelColor, added to names for the placement.
// Nothing when the layer is off.
void DrawSolarSystem(const Projection& projection, const LayerSet& layers, Surface& surface,
                     const SolarSystemPlaces& places, const SkyPlaces& sky, Color labelColor,
                     const BodyFilter& filter, std::vector<LabelCandidate>& names);

}  // namespace halvane
