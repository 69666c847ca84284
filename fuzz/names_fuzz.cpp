// Fuzzes Names.dat: the bytes become the file, and Find completes and turns to a few queries
// over it. What it turns to is a finite place named in valid UTF-8.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "catalog/sky_names.h"
#include "catalog/sky_target.h"
#include "fuzz/fuzz_chart.h"
#include "fuzz/fuzz_files.h"
#include "platform/utf8_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace halvane;
  const SkyNames names =
      LoadSkyNames(FuzzFolder() + "missing.dat", WriteFuzzFile("Names.dat", data, size));
  const Moment moment(CalendarTime{2024, 1, 1, 15, 21, 30, 0, 0}, Observer(-18.3, 49.7), false);
  for (const std::string_view query : {"a", "m", "alpha", "ngc", "hip 2", "\xCE\xB1"}) {
    const std::optional<NamedRef> target = ResolveName(names, query);
    if (!target) continue;
    FuzzCheck(ValidUtf8(target->name) == target->name);
    const std::optional<SkyPoint> place = PlaceOf(names, target->object, moment);
    if (!place) continue;
    FuzzCheck(std::isfinite(place->rightAscension) && std::isfinite(place->declination));
  }
  return 0;
}
