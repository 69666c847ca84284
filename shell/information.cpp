// Tap to learn: the information panel of the last named object and the Tonight list.
#include <memory>

#include "catalog/deep_sky_list.h"
#include "catalog/star_list.h"
#include "chart/object_info.h"
#include "chart/satellite_info.h"
#include "chart/tonight.h"
#include "platform/info_panel.h"
#include "platform/tonight_list.h"
#include "platform/translate.h"
#include "platform/utf8_text.h"
#include "platform/zone_time.h"
#include "shell/main_window.h"
#include "shell/place_name.h"

namespace halvane {

namespace {

// Room kept between a tapped object and the panel's edge, in logical pixels.
constexpr int32_t CLEARANCE = 24;
// Hundredths: Tonight's deep sky is chosen among objects this bright or brighter.
constexpr int16_t TONIGHT_FAINTEST = 800;

std::vector<std::u16string> ToUtf16(const std::vector<std::string>& lines) {
  std::vector<std::u16string> texts;
  texts.reserve(lines.size());
  for (const std::string& line : lines) texts.push_back(Utf8ToUtf16(line));
  return texts;
}

bool Contains(const Rect& r, int32_t x, int32_t y) {
  return r.left <= x && x < r.right && r.top <= y && y < r.bottom;
}

}  // namespace

bool MainWindow::ShowObjectInfo(const NamedRef& named) {
  SetTimeFromClock();
  UpdateMoment();
  if (named.object.source == ObjectSource::Satellite) return ShowSatelliteInfo(named.object.index);
  // The reticle then marks the object the panel describes.
  const NamedRef object{CanonicalObject(GetSkyNames(), named.object), named.name};
  const std::optional<ObjectInfo> info = DescribeObject(GetSkyNames(), GetStarList(), object.object,
                                                        moment, OffsetsOfZone(GetPlaceZone()));
  if (!info) return false;
  findPanel.SetPanelObject(object);
  ObjectInfo local = *info;
  local.name = chart->GetLocalNames().Name(info->name);
  local.constellation = chart->GetLocalNames().Name(info->constellation);
  ShowInfoPanel(hwnd, Utf8ToUtf16(local.name), ToUtf16(InfoPanelLines(local)));
  return true;
}

void MainWindow::AfterTap(bool named) {
  if (!named) {
    CloseInfoPanel(hwnd);
    return;
  }
  if (!ShowObjectInfo({label.object, Utf16ToUtf8(label.name)})) return;
  // Keep the tapped object in sight: move the sky out from under the panel.
  const Rect covered = InfoPanelRect(hwnd);
  if (!Contains(covered, label.x, label.y)) return;
  const Rect client = ClientRect(hwnd);
  const bool sheet = covered.right - covered.left >= client.right - client.left;
  const int32_t dx = sheet ? 0 : covered.left - CLEARANCE - label.x;
  const int32_t dy = sheet ? covered.top - CLEARANCE - label.y : 0;
  chart->GetProjection().DragView(dx, dy);
  label.x += dx;
  label.y += dy;
  labelAfterFrame = label;
  UpdateMomentAndRender();
}

void MainWindow::OpenInfoPanel() {
  if (findPanel.GetPanelObject()) ShowObjectInfo(*findPanel.GetPanelObject());
}

void MainWindow::CloseInfo() { CloseInfoPanel(hwnd); }

void MainWindow::RefreshInfoPanel() {
  if (IsInfoPanelShown(hwnd) && findPanel.GetPanelObject()) {
    ShowObjectInfo(*findPanel.GetPanelObject());
  }
}

void MainWindow::ShowTonight() {
  SetTimeFromClock();
  UpdateMoment();
  const std::string place = extension.cityName.empty()
                                ? PlaceText(observer->GetLongitude(), observer->GetLatitude())
                                : extension.cityName;
  Tonight tonight =
      ComputeTonight(moment, OffsetsOfZone(GetPlaceZone()),
                     LoadBrightDeepSky(chart->GetLayers().deepSkyPath, TONIGHT_FAINTEST));
  for (TonightObject& object : tonight.deepSky) {
    object.name = chart->GetLocalNames().Name(object.name);
  }
  const std::vector<TonightEntry> entries = TonightEntries(tonight, place);
  const std::vector<std::pair<std::string, SatellitePass>> passes = NightPasses();
  std::vector<std::u16string> lines;
  lines.reserve(entries.size() + passes.size());
  for (const TonightEntry& entry : entries) lines.push_back(Utf8ToUtf16(entry.text));
  for (const auto& [name, pass] : passes) {
    //: %1 is a satellite, %2 its pass
    lines.push_back(Utf8ToUtf16(
        FillArgs(Words::Tr("%1: %2"), {name, PassText(pass, OffsetsOfZone(GetPlaceZone()))})));
  }
  ShowTonightList(hwnd, Words::Tr16("Tonight"), lines, [this, entries, passes](int chosen) {
    const int passIndex = chosen - static_cast<int>(entries.size());
    if (passIndex >= 0 && passIndex < static_cast<int>(passes.size())) {
      return TurnToPass(passes[static_cast<size_t>(passIndex)].first,
                        passes[static_cast<size_t>(passIndex)].second);
    }
    if (chosen < 0 || chosen >= static_cast<int>(entries.size())) return;
    const std::optional<ObjectRef>& target = entries[static_cast<size_t>(chosen)].target;
    if (!target) return;
    const NamedRef object{CanonicalObject(GetSkyNames(), *target),
                          NameOf(GetSkyNames(), *target, moment)};
    if (TurnToObject(object)) ShowObjectInfo(object);
  });
}

}  // namespace halvane
