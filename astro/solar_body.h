// The bodies of the solar system that the chart shows, and their names.
#pragma once

namespace halvane {

// In the order the chart lists them.
enum class Body { SUN, MOON, MERCURY, VENUS, MARS, JUPITER, SATURN, URANUS, NEPTUNE, PLUTO };
constexpr int BODY_COUNT = 10;

// The English name ("Sun", "Moon", "Mercury", ...).
const char* BodyName(Body body);

}  // namespace halvane
