// Fuzzes SkyNames.dat: the bytes become the file, read for German, and every name it yields
// is looked up as the chart and the panel do. Names come out as valid UTF-8.
#include <cstddef>
#include <cstdint>
#include <string>

#include "catalog/local_sky_names.h"
#include "fuzz/fuzz_chart.h"
#include "fuzz/fuzz_files.h"
#include "platform/utf8_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace halvane;
  LocalSkyNames names;
  names.Load(WriteFuzzFile("SkyNames.dat", data, size), "de");
  for (const auto& [object, name] : names.DeepSkyObjects()) {
    FuzzCheck(!names.DeepSky(object + u" Nebula").empty());
    FuzzCheck(IsValidUtf8(names.Name(Utf16ToUtf8(object))));
  }
  for (const auto& [object, name] : names.Constellations()) {
    FuzzCheck(names.Constellation(object) == name);
  }
  FuzzCheck(names.DeepSky(u"M42 Orion Nebula").size() > 0);
  return 0;
}
