// Writing places with their hemispheres.
#include "shell/place_name.h"

#include <cmath>
#include <cstdint>

#include "astro/angles.h"
#include "platform/translate.h"

namespace halvane {

namespace {

// One side of a choice of two hemispheres, "E|W" as the settings offer it in the language.
std::string Hemisphere(const char* choice, bool second) {
  const std::string both = Words::Tr(choice);
  const size_t bar = both.find('|');
  if (bar == std::string::npos) return both;
  return second ? both.substr(bar + 1) : both.substr(0, bar);
}

std::string Dms(double magnitude, const std::string& hemisphere) {
  int32_t degrees = 0;
  int32_t minutes = 0;
  int32_t seconds = 0;
  DegreesToDms(magnitude, degrees, minutes, seconds);
  // The digits keep their order beside a hemisphere written in Arabic letters.
  return Isolated(std::to_string(degrees) + "\u00B0" + std::to_string(minutes) + "\u2032" +
                  std::to_string(seconds) + "\u2033") +
         " " + hemisphere;
}

}  // namespace

std::string PlaceText(double longitude, double latitude) {
  return Dms(std::fabs(latitude), Hemisphere("N|S", latitude < 0.0)) + " " +
         Dms(std::fabs(longitude), Hemisphere("E|W", longitude > 0.0));
}

std::string PlaceTitle(const std::string& program, double longitude, double latitude,
                       const std::string& cityName) {
  return program + " \u2014 " + (cityName.empty() ? PlaceText(longitude, latitude) : cityName);
}

}  // namespace halvane
