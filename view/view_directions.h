// The five fixed view directions of the commands, keys and navigation box.
#pragma once

#include "astro/angles.h"

namespace halvane {

// Azimuth counted from north through east, altitude above the horizon; radians.
struct ViewDirection {
  double azimuth;
  double altitude;
};

inline constexpr double LOOK_ALTITUDE = 30 * DEG_TO_RAD;  // the compass views look 30 degrees up

inline constexpr ViewDirection VIEW_NORTH{0.0, LOOK_ALTITUDE};
inline constexpr ViewDirection VIEW_EAST{HALF_PI, LOOK_ALTITUDE};
inline constexpr ViewDirection VIEW_SOUTH{PI, LOOK_ALTITUDE};
inline constexpr ViewDirection VIEW_WEST{-HALF_PI, LOOK_ALTITUDE};
inline constexpr ViewDirection VIEW_ZENITH{0.0, HALF_PI};

}  // namespace halvane
