#include "shell/find_panel.h"

#include "catalog/local_sky_names.h"
#include "platform/utf8_text.h"

namespace halvane {

namespace {

constexpr size_t FIND_COMPLETIONS = 12;
constexpr size_t FIND_SUGGESTIONS = 3;

}  // namespace

const SkyNames& FindPanel::GetSkyNames(const LayerSet& layers, const Moment& moment) {
  if (skyNames == nullptr) {
    skyNames = std::make_unique<SkyNames>(LoadSkyNames(
        layers.labelsPath, layers.namesPath, layers.deepSkyPath, moment.GetMinorBodyList().get()));
    LocalSkyNames local;
    local.Load(layers.skyNamesPath, layers.language);
    AddLocalNames(*skyNames, local);
  }
  return *skyNames;
}

const std::vector<StarRecord>& FindPanel::GetStarList(const LayerSet& layers) {
  if (starList == nullptr) {
    starList = std::make_unique<std::vector<StarRecord>>(LoadStarList(layers.starsPath));
  }
  return *starList;
}

std::vector<std::u16string> FindPanel::Complete(const SkyNames& names,
                                                const SatelliteSet* satellites,
                                                std::u16string_view text) const {
  const NameIndex& index = names.index;
  const std::string query = Utf16ToUtf8(text);
  std::vector<NameMatch> matches = index.Complete(query, FIND_COMPLETIONS);
  if (matches.empty()) matches = index.Suggest(query, FIND_SUGGESTIONS);
  std::vector<std::u16string> found;
  found.reserve(matches.size() + 1);
  for (const NameMatch& match : matches) {
    found.push_back(Utf8ToUtf16(index.Entries()[match.entry].name));
  }
  if (const int32_t at = satellites ? satellites->Find(query) : -1; at >= 0) {
    found.insert(found.begin(),
                 Utf8ToUtf16(satellites->All()[static_cast<size_t>(at)].ShownName()));
  }
  return found;
}

std::u16string FindPanel::Suggest(const SkyNames& names, std::u16string_view text) const {
  const NameIndex& index = names.index;
  const std::vector<NameMatch> matches = index.Suggest(Utf16ToUtf8(text), 1);
  return matches.empty() ? std::u16string()
                         : Utf8ToUtf16(index.Entries()[matches.front().entry].name);
}

std::optional<NamedRef> FindPanel::Resolve(const SkyNames& names, const SatelliteSet* satellites,
                                           std::u16string_view text) const {
  return ResolveName(names, Utf16ToUtf8(text), satellites);
}

void FindPanel::FindPanelObjectAgain(const SkyNames& names, const SatelliteSet* satellites) {
  if (!panelObject) return;
  const ObjectSource source = panelObject->object.source;
  if (source != ObjectSource::MinorBody && source != ObjectSource::UnloadedAsteroid &&
      source != ObjectSource::Satellite) {
    return;
  }
  panelObject = ResolveName(names, panelObject->name, satellites);
  markedObject.reset();
}

const std::optional<SkyPoint>& FindPanel::MarkedPlace(const SkyNames& names, const Moment& moment) {
  if (!panelObject) {
    markedObject.reset();
    markedPlace.reset();
  } else if (panelObject->object != markedObject || moment.GetJulianDayUt() != markedJulianDay) {
    markedObject = panelObject->object;
    markedJulianDay = moment.GetJulianDayUt();
    markedPlace = PlaceOf(names, panelObject->object, moment);
  }
  return markedPlace;
}

}  // namespace halvane
