// The catalog layers: functions of the projection (where on the chart), the layer set (which
// layers and which files), the sky (where each catalog direction stands) and the surface, each
// reading its catalog once per frame. A file that cannot be used gets its message written onto
// the chart.
#pragma once

#include <cstdint>
#include <memory>

#include "astro/sky_places.h"
#include "platform/surface.h"

namespace halvane {

class Projection;
class ProgressStrip;
struct LayerSet;

// Each Prepare reads into memory what its layer keeps of its file, when the layer is on, so
// that a first frame finds it ready. They may run on a thread of their own, but never beside a
// frame or one another: what they keep is shared and unguarded.
void PrepareConstellationLines(const LayerSet& layers);
void PrepareConstellationBoundaries(const LayerSet& layers);
// The stars of the widest fields.
void PrepareStars(const LayerSet& layers);

// Every ConLin.dat segment with an end in the visible cap, with the pen the frame selected,
// and the visible part of each one that only crosses the cap.
void DrawConstellationLines(const Projection& projection, const LayerSet& layers, Surface& surface,
                            const SkyPlaces& sky);
// The ConBon.dat polylines near the visible cap.
void DrawConstellationBoundaries(const Projection& projection, const LayerSet& layers,
                                 Surface& surface, const SkyPlaces& sky);

// What the star layer keeps from frame to frame.
struct StarLayer {
  std::unique_ptr<Bitmap> sprites;  // the sheet the platform loaded; null: no stars stamped
  int32_t starCount = 0;            // star records read by the last accepted pass
  // Hundredths: stars fainter than this are lost in the sky's light.
  int32_t skyFaintest = INT32_MAX;
};

// Every visible star of Stars.dat stamped as a sprite onto drawSurface, growing the progress
// strip on progressSurface as the pass goes.
// The faintest magnitude the star layer draws at the projection's field (with the faint stars'
// file at narrow fields), before a bright sky's limit.
double StarLimit(const Projection& projection, const LayerSet& layers);

void DrawStars(const Projection& projection, const LayerSet& layers, StarLayer& starLayer,
               Surface& drawSurface, ProgressStrip& progress, Surface& progressSurface,
               const SkyPlaces& sky);

}  // namespace halvane
