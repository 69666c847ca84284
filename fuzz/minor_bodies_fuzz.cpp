// Fuzzes the comet and minor-planet element readers: the bytes are the text of an element file.
// Every body kept must have a designation and usable elements, every line a body or one
// message at most, and two-body motion of what was read must give a place or none, never a
// crash or a non-finite place.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "astro/minor_body.h"
#include "catalog/minor_body_reader.h"
#include "fuzz/fuzz_chart.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace halvane;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const MinorBodyReadResult read = ReadMinorBodyElements(text);
  const size_t lines = static_cast<size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
  FuzzCheck(read.bodies.size() + read.messages.size() <= lines);
  FuzzCheck(read.bodies.empty() == !read.error.empty());
  for (const MinorBodyElements& body : read.bodies) {
    FuzzCheck(!body.designation.empty() && !body.name.empty() && !body.label.empty());
    FuzzCheck(body.perihelionDistance > 0.0 && std::isfinite(body.perihelionDistance));
    FuzzCheck(body.eccentricity >= 0.0 && body.eccentricity <= 100.0);
    FuzzCheck(std::isfinite(body.perihelionTime) && std::isfinite(body.absoluteMagnitude));
    for (const double jdTt : {2451545.0, body.perihelionTime + 0.001, body.perihelionTime + 4e4}) {
      const MinorBodyPlace place = MinorBodyPlaceFrom(body, {1.0, 0.0, 0.0}, jdTt);
      if (!place.available) continue;
      FuzzCheck(std::isfinite(place.rightAscension) && std::isfinite(place.declination));
      FuzzCheck(std::isfinite(place.magnitude) && std::isfinite(place.tailAngle));
    }
  }
  return 0;
}
