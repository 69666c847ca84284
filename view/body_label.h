// The names of the Sun, the Moon and the planets as the user's language writes them.
#pragma once

#include <string>

#include "astro/solar_body.h"

namespace halvane {

// The body's name in the user's language (UTF-8); BodyName keeps the English one that Find
// and the machine-readable output use.
std::string BodyLabel(Body body);

}  // namespace halvane
