// The solar-system layer: the Sun, the Moon and the planets of the frame's moment drawn over
// the stars, each named beside its place.
#pragma once

#include "astro/sky_places.h"
#include "astro/solar_system.h"
#include "platform/surface.h"

namespace halvane {

class Projection;
struct LayerSet;

// Every available body of places where sky puts it, through the observer and the
// projection, farthest first: the planets as discs with a rim sized by
// magnitude like the stars, the Sun and the Moon at least as large as their true apparent
// size, the Moon with its phase; names in labelColor. Nothing when the layer is off.
void DrawSolarSystem(const Projection& projection, const LayerSet& layers, Surface& surface,
                     const SolarSystemPlaces& places, const SkyPlaces& sky, Color labelColor);

}  // namespace halvane
