// The points of the compass as the user's language abbreviates them.
#pragma once

#include <string>

namespace halvane {

// The abbreviation (UTF-8) of the point nearest the azimuth in degrees east of north, one of
// the sixteen from N through NNE to NNW; any azimuth, negative or past 360, is taken round.
std::string CompassPoint(double azimuthDegrees);

}  // namespace halvane
