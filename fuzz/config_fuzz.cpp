// Fuzzes Config.dat: the bytes become the file, LoadConfig reads it, and the settings go the
// way start-up and the dialog take them: the observer's place, the layer switches, the
// sidereal angle of the stored time, the dialog's degrees-minutes-seconds and local time,
// then a frame and a tap. Saving and loading again must give the same settings.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "astro/angles.h"
#include "astro/observer.h"
#include "astro/sidereal_time.h"
#include "catalog/identify_object.h"
#include "chart/chart.h"
#include "fuzz/fuzz_chart.h"
#include "fuzz/fuzz_files.h"
#include "platform/clock.h"
#include "shell/config_file.h"

namespace {

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace halvane;
  const std::string path = WriteFuzzFile("Config.dat", data, size);
  ConfigRecord config;
  LoadConfig(path, config);

  Observer observer;
  observer.SetLocation(config.longitude, config.latitude);
  Chart view(Rect{0, 0, 240, 294}, LoadBitmap(BitmapId::StarSprites));
  UseSampleCatalogs(view);
  view.GetLayers().ApplyLayerFlags(config.layerFlags);

  const CalendarTime fixedClock{2026, 12, 2, 8, 21, 30, 0, 0};
  const CalendarTime& when = config.useSystemTime != 0 ? fixedClock : config.observationTime;
  const Moment moment(when, observer, view.GetLayers().precisePositions);

  int32_t degrees = 0;
  int32_t minutes = 0;
  int32_t seconds = 0;
  DegreesToDms(observer.GetLongitude(), degrees, minutes, seconds);
  DegreesToDms(observer.GetLatitude(), degrees, minutes, seconds);
  CalendarTime shown = config.observationTime;
  if (UniversalToLocal(shown)) {
    CalendarTime back = shown;
    LocalToUniversal(back);
  }

  DrawOneFrame(view, moment);
  PickedLabel label;
  view.IdentifyObject(label, 120, 147, moment);

  const std::string copy = FuzzFolder() + "Config-copy.dat";
  FuzzCheck(SaveConfig(copy, config));
  ConfigRecord reloaded;
  FuzzCheck(LoadConfig(copy, reloaded));
  FuzzCheck(SameBits(reloaded.longitude, config.longitude) &&
            SameBits(reloaded.latitude, config.latitude) &&
            reloaded.layerFlags == config.layerFlags &&
            reloaded.useSystemTime == config.useSystemTime &&
            reloaded.observationTime == config.observationTime);
  return 0;
}
