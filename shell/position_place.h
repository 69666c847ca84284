// The observer's place from a position found by the device.
#pragma once

#include "platform/position_source.h"

namespace halvane {

// Where a position is kept: to 0.01 degree (about a kilometre, enough for the sky and not
// enough to find a house) unless exact; longitude turned to the observer's, positive west.
// reading must hold a fix.
void PlaceOfPosition(const PositionReading& reading, bool exact, double& longitude,
                     double& latitude);

}  // namespace halvane
