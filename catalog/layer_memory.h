// LayerMemory: what the catalog layers keep of the last frame, for taps and the window: the
// deep-sky objects and satellites drawn, the star records read, how fast the satellites moved.
// The chart owns it; only the layers write it, each its own part as it draws.
#pragma once

#include <cstdint>
#include <vector>

#include "catalog/satellite_layer.h"
#include "catalog/sky_records.h"

namespace halvane {

struct LayerMemory {
  int32_t starCount = 0;                      // star records read by the last accepted pass
  std::vector<NumberedDeepSky> deepSkyShown;  // drawn by the last frame
  // The satellites' places of the last moment, kept while frames only pan.
  std::vector<SatellitePlace> satellitePlaces;
  const SatelliteSet* placesSet = nullptr;
  double placesJdUt = 0.0;
  double placesLongitude = 0.0;
  double placesLatitude = 0.0;
  // The fastest satellite's speed across the chart, pixels per second (0: none on the chart).
  double fastestPixelsPerSecond = 0.0;
};

}  // namespace halvane
