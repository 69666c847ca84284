// The satellites layer in whole frames: nothing of it without elements or switched off, the ISS
// lit at dusk and dark in the Earth's shadow, and in daylight only when found or tapped.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "astro/observer.h"
#include "catalog/orbital_elements_reader.h"
#include "chart/chart.h"
#include "platform/recording_surface.h"
#include "tests/support/build_paths.h"
#include "tests/support/trace_lines.h"
#include "view/view_directions.h"

namespace halvane {
namespace {

constexpr char ISS_ELEMENTS[] =
    "ISS (ZARYA)\n"
    "1 25544U 98067A   26342.50000000  .00012000  00000-0  15000-3 0  9994\n"
    "2 25544  51.6400 300.0000 0003000  80.0000 120.0000 15.50000000123451\n";

std::shared_ptr<const SatelliteSet> IssSet() {
  auto set = std::make_shared<SatelliteSet>();
  set->Add(ReadOrbitalElements(ISS_ELEMENTS).elements, false);
  return set;
}

// A frame from Paris on 9 December 2026 with every layer but the satellites' as the app has
// them; satellites: whether that layer is on; set: the elements loaded (null: none).
std::vector<std::string> SatelliteFrame(uint16_t hour, uint16_t minute, uint16_t second,
                                        const ViewDirection& aim, bool satellites,
                                        std::shared_ptr<const SatelliteSet> set,
                                        int32_t pinned = -1) {
  Observer observer;
  observer.SetLocation(-2.35, 48.85);
  Chart chart({0, 0, 240, 294}, nullptr);
  chart.GetProjection().SetViewDirection(aim.azimuth, aim.altitude);
  chart.GetLayers().UseDataFolder(test_support::SourcePath("data/"));
  chart.GetLayers().ApplyViewLayerFlags(satellites ? 0 : LAYER_SATELLITES_HIDDEN);
  chart.SetSatellites(std::move(set));
  chart.SetPinnedSatellite(pinned);
  const Moment moment(CalendarTime{2026, 12, 3, 9, hour, minute, second, 0}, Observer(-2.35, 48.85),
                      false);
  RecordingSurface surface;
  RecordingSurface progress;
  chart.DrawFrame(surface, progress, moment);
  return surface.Lines();
}

bool Has(const std::vector<std::string>& lines, const std::string& start) {
  return std::any_of(lines.begin(), lines.end(),
                     [&](const std::string& l) { return test_support::StartsWith(l, start); });
}

TEST(SatelliteLayer, DrawsLitShadowedAndPinnedSatellitesAndNothingWithoutElements) {
  // Without elements, or switched off, the chart is today's.
  const std::vector<std::string> today = SatelliteFrame(18, 20, 10, VIEW_WEST, false, nullptr);
  EXPECT_EQ(SatelliteFrame(18, 20, 10, VIEW_WEST, true, nullptr), today);
  EXPECT_EQ(SatelliteFrame(18, 20, 10, VIEW_WEST, false, IssSet()), today);

  // Rising in the west at dusk in sunlight, named, with its track; overhead three minutes
  // later in the Earth's shadow, dim.
  const std::vector<std::string> rising = SatelliteFrame(18, 20, 10, VIEW_WEST, true, IssSet());
  EXPECT_TRUE(Has(rising, "polygon F0F0FF 1 4 "));
  EXPECT_TRUE(Has(rising, "label ") && Has(rising, "text 62 196 240 294 256 \"ISS (ZARYA)\""));
  EXPECT_TRUE(Has(rising, "pen A0A0C0"));
  const std::vector<std::string> overhead = SatelliteFrame(18, 23, 40, VIEW_ZENITH, true, IssSet());
  EXPECT_TRUE(Has(overhead, "polygon 585868 1 4 "));
  EXPECT_FALSE(Has(overhead, "polygon F0F0FF"));

  // In the afternoon's daylight it is drawn only once found or tapped.
  EXPECT_FALSE(Has(SatelliteFrame(15, 12, 0, VIEW_EAST, true, IssSet()), "polygon "));
  EXPECT_TRUE(Has(SatelliteFrame(15, 12, 0, VIEW_EAST, true, IssSet(), 0), "polygon F0F0FF"));
}

}  // namespace
}  // namespace halvane
