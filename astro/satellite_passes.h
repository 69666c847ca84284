// A satellite's passes over an observer: where it rises, culminates and sets, and whether the
// pass can be seen.
#pragma once

#include <vector>

#include "astro/satellite_view.h"
#include "astro/sgp4.h"

namespace halvane {

struct PassPoint {
  double jdUt = 0.0;      // UTC Julian day
  double azimuth = 0.0;   // radians in [0, 2 pi)
  double altitude = 0.0;  // radians, geometric
};

struct SatellitePass {
  PassPoint rise;         // crossing of 0 degrees, upwards
  PassPoint culmination;  // the highest point
  PassPoint set;          // crossing of 0 degrees, downwards
  // Sunlit above 10 degrees of altitude at some time while the Sun is 6 degrees or more
  // below the horizon.
  bool visible = false;
};

// Every pass of the model that rises from startJdUt to endJdUt (UTC Julian days), in time
// order; a pass already up at the start is left out, one still up at the end is followed to
// its setting. The search steps over the time the satellite is too far round the Earth to be
// up, by a bound on how fast it can come nearer, then brackets the culminations by the sign
// of the altitude's rate and the crossings by the altitude's.
std::vector<SatellitePass> FindPasses(const Sgp4& model, double startJdUt, double endJdUt,
                                      const GroundSite& site);

}  // namespace halvane
