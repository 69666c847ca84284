// The brighter objects of DeepSky.dat held in memory, for Tonight's choice of what to show.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "catalog/sky_records.h"

namespace halvane {

// The records of the deep-sky catalog at path with a magnitude of faintest hundredths or
// brighter, brightest first; empty when the file is missing or rejected.
std::vector<NumberedDeepSky> LoadBrightDeepSky(const std::string& path, int16_t faintest);

}  // namespace halvane
