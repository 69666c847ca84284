// FrameContext: everything the layers of one frame read, in one value: where on the chart (the
// projection), which layers and files (the layer set), where and when (the moment: the time, the
// observer's place, the sky's places, the bodies), the sky's light, the pens, the names the
// layers hand to the label placement and the progress strip. Every layer is a function of it
// and the surface it draws on.
#pragma once

#include <climits>
#include <cmath>
#include <cstdint>
#include <vector>

#include "astro/moment.h"
#include "platform/surface.h"
#include "view/label_candidate.h"
#include "view/layer_set.h"
#include "view/progress_strip.h"
#include "view/projection.h"
#include "view/sky_light.h"

namespace halvane {

class CatalogStore;   // catalog/catalog_store.h: the files the catalog layers keep
class SatelliteSet;   // catalog/satellite_set.h
struct LayerMemory;   // catalog/layer_memory.h: what the catalog layers leave for taps
class LocalSkyNames;  // catalog/local_sky_names.h: the sky's names in the chosen language

// The colours of the layers.
struct FramePens {
  Color grid = MakeColor(0x40, 0x40, 0x40);
  Color line = MakeColor(0x40, 0x40, 0x80);
  Color boundary = MakeColor(0x40, 0x60, 0x60);
  Color deepSky = MakeColor(0x50, 0x68, 0x88);
  Color deepSkyName = MakeColor(0x70, 0x88, 0xA8);
  Color ecliptic = MakeColor(0x70, 0x60, 0x30);
  Color ground = MakeColor(0x2C, 0x24, 0x18);
  Color horizon = MakeColor(0x80, 0x6C, 0x48);
  Color direction = MakeColor(0xD0, 0xB0, 0x78);
  Color starName = MakeColor(0xA0, 0xA0, 0xB0);
  Color constellationName = MakeColor(0x60, 0x70, 0x90);
  Color bodyName = 0;  // the chart's label colour, which the chart gives
};

struct FrameContext {
  const Projection& projection;
  const LayerSet& layers;
  const Moment& moment;
  const SkyLight& light;  // the night's while the daylight layer is off
  const FramePens& pens;
  // The names the layers would like written; the frame places them all last.
  std::vector<LabelCandidate>& labels;
  ProgressStrip& progress;
  Surface& progressSurface;        // where the progress strip shows: the screen
  const Bitmap* starSprites;       // null: no stars stamped
  const SatelliteSet* satellites;  // null: none loaded
  int32_t pinnedSatellite;         // found or tapped (-1: none): drawn in daylight too
  // The catalog layers' own; a frame of view layers alone may leave them null.
  CatalogStore* catalogs;
  LayerMemory* memory;
  // The lit sky's blocks kept from the last frame; null: worked out afresh.
  SkyGlow* glow;
  // The names in the layers' language; null: as the catalogs give them.
  const LocalSkyNames* localNames;

  const SkyPlaces& Sky() const { return moment.GetSky(); }
  // Hundredths of a magnitude: stars and deep-sky objects fainter are lost in the sky's light.
  int32_t SkyFaintest() const {
    return light.dark ? INT32_MAX
                      : static_cast<int32_t>(std::floor(light.faintestMagnitude * 100.0));
  }
};

}  // namespace halvane
