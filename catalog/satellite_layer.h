// The satellites layer: each loaded satellite above the horizon at the frame's moment, bright
// when the Sun lights it and dim in the Earth's shadow, with a dotted track of where it goes in
// the next two minutes.
#pragma once

#include <cstdint>
#include <vector>

#include "astro/satellite_view.h"
#include "catalog/satellite_set.h"
#include "platform/surface.h"

namespace halvane {

struct FrameContext;

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

// With the layer on, the satellites of the frame at its moment, their places computed once per
// moment; their names offered for the placement. While the Sun is less than 6 degrees down
// (with the daylight layer on) only the pinned satellite is drawn.
void DrawSatellites(const FrameContext& frame, Surface& surface);

}  // namespace halvane
