// Setting up and drawing halvane-render's chart.
#include "tools/render_chart.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>

#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/geomagnetic_field.h"
#include "astro/moment.h"
#include "astro/observer.h"
#include "catalog/city_catalog.h"
#include "catalog/local_sky_names.h"
#include "catalog/minor_body_files.h"
#include "catalog/sky_target.h"
#include "catalog/star_list.h"
#include "chart/caption_overlay.h"
#include "chart/chart.h"
#include "chart/label_overlay.h"
#include "chart/object_info.h"
#include "chart/satellite_info.h"
#include "chart/tonight.h"
#include "platform/app_paths.h"
#include "platform/bitmaps.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/position_source.h"
#include "platform/printable_text.h"
#include "platform/sky_pointer.h"
#include "platform/translate.h"
#include "platform/zone_time.h"
#include "shell/config_file.h"
#include "shell/place_zone.h"
#include "shell/position_place.h"
#include "view/layer_set.h"
#include "view/view_directions.h"

namespace halvane {

namespace {

// Zoom stops at its limits after at most six steps and rotation repeats after 24, so a
// huge count needs no more steps than these.
constexpr int32_t MAX_ZOOM_STEPS = 8;
constexpr int32_t ROTATION_STEPS_PER_TURN = 24;

// The names --goto and --info take: Find's, with the language's beside the international ones.
SkyNames LoadFindNames(const std::string& folder, const std::string& language,
                       const Moment& moment) {
  SkyNames names = LoadSkyNames(folder + "Labels.dat", folder + "Names.dat", folder + "DeepSky.dat",
                                moment.GetMinorBodyList().get());
  LocalSkyNames local;
  local.Load(folder + "SkyNames.dat", language);
  AddLocalNames(names, local);
  return names;
}

void ApplyZoom(Projection& view, int32_t steps) {
  const int32_t count = std::clamp(steps, -MAX_ZOOM_STEPS, MAX_ZOOM_STEPS);
  for (int32_t i = 0; i < std::abs(count); ++i) {
    if (count > 0) {
      view.ZoomIn();
    } else {
      view.ZoomOut();
    }
  }
}

void ApplyRotation(Projection& view, int32_t steps) {
  const int32_t count = steps % ROTATION_STEPS_PER_TURN;
  for (int32_t i = 0; i < std::abs(count); ++i) {
    if (count > 0) {
      view.RotateClockwise();
    } else {
      view.RotateCounterClockwise();
    }
  }
}

void ApplyPan(Projection& view, const std::string& keys) {
  for (const char key : keys) {
    switch (key) {
      case 'l': view.PanLeft(); break;
      case 'r': view.PanRight(); break;
      case 'u': view.PanUp(); break;
      case 'd': view.PanDown(); break;
      default: break;  // the options allow no other letter
    }
  }
}

// One line per available body: where the chart puts it and how it looks.
std::string FormatBodies(const Moment& moment) {
  constexpr double RAD_TO_ARCSEC = RAD_TO_DEG * 3600.0;
  const SolarSystemPlaces& places = moment.GetBodies();
  const SkyPlaces& sky = moment.GetSky();
  std::string lines;
  for (int index = 0; index < BODY_COUNT; ++index) {
    const BodyPlace& place = places[index];
    if (!place.available) continue;
    double azimuth = 0.0;
    double altitude = 0.0;
    sky.ToHorizontal(place.rightAscension, place.declination, azimuth, altitude);
    char line[160];
    std::snprintf(line, sizeof line, "%s %.6f %.5f %.4f %.4f %.2f %.1f %.3f\n",
                  BodyName(static_cast<Body>(index)), place.rightAscension * RAD_TO_HOURS,
                  place.declination * RAD_TO_DEG, altitude * RAD_TO_DEG,
                  NormalizeAngle(azimuth, TWO_PI) * RAD_TO_DEG, place.magnitude,
                  place.diameter * RAD_TO_ARCSEC, place.illuminatedFraction);
    lines += line;
  }
  return lines;
}

std::string KeyValueLines(const std::vector<std::pair<std::string, std::string>>& fields) {
  std::string lines;
  for (const auto& [key, value] : fields) lines += key + ": " + value + "\n";
  return lines;
}

// Aims the view where the device's sensors point (the declination at the place and date
// applied) and writes the aim line; false with the reason when there are no usable sensors.
bool AimFromSensors(Projection& view, const Moment& moment, std::string& aimLine,
                    std::string& error) {
  SkyPointer pointer(IioDevicesFolder());
  if (!pointer.IsUsable()) {
    error = "--sensors: " + pointer.GetProblem();
    return false;
  }
  if (!pointer.Update(0.0)) {
    error = Words::Tr("--sensors: the motion sensors cannot be read");
    return false;
  }
  const CompassCorrection correction{moment.GetObserver().GetLatitude(),
                                     moment.GetObserver().GetLongitude(),
                                     DecimalYear(moment.GetJulianDayUt()), 0.0};
  const DeviceAim aim = pointer.GetAim(correction);
  view.SetViewDirection(aim.azimuth, aim.altitude);
  // The picture turns against the device, so that the sky keeps its place.
  view.SetRotation(-aim.roll);
  // Degrees to two places, never "-0.00".
  auto degrees = [](double radians) {
    const double d = radians * RAD_TO_DEG;
    return std::fabs(d) < 0.005 ? 0.0 : d;
  };
  char line[96];
  std::snprintf(line, sizeof line, "aim azimuth %.2f altitude %.2f roll %.2f\n",
                degrees(aim.azimuth), degrees(aim.altitude), degrees(aim.roll));
  aimLine = line;
  return true;
}

// A name that is known but has no place at the chart's time (a body beyond its series, a day
// outside the calendar's years): said apart from an unknown name.
std::string NoPlaceThen(const char* option, const std::string& name) {
  //: %1 is an option, %2 the name given
  return FillArgs(Words::Tr("%1: no place at that time for '%2'"),
                  {option, PrintableText(name, ECHOED_VALUE_BYTES)});
}

}  // namespace

bool RenderChart(const RenderOptions& options, const CalendarTime& now, Surface& surface,
                 std::string& bodies, std::string& error) {
  const AppFiles files = options.dataDirectory.empty() ? LocateAppFiles(ExecutableDirectory())
                                                       : AppFilesIn(options.dataDirectory);
  const std::string& folder = files.catalogFolder;
  ConfigRecord config;
  LoadConfig(files.configLoadPath, config);
  ConfigExtension extension;
  LoadConfigExtension(files.configLoadPath, extension);
  const uint16_t configViewLayerFlags = extension.viewLayerFlags;

  Observer observer;
  observer.SetLocation(options.longitude.value_or(config.longitude),
                       options.latitude.value_or(config.latitude));
  std::string cityZone;
  if (!options.cityName.empty()) {
    CityCatalog cities;
    const WalkResult read = LoadCityCatalog(folder + "Cities.dat", cities);
    if (read != WalkResult::Completed || cities.cities.empty()) {
      const std::string file = PrintableText(folder, ECHOED_VALUE_BYTES) + "Cities.dat";
      //: %1 is the city catalog file
      error = FillArgs(read == WalkResult::CannotOpen ? Words::Tr("--city: %1 cannot be read")
                       : read == WalkResult::TooLarge ? Words::Tr("--city: %1 is too large")
                       : read == WalkResult::HeaderRejected
                           ? Words::Tr("--city: %1 is not a city file of a known version")
                           : Words::Tr("--city: %1 holds no city"),
                       {file});
      return false;
    }
    const CityRecord* city = FindCity(cities, options.cityName);
    if (city == nullptr) {
      //: %1 is the city catalog's folder, %2 the name given
      error = FillArgs(Words::Tr("--city: no city of that name in %1Cities.dat, got '%2'"),
                       {PrintableText(folder, ECHOED_VALUE_BYTES),
                        PrintableText(options.cityName, ECHOED_VALUE_BYTES)});
      return false;
    }
    observer.SetLocation(WestLongitude(city->longitudeSeconds / double{SECONDS_PER_DEGREE}),
                         city->latitudeSeconds / double{SECONDS_PER_DEGREE});
    if (IsKnownZone(city->zone)) cityZone = city->zone;
  }
  if (options.here) {
    const std::string& source =
        options.positionSource.empty() ? extension.positionSource : options.positionSource;
    const PositionReading reading = ReadPosition(source, POSITION_TIMEOUT_MS);
    if (!reading.found) {
      error = "--here: " + reading.reason;
      return false;
    }
    double longitude = 0.0;
    double latitude = 0.0;
    PlaceOfPosition(reading, extension.exactPosition, longitude, latitude);
    observer.SetLocation(longitude, latitude);
  }
  const CalendarTime time = options.time.value_or(now);
  const uint16_t layerFlags = options.layerFlags.value_or(config.layerFlags);
  const bool precise = options.precise || (layerFlags & LAYER_PRECISE_POSITIONS) != 0;
  MinorBodyLoad minorBodies = LoadMinorBodyFiles(options.minorBodyFiles);
  for (const std::string& message : minorBodies.messages) {
    std::fprintf(stderr, "--minor-bodies: %s\n", PrintableText(message, 200).c_str());
  }
  const Moment moment(time, observer, precise, minorBodies.bodies);
  const SkyPlaces& sky = moment.GetSky();

  const Rect chart{0, 0, options.width, options.height};
  Chart view(chart, LoadBitmap(BitmapId::StarSprites));
  if (!options.goToName.empty()) {
    const SkyNames names = LoadFindNames(folder, options.language, moment);
    const std::optional<NamedRef> target = ResolveName(names, options.goToName);
    if (target && target->object.source == ObjectSource::UnloadedAsteroid) {
      error = FillArgs(
          Words::Tr("--goto: no comet or asteroid elements loaded (--minor-bodies FILE), got '%1'"),
          {PrintableText(options.goToName, ECHOED_VALUE_BYTES)});
      return false;
    }
    if (!target) {
      error = FillArgs(
          Words::Tr("--goto: no star, object, constellation or planet of that name, got '%1'"),
          {PrintableText(options.goToName, ECHOED_VALUE_BYTES)});
      return false;
    }
    const std::optional<SkyPoint> place = PlaceOf(names, target->object, moment);
    if (!place) {
      error = NoPlaceThen("--goto", options.goToName);
      return false;
    }
    view.GetProjection().AimAt(sky, place->rightAscension, place->declination);
  } else {
    const ViewDirection& aim = options.view != nullptr ? *options.view : VIEW_ZENITH;
    view.GetProjection().SetViewDirection(aim.azimuth, aim.altitude);
  }

  std::string aimLine;
  if (options.sensors && !AimFromSensors(view.GetProjection(), moment, aimLine, error)) {
    return false;
  }

  view.GetLayers().UseDataFolder(folder);
  view.GetLayers().ApplyLayerFlags(layerFlags);
  view.GetLayers().precisePositions = precise;
  if (options.language != "en") view.GetLayers().language = options.language;
  view.GetLayers().ApplyViewLayerFlags(options.viewLayerFlags.value_or(configViewLayerFlags));

  ApplyZoom(view.GetProjection(), options.zoomSteps);
  ApplyRotation(view.GetProjection(), options.rotateSteps);
  ApplyPan(view.GetProjection(), options.pan);

  std::shared_ptr<SatelliteSet> satellites;
  if (!options.satellitesPath.empty()) {
    satellites = std::make_shared<SatelliteSet>();
    satellites->Load({options.satellitesPath});
    if (satellites->Empty()) {
      error = "--satellites: " + PrintableText(satellites->Messages().empty()
                                                   ? Words::Tr("no element set")
                                                   : satellites->Messages().back(),
                                               ECHOED_VALUE_BYTES);
      return false;
    }
    for (const std::string& message : satellites->Messages()) {
      std::fprintf(stderr, "%s\n", PrintableText(message, ECHOED_VALUE_BYTES).c_str());
    }
    view.SetSatellites(satellites);
  }
  const GroundSite site{observer.GetLongitude(), observer.GetLatitude(), 0.0};
  const auto findSatellite = [&](const std::string& name) -> const Satellite* {
    const int32_t index = satellites ? satellites->Find(name) : -1;
    return index < 0 ? nullptr : &satellites->All()[static_cast<size_t>(index)];
  };
  if (!options.passesName.empty() && findSatellite(options.passesName) == nullptr) {
    error = FillArgs(satellites ? Words::Tr("--passes: no satellite of that name, got '%1'")
                                : Words::Tr("--passes: no satellite of that name (no --satellites "
                                            "file), got '%1'"),
                     {PrintableText(options.passesName, ECHOED_VALUE_BYTES)});
    return false;
  }
  const Satellite* infoSatellite = findSatellite(options.infoName);
  if (infoSatellite != nullptr) view.SetPinnedSatellite(satellites->Find(options.infoName));

  DiscardSurface progress;
  view.DrawFrame(surface, progress, moment);

  PickedLabel label;
  if (options.tap) view.IdentifyObject(label, options.tap->x, options.tap->y, moment);
  DrawLabelOverlay(surface, view.InLanguage(label), chart, view.GetFrameNames());
  // Local times are the place's, as the app finds its zone; the cities are read only for them.
  std::string zone = cityZone;
  if (options.cityName.empty() && (options.caption || !options.infoName.empty() ||
                                   options.tonight || !options.passesName.empty())) {
    CityCatalog cities;
    LoadCityCatalog(folder + "Cities.dat", cities);
    zone = PlaceZone(cities.cities, observer.GetLongitude(), observer.GetLatitude());
  }
  if (options.caption) {
    // The app's caption shows a time other than the clock's; here, a time given.
    std::optional<CalendarTime> shown;
    CalendarTime local = time;
    if (options.time && UniversalToZone(zone, local)) shown = local;
    const std::string zoneName = zone.empty() ? std::string() : ZoneAbbreviation(zone, time);
    DrawCaptionOverlay(surface, CaptionText(shown, true, 0, zoneName), chart);
  }
  if (options.bodies) bodies = FormatBodies(moment);
  if (infoSatellite != nullptr) {
    bodies += KeyValueLines(
        SatelliteInfoFields(DescribeSatellite(*infoSatellite, moment.GetJulianDayUt(), site)));
  } else if (!options.infoName.empty()) {
    const SkyNames names = LoadFindNames(folder, options.language, moment);
    const std::optional<NamedRef> object = ResolveName(names, options.infoName);
    if (!object) {
      error = FillArgs(
          Words::Tr("--info: no star, object, constellation or planet of that name, got '%1'"),
          {PrintableText(options.infoName, ECHOED_VALUE_BYTES)});
      return false;
    }
    const std::optional<ObjectInfo> info = DescribeObject(
        names, LoadStarList(folder + "Stars.dat"), object->object, moment, OffsetsOfZone(zone));
    if (!info) {
      error = NoPlaceThen("--info", options.infoName);
      return false;
    }
    // With a language, the panel's lines in it; without, the fields scripts read.
    if (options.language.empty()) {
      bodies += KeyValueLines(InfoFields(*info));
    } else {
      ObjectInfo local = *info;
      local.name = view.GetLocalNames().ShownName(object->object, info->name);
      local.constellation = view.GetLocalNames().Name(info->constellation);
      bodies += local.name + "\n";
      for (const std::string& line : InfoPanelLines(local)) bodies += line + "\n";
    }
  }
  if (options.tonight && options.language.empty()) {
    bodies += KeyValueLines(TonightFields(ComputeTonight(moment, OffsetsOfZone(zone))));
  } else if (options.tonight) {
    for (const TonightEntry& entry :
         TonightEntries(ComputeTonight(moment, OffsetsOfZone(zone)), options.cityName)) {
      bodies += entry.text + "\n";
    }
  }
  if (const Satellite* satellite = findSatellite(options.passesName)) {
    const double start = moment.GetJulianDayUt();
    const double end = options.passDays ? start + *options.passDays
                                        : ComputeTonight(moment, OffsetsOfZone(zone)).end;
    for (const SatellitePass& pass : FindPasses(satellite->model, start, end, site)) {
      bodies += PassLine(pass) + "\n";
    }
  }
  bodies += aimLine;
  return true;
}

}  // namespace halvane
