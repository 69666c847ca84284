// The chart's set-up and the identification of tapped objects.
#include "chart/chart.h"

#include <algorithm>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "catalog/catalog_layers.h"
#include "catalog/deep_sky_layer.h"
#include "catalog/milky_way_layer.h"
#include "catalog/minor_body_layer.h"

namespace halvane {

Chart::Chart(const Rect& viewRect, std::unique_ptr<Bitmap> starSprites)
    : projection(viewRect), progress(viewRect), starSprites(std::move(starSprites)) {}

void Chart::PrepareInBackground() {
  FinishPreparing();
  try {
    // A copy of the layer set: the window may change its own while the thread reads.
    preparing = std::async(std::launch::async, [this, prepared = layers] {
      PrepareMilkyWay(prepared, catalogs);
      PrepareConstellationLines(prepared, catalogs);
      PrepareConstellationBoundaries(prepared, catalogs);
      PrepareDeepSky(prepared, catalogs);
      PrepareStars(prepared, catalogs);
      if (prepared.showStarNames || prepared.showConstellationNames) skyLabelNames.Load(prepared);
    });
  } catch (const std::system_error&) {
    // No thread to be had: the first frame reads the files itself.
  }
}

void Chart::FinishPreparing() const {
  if (preparing.valid()) preparing.wait();
}

void Chart::SetViewRect(const Rect& rect) {
  progress.SetViewRect(rect);
  projection.SetViewRect(rect);
}

void Chart::IdentifyObject(PickedLabel& label, int32_t x, int32_t y, const Moment& moment) const {
  FinishPreparing();
  std::vector<TapTarget> targets;
  for (int index = 0; layers.showSolarSystem && index < BODY_COUNT; ++index) {
    const BodyPlace& place = moment.GetBodies()[index];
    if (!place.available) continue;
    targets.push_back({place.rightAscension,
                       place.declination,
                       BodyName(static_cast<Body>(index)),
                       {ObjectSource::Body, static_cast<uint32_t>(index)},
                       place.magnitude});
  }
  if (layers.showMinorBodies) {
    const MinorBodyList& bodies = *moment.GetMinorBodyList();
    const double limit = MinorBodyLimit(projection, layers, 99.0);
    for (size_t i = 0; i < bodies.size(); ++i) {
      const MinorBodyPlace& place = moment.GetMinorBodies()[i];
      if (!place.available || place.magnitude > limit) continue;
      targets.push_back({place.rightAscension,
                         place.declination,
                         bodies[i].name.c_str(),
                         {ObjectSource::MinorBody, static_cast<uint32_t>(i)},
                         place.magnitude});
    }
  }
  // The record's field may lack its terminator.
  std::vector<std::string> deepSkyNames;
  deepSkyNames.reserve(memory.deepSkyShown.size());
  for (const auto& [object, number] : memory.deepSkyShown) {
    deepSkyNames.emplace_back(FieldText(object.name));
    targets.push_back({object.rightAscension,
                       object.declination,
                       deepSkyNames.back().c_str(),
                       {ObjectSource::DeepSky, number},
                       object.magnitude / 100.0});
  }
  // The satellites the last frame placed, where the chart drew them.
  std::vector<std::string> satelliteNames;
  if (layers.showSatellites && satellites) {
    satelliteNames.reserve(memory.satellitePlaces.size());
    for (const SatellitePlace& place : memory.satellitePlaces) {
      satelliteNames.push_back(satellites->All()[static_cast<size_t>(place.index)].ShownName());
      double azimuth = 0.0;
      double altitude = 0.0;
      AnglesOf(place.horizontal, azimuth, altitude);
      double rightAscension = 0.0;
      double declination = 0.0;
      projection.HorizontalToSky(moment.GetSky(), azimuth, altitude, rightAscension, declination);
      targets.push_back({rightAscension,
                         declination,
                         satelliteNames.back().c_str(),
                         {ObjectSource::Satellite, static_cast<uint32_t>(place.index)},
                         99.0});
    }
  }
  skyLabelNames.Load(layers);
  halvane::IdentifyObject(projection, layers, label, x, y, moment.GetSky(), targets,
                          &skyLabelNames);
}

PickedLabel Chart::InLanguage(PickedLabel label) const {
  const std::u16string name = localNames.Name(std::u16string_view(label.name));
  const size_t units = std::min(name.size(), static_cast<size_t>(LABEL_NAME_UNITS - 1));
  std::copy_n(name.begin(), units, label.name);
  label.name[units] = u'\0';
  return label;
}

}  // namespace halvane
