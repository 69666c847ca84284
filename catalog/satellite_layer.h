// The satellites layer: each loaded satellite above the horizon at the frame's moment, bright
// when the Sun lights it and dim in the Earth's shadow, with a dotted track of where it goes in
// the next two minutes.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "astro/moment.h"
#include "astro/satellite_view.h"
#include "catalog/satellite_set.h"
#include "platform/surface.h"
#include "view/label_candidate.h"

namespace halvane {

class Projection;
struct LayerSet;

struct SatellitePlace {
  int32_t index = 0;  // in the set
  Direction horizontal;
  SatelliteLight light = SatelliteLight::Umbra;
  std::vector<Direction> track;  // from now, every TRACK_STEP_S seconds for two minutes
};

constexpr double SATELLITE_TRACK_STEP_S = 5.0;

// Where the satellites above the horizon are at the moment (jdUt) for site; the pinned one
// too when it is below.
std::vector<SatellitePlace> ComputeSatellitePlaces(const SatelliteSet& set, double jdUt,
                                                   const GroundSite& site);

struct SatelliteLayer {
  std::shared_ptr<const SatelliteSet> set;  // null: none loaded
  int32_t pinned = -1;                      // found or tapped: drawn in daylight too
  // The places of the last moment, kept while frames only pan.
  std::vector<SatellitePlace> places;
  double placesJdUt = 0.0;
  double placesLongitude = 0.0;
  double placesLatitude = 0.0;
  const SatelliteSet* placesSet = nullptr;
  // What the last frame drew: the fastest satellite's speed across the chart, pixels per
  // second (0: none on the chart).
  double fastestPixelsPerSecond = 0.0;
};

// Draws the layer's satellites for the moment, the places computed once per moment; adds their
// names for the placement. dark: the Sun at least 6 degrees down (or the daylight layer off);
// in a lighter sky only the pinned satellite is drawn.
void DrawSatellites(const Projection& projection, SatelliteLayer& layer, Surface& surface,
                    const Moment& moment, bool dark, Color labelColor,
                    std::vector<LabelCandidate>& names);

}  // namespace halvane
