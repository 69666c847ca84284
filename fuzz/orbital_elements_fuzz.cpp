// Fuzzes the element readers and the orbit model: the bytes are read as an element file of
// any format. Every set kept must be usable, a read without sets must say why, and each set's
// model, at a few times from a day before to a year after its epoch, gives either an error
// or a finite state.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "astro/sgp4.h"
#include "catalog/element_fields.h"
#include "catalog/orbital_elements_reader.h"
#include "fuzz/fuzz_chart.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace halvane;
  const ElementsReadResult read =
      ReadOrbitalElements(std::string_view(reinterpret_cast<const char*>(data), size));
  FuzzCheck(read.elements.empty() != read.error.empty());
  constexpr double MINUTES[] = {-1440.0, 0.0, 90.0, 10000.0, 525960.0};
  for (const OrbitalElements& elements : read.elements) {
    FuzzCheck(UnusableField(elements).empty());
    const Sgp4 model(elements);
    for (const double minutes : MINUTES) {
      TemeState state{};
      if (model.Propagate(minutes, state) != Sgp4Error::None) continue;
      for (int i = 0; i < 3; ++i) {
        FuzzCheck(std::isfinite(state.position[i]) && std::isfinite(state.velocity[i]));
      }
    }
  }
  return 0;
}
