// The satellites in the window: their element files, Find and the panel, Tonight's passes,
// and the frames that follow them across the chart.
#include <algorithm>
#include <cmath>

#include "astro/angles.h"
#include "astro/sidereal_time.h"
#include "chart/satellite_info.h"
#include "chart/tonight.h"
#include "platform/app_paths.h"
#include "platform/info_panel.h"
#include "platform/local_day.h"
#include "platform/utf8_text.h"
#include "platform/zone_time.h"
#include "shell/main_window.h"

namespace halvane {
namespace {

// At most ten frames a second follow the satellites.
constexpr double FOLLOW_MIN_MS = 100.0;
constexpr double MILLISECONDS_PER_MINUTE = 60000.0;

}  // namespace

void MainWindow::LoadSatellites() {
  auto set = std::make_shared<SatelliteSet>();
  set->Load(SatelliteElementFiles(ElementCacheFolder()));
  chart->SetSatellites(set->Empty() ? nullptr : std::move(set));
  needsRender = true;
  InvalidateWindow(hwnd);
}

bool MainWindow::TurnToSatellite(uint32_t index) {
  const std::shared_ptr<const SatelliteSet>& set = chart->GetSatellites();
  if (!set || index >= set->All().size()) return false;
  const Satellite& satellite = set->All()[index];
  const SatelliteFacts facts = DescribeSatellite(
      satellite, moment.GetJulianDayUt(), {observer->GetLongitude(), observer->GetLatitude(), 0.0});
  if (!facts.placed) return false;
  chart->GetProjection().SetViewDirection(facts.look.azimuth, facts.look.altitude);
  chart->SetPinnedSatellite(static_cast<int32_t>(index));
  findPanel.SetFoundName(Utf8ToUtf16(satellite.ShownName()));
  UpdateMomentAndRender();
  return true;
}

bool MainWindow::ShowSatelliteInfo(uint32_t index) {
  const std::shared_ptr<const SatelliteSet>& set = chart->GetSatellites();
  if (!set || index >= set->All().size()) return false;
  const Satellite& satellite = set->All()[index];
  const SatelliteFacts facts = DescribeSatellite(
      satellite, moment.GetJulianDayUt(), {observer->GetLongitude(), observer->GetLatitude(), 0.0});
  std::vector<std::u16string> lines;
  for (const std::string& line : SatellitePanelLines(facts, OffsetsOfZone(GetPlaceZone()))) {
    lines.push_back(Utf8ToUtf16(line));
  }
  findPanel.SetPanelObject({{ObjectSource::Satellite, index}, satellite.ShownName()});
  chart->SetPinnedSatellite(static_cast<int32_t>(index));
  ShowInfoPanel(hwnd, Utf8ToUtf16(satellite.ShownName()), lines);
  return true;
}

std::vector<std::pair<std::string, SatellitePass>> MainWindow::NightPasses() {
  std::vector<std::pair<std::string, SatellitePass>> passes;
  const std::shared_ptr<const SatelliteSet>& set = chart->GetSatellites();
  if (!set) return passes;
  const Tonight night = ComputeTonight(moment, OffsetsOfZone(GetPlaceZone()));
  const GroundSite site{observer->GetLongitude(), observer->GetLatitude(), 0.0};
  // No standard magnitudes are known, so the night's list holds the stations.
  for (const Satellite& satellite : set->All()) {
    if (!satellite.station) continue;
    for (const SatellitePass& pass : FindPasses(satellite.model, night.start, night.end, site)) {
      if (pass.visible) passes.emplace_back(satellite.ShownName(), pass);
    }
  }
  std::sort(passes.begin(), passes.end(),
            [](const auto& a, const auto& b) { return a.second.rise.jdUt < b.second.rise.jdUt; });
  return passes;
}

void MainWindow::TurnToPass(const std::string& name, const SatellitePass& pass) {
  config.useSystemTime = 0;
  config.observationTime = TimeAtJulianDay(pass.rise.jdUt);
  chart->GetProjection().SetViewDirection(pass.rise.azimuth, pass.rise.altitude);
  const std::shared_ptr<const SatelliteSet>& set = chart->GetSatellites();
  if (set) chart->SetPinnedSatellite(set->Find(name));
  UpdateMomentAndRender();
  RefreshInfoPanel();
}

void MainWindow::FollowSatellites() {
  const double speed = chart->GetSatelliteSpeed();
  if (config.useSystemTime == 0 || !(speed > 0.0)) return;
  const CalendarTime& now = config.observationTime;
  const double toNextMinute = MILLISECONDS_PER_MINUTE - (now.second * 1000 + now.milliseconds);
  const double wait = std::clamp(1000.0 / speed, FOLLOW_MIN_MS, toNextMinute);
  StartWindowTimer(hwnd, static_cast<int32_t>(std::ceil(wait)));
}

}  // namespace halvane
