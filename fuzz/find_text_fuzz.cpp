// Fuzzes the text typed into Find and the city field: the bytes are the query, completed
// over the sample labels, the constellations and bodies, and a few cities in several
// scripts. Every match must begin with the folded query at one of its words, rank no better
// than the one before it, and appear once; what Find then turns to is a finite place on the
// sky, named as the first match.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/name_search.h"
#include "catalog/sky_names.h"
#include "catalog/sky_target.h"
#include "fuzz/fuzz_chart.h"
#include "fuzz/fuzz_files.h"

namespace halvane {
namespace {

const SkyNames& Sky() {
  static const SkyNames names = [] {
    WriteSampleCatalogs();
    return LoadSkyNames(FuzzFolder() + "Labels.dat", FuzzFolder() + "Names.dat");
  }();
  return names;
}

void CheckTarget(std::string_view query) {
  const Moment moment(CalendarTime{2024, 1, 1, 15, 21, 30, 0, 0}, Observer(-18.3, 49.7), false);
  const std::optional<NamedRef> target = ResolveName(Sky(), query);
  const std::vector<NameMatch> matches = Sky().index.Complete(query, 1);
  if (!target) return;
  FuzzCheck(!matches.empty());
  const NameEntry& entry = Sky().index.Entries()[matches[0].entry];
  FuzzCheck(target->name ==
            (entry.kind == NameKind::Object ? Sky().objects[entry.index].shown : entry.name));
  const std::optional<SkyPoint> place = PlaceOf(Sky(), target->object, moment);
  FuzzCheck(place.has_value() || target->object.source == ObjectSource::UnloadedAsteroid);
  FuzzCheck(!place || (std::isfinite(place->rightAscension) && std::isfinite(place->declination)));
}

const NameIndex& CityIndex() {
  static const NameIndex index({{"São Paulo", NameKind::City, 0, 12000000},
                                {"Москва", NameKind::City, 1, 10000000},
                                {"東京", NameKind::City, 2, 8000000},
                                {"Zürich", NameKind::City, 3, 340000},
                                {"Ar Rām wa Ḑāḩiyat al Barī", NameKind::City, 4, 60000},
                                {"St. John's", NameKind::City, 5, 100000},
                                {"M31 Andromeda Gal.", NameKind::Label, 6, 0}});
  return index;
}

void CheckCompletion(const NameIndex& index, std::string_view query) {
  const std::string wanted = FoldName(query).text;
  const std::vector<NameMatch> matches = index.Complete(query, 12);
  FuzzCheck(matches.size() <= 12);
  FuzzCheck(!wanted.empty() || matches.empty());
  std::set<uint32_t> seen;
  for (size_t i = 0; i < matches.size(); ++i) {
    const NameMatch& match = matches[i];
    FuzzCheck(match.entry < index.Entries().size() && seen.insert(match.entry).second);
    FuzzCheck(i == 0 || matches[i - 1].quality <= match.quality);
    const FoldedName name = FoldName(index.Entries()[match.entry].name);
    bool atWord = false;
    for (const uint16_t start : name.wordStarts) {
      atWord = atWord || std::string_view(name.text).substr(start).starts_with(wanted);
    }
    FuzzCheck(atWord);
    FuzzCheck((match.quality == MatchQuality::Exact) == (name.text == wanted));
  }
}

}  // namespace
}  // namespace halvane

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace halvane;
  const std::string_view query(reinterpret_cast<const char*>(data), size);
  CheckCompletion(Sky().index, query);
  CheckTarget(query);
  CheckCompletion(CityIndex(), query);
  return 0;
}
