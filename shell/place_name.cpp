// Writing places with their hemispheres.
#include "shell/place_name.h"

#include <cmath>
#include <cstdint>

#include "astro/angles.h"

namespace halvane {

namespace {

std::string Dms(double magnitude, char hemisphere) {
  int32_t degrees = 0;
  int32_t minutes = 0;
  int32_t seconds = 0;
  DegreesToDms(magnitude, degrees, minutes, seconds);
  return std::to_string(degrees) + "\u00B0" + std::to_string(minutes) + "\u2032" +
         std::to_string(seconds) + "\u2033 " + hemisphere;
}

}  // namespace

std::string PlaceText(double longitude, double latitude) {
  return Dms(std::fabs(latitude), latitude < 0.0 ? 'S' : 'N') + " " +
         Dms(std::fabs(longitude), longitude > 0.0 ? 'W' : 'E');
}

std::string PlaceTitle(const std::string& program, double longitude, double latitude,
                       const std::string& cityName) {
  return program + " \u2014 " + (cityName.empty() ? PlaceText(longitude, latitude) : cityName);
}

}  // namespace halvane
