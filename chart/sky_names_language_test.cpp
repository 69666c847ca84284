// The sky's names in the chosen language over the shipped catalogs: the chart's constellation
// and deep-sky names, a tapped name, and Find, which takes the language's names and English.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "astro/observer.h"
#include "catalog/local_sky_names.h"
#include "catalog/sky_names.h"
#include "chart/chart.h"
#include "platform/recording_surface.h"
#include "platform/utf8_text.h"
#include "tests/support/build_paths.h"
#include "tests/support/trace_lines.h"
#include "view/view_directions.h"

namespace halvane {
namespace {

const std::string SHIPPED = test_support::SourcePath("data/");

std::vector<std::string> ChartNames(Chart& chart, const Observer& observer) {
  const Moment moment(CalendarTime{2026, 12, 2, 8, 22, 0, 0, 0}, observer, false);
  RecordingSurface surface;
  RecordingSurface progress;
  chart.DrawFrame(surface, progress, moment);
  std::vector<std::string> names;
  for (const std::string& line : surface.Lines()) {
    if (test_support::StartsWith(line, "label ")) names.push_back(test_support::QuotedText(line));
  }
  return names;
}

bool HasName(const std::vector<std::string>& names, const std::string& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

TEST(SkyNamesLanguage, ChartTapAndFindSpeakTheChosenLanguage) {
  Observer observer;
  observer.SetLocation(-2.35, 48.85);
  Chart chart(Rect{0, 0, 360, 720}, nullptr);
  chart.GetProjection().SetViewDirection(VIEW_ZENITH.azimuth, VIEW_ZENITH.altitude);
  chart.GetLayers().UseDataFolder(SHIPPED);
  chart.GetLayers().showConstellationNames = true;
  const std::vector<std::string> english = ChartNames(chart, observer);
  chart.GetLayers().language = "de";
  const std::vector<std::string> german = ChartNames(chart, observer);
  EXPECT_TRUE(HasName(english, "Ursa Minor") && HasName(english, "Orion"));
  EXPECT_TRUE(HasName(german, "Kleiner Bär") && HasName(german, "Orion"));
  EXPECT_FALSE(HasName(german, "Ursa Minor"));

  PickedLabel tapped;
  std::copy_n(u"M42 Orion Nebula", 17, tapped.name);
  EXPECT_EQ(std::u16string(chart.InLanguage(tapped).name), u"M42 Orion-Nebel");

  SkyNames names =
      LoadSkyNames(SHIPPED + "Labels.dat", SHIPPED + "Names.dat", SHIPPED + "DeepSky.dat");
  const auto first = [&](const char* query) {
    const std::vector<NameMatch> found = names.index.Complete(query, 1);
    return found.empty() ? NameEntry{} : names.index.Entries()[found.front().entry];
  };
  const NameEntry bear = first("ursa major");
  const NameEntry nebula = first("m42");
  AddLocalNames(names, chart.GetLocalNames());
  for (const auto& [query, object] : {std::pair{"grosser bar", bear},
                                      {"Großer Bär", bear},
                                      {"ursa maj", bear},
                                      {"orion-nebel", nebula}}) {
    const NameEntry found = first(query);
    EXPECT_TRUE(found.kind == object.kind && found.index == object.index) << query;
  }
}

}  // namespace
}  // namespace halvane
