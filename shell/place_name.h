// How a place is written for people: degrees, minutes and seconds with their hemispheres.
#pragma once

#include <string>

namespace halvane {

// "49°41′49″ N 18°20′20″ E" (UTF-8, the hemispheres in the language) for the observer's
// place: longitude positive WEST, latitude positive north, both in degrees; whole seconds,
// rounded.
std::string PlaceText(double longitude, double latitude);

// The window's title: the program and the place the chart shows, the city's name when one
// was chosen, else the place's coordinates.
std::string PlaceTitle(const std::string& program, double longitude, double latitude,
                       const std::string& cityName);

}  // namespace halvane
