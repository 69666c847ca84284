// What observers use at the telescope: Find, night vision, stepping the time, the star limit
// and the caption that tells the chart's time and limit.
#include <algorithm>

#include "catalog/sky_target.h"
#include "chart/caption_overlay.h"
#include "platform/clock.h"
#include "platform/find_field.h"
#include "platform/night_vision.h"
#include "platform/time_step.h"
#include "platform/translate.h"
#include "platform/utf8_text.h"
#include "platform/zone_time.h"
#include "shell/main_window.h"

namespace halvane {

const CityCatalog& MainWindow::GetCities() {
  if (cities == nullptr) {
    cities = std::make_unique<CityCatalog>();
    LoadCityCatalog(catalogFolder + "Cities.dat", *cities);
  }
  return *cities;
}

std::vector<std::u16string> MainWindow::CompleteFind(std::u16string_view text) {
  return findPanel.Complete(GetSkyNames(), chart->GetSatellites().get(), text);
}

std::u16string MainWindow::SuggestFind(std::u16string_view text) {
  return findPanel.Suggest(GetSkyNames(), text);
}

bool MainWindow::AcceptFind(std::u16string_view text) {
  SetTimeFromClock();
  UpdateMoment();
  const std::optional<NamedRef> found =
      findPanel.Resolve(GetSkyNames(), chart->GetSatellites().get(), text);
  if (!found || !TurnToObject(*found)) return false;
  // A new find replaces whatever the panel showed, above the horizon or below; a name with no
  // place (a bright asteroid's before any elements) only opens its panel.
  ShowObjectInfo(*found);
  return true;
}

void MainWindow::Find() {
  if (FocusMenuBarFindField(menuBar)) return;
  ShowFindField(
      hwnd, [this](std::u16string_view text) { return CompleteFind(text); },
      [this](std::u16string_view text) { return AcceptFind(text); },
      [this](std::u16string_view text) { return SuggestFind(text); });
}

bool MainWindow::TurnToObject(const NamedRef& object) {
  SetTimeFromClock();
  UpdateMoment();
  if (object.object.source == ObjectSource::Satellite) return TurnToSatellite(object.object.index);
  // No place until elements are loaded: the panel says how to get them.
  if (object.object.source == ObjectSource::UnloadedAsteroid) {
    findPanel.SetFoundName({});
    return true;
  }
  const std::optional<SkyPoint> place = PlaceOf(GetSkyNames(), object.object, moment);
  if (!place) return false;
  // Below the horizon too: the view turns there and the ground shows; the panel says when it
  // rises.
  chart->GetProjection().AimAt(moment.GetSky(), place->rightAscension, place->declination);
  findPanel.SetFoundName(Utf8ToUtf16(object.name));
  UpdateMomentAndRender();
  return true;
}

void MainWindow::StepTime(int32_t hours, int32_t days) {
  SetTimeFromClock();
  CalendarTime time = config.observationTime;
  const bool stepped =
      days != 0 ? StepZoneDays(GetPlaceZone(), time, days) : StepHours(time, hours);
  if (!stepped) return;  // the edge of the calendar the clock handles
  config.useSystemTime = 0;
  config.observationTime = time;
  UpdateMomentAndRender();
  RefreshInfoPanel();
}

void MainWindow::ReturnToClock() {
  config.useSystemTime = 1;
  SetTimeFromClock();
  UpdateMomentAndRender();
  RefreshInfoPanel();
}

void MainWindow::ToggleNightVision() {
  extension.nightVision = !extension.nightVision;
  SetNightVision(hwnd, extension.nightVision);
  CheckMenuItem(menu, COMMAND_NIGHT_VISION, extension.nightVision);
  UpdateMomentAndRender();
}

void MainWindow::ChangeStarLimit(int32_t steps) {
  const int32_t offset =
      std::clamp(extension.starLimitOffset + steps, -STAR_LIMIT_OFFSET_MAX, STAR_LIMIT_OFFSET_MAX);
  if (offset == extension.starLimitOffset) return;
  extension.starLimitOffset = offset;
  chart->GetLayers().starLimitOffset = offset;
  UpdateMomentAndRender();
}

std::u16string MainWindow::CaptionText() {
  std::optional<CalendarTime> shown;
  std::string zoneName;
  const std::string& zone = GetPlaceZone();
  CalendarTime local = config.observationTime;
  if (UniversalToZone(zone, local)) shown = local;
  // The device's own zone stays unnamed, as before places had zones.
  if (shown && !zone.empty()) zoneName = ZoneAbbreviation(zone, config.observationTime);
  CalendarTime today = clock->UniversalNow();
  // A time of the user's own is always dated; the clock's only when the day is not today.
  const bool withDate = config.useSystemTime == 0 || !UniversalToZone(zone, today) || !shown ||
                        today.year != local.year || today.month != local.month ||
                        today.day != local.day;
  const std::u16string caption =
      halvane::CaptionText(shown, withDate, extension.starLimitOffset, zoneName);
  return JoinPhrases(
      {locationMessage.empty() ? placeNote : locationMessage, elementMessage, caption});
}

}  // namespace halvane
