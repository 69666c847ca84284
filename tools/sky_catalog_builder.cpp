// The catalog builder of the fainter sky: faint stars, deep-sky objects, the Milky Way and
// every name of the sources.
#include "tools/sky_catalog_builder.h"

#include <QFile>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <tuple>

#include "astro/angles.h"
#include "catalog/catalog_records.h"
#include "catalog/greek_letters.h"
#include "catalog/name_search.h"
#include "catalog/sky_records.h"
#include "tools/catalog_builder.h"
#include "tools/catalog_json.h"
#include "tools/catalog_writer.h"
#include "tools/local_name_builder.h"
#include "view/go_to_table.h"

namespace halvane {

namespace {

// Larger ranks come first among names that match a query equally well.
constexpr uint8_t RANK_NAME = 6;           // proper names, Messier numbers, asterisms
constexpr uint8_t RANK_CONSTELLATION = 5;  // genitives and abbreviations
constexpr uint8_t RANK_COMMON = 5;         // other common names of deep-sky objects
constexpr uint8_t RANK_BAYER = 4;
constexpr uint8_t RANK_FLAMSTEED = 3;  // and NGC and IC numbers
constexpr uint8_t RANK_CATALOG = 2;    // variable-star names, the other deep-sky catalogs
constexpr uint8_t RANK_NUMBER = 1;     // HIP, HD, GJ

constexpr double MAX_HUNDREDTHS = 30000.0;
constexpr double MAX_AXIS_TENTHS = 65535.0;

struct Sources {
  QJsonDocument brightStars;
  QJsonDocument stars;
  QJsonDocument deepSky;
  QJsonDocument deepSkyNames;
  QJsonDocument messier;
  QJsonDocument milkyWay;
  QJsonDocument starNames;
  QJsonDocument constellations;
  QJsonDocument asterisms;
};

bool LoadSources(const std::string& dir, Sources& sources, std::string& error) {
  const std::array<std::pair<const char*, QJsonDocument*>, 9> files = {{
      {"stars.8.json", &sources.brightStars},
      {"stars.14.json", &sources.stars},
      {"dsos.14.json", &sources.deepSky},
      {"dsonames.json", &sources.deepSkyNames},
      {"messier.json", &sources.messier},
      {"mw.json", &sources.milkyWay},
      {"starnames.json", &sources.starNames},
      {"constellations.json", &sources.constellations},
      {"asterisms.json", &sources.asterisms},
  }};
  for (const auto& [name, document] : files) {
    std::optional<QJsonDocument> loaded = LoadJsonFile(dir + "/" + name, error);
    if (!loaded) return false;
    *document = *loaded;
  }
  return true;
}

QJsonObject PropertiesOf(const QJsonObject& feature) {
  return feature.value(QStringLiteral("properties")).toObject();
}

std::string Text(const QJsonObject& object, const char* key) {
  QString text = object.value(QLatin1String(key)).toString();
  // The sources set numbers apart with thin spaces: "HIP 27989".
  text.replace(QChar(0x2009), QChar(' '));
  return text.simplified().toStdString();
}

std::optional<std::pair<double, double>> Place(const QJsonValue& coordinates) {
  const auto point = PointOf(coordinates);
  if (!point || point->second < -90.0 || point->second > 90.0) return std::nullopt;
  return std::pair{RightAscensionFromLongitude(point->first), point->second * DEG_TO_RAD};
}

std::optional<std::pair<double, double>> PlaceOf(const QJsonObject& feature) {
  return Place(
      feature.value(QStringLiteral("geometry")).toObject().value(QStringLiteral("coordinates")));
}

// "M 31", "M31" and "m31" are one designation.
std::string DesignationKey(std::string_view designation) { return FoldName(designation).text; }

template <size_t N>
void StoreText(std::string_view text, char (&field)[N]) {
  std::memset(field, 0, N);
  std::memcpy(field, text.data(), std::min(text.size(), N - 1));
}

// Text cut to at most maxBytes bytes at a character boundary.
std::string CutUtf8(std::string text, size_t maxBytes) {
  if (text.size() <= maxBytes) return text;
  size_t end = maxBytes;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  text.resize(end);
  return text;
}

int16_t MagnitudeOf(const QJsonValue& value) {
  const auto magnitude = NumberOf(value);
  if (!magnitude || std::fabs(*magnitude * 100.0) > MAX_HUNDREDTHS) return NO_MAGNITUDE;
  return static_cast<int16_t>(std::lround(*magnitude * 100.0));
}

// "189.1x61.7" or "55" minutes of arc to tenths; zeros when not given.
std::pair<uint16_t, uint16_t> AxesOf(const QJsonValue& value) {
  const QStringList parts = value.toVariant().toString().split(QLatin1Char('x'));
  std::array<uint16_t, 2> axes = {0, 0};
  for (qsizetype i = 0; i < std::min<qsizetype>(2, parts.size()); ++i) {
    bool ok = false;
    const double minutes = parts[i].trimmed().toDouble(&ok);
    if (ok && std::isfinite(minutes) && minutes > 0.0) {
      axes[static_cast<size_t>(i)] =
          static_cast<uint16_t>(std::lround(std::min(minutes * 10.0, MAX_AXIS_TENTHS)));
    }
  }
  return {axes[0], axes[1]};
}

DeepSkyKind KindOf(const std::string& type) {
  static const std::map<std::string, DeepSkyKind> KINDS = {
      {"s", DeepSkyKind::Galaxy},           {"s0", DeepSkyKind::Galaxy},
      {"sd", DeepSkyKind::Galaxy},          {"e", DeepSkyKind::Galaxy},
      {"i", DeepSkyKind::Galaxy},           {"g", DeepSkyKind::Galaxy},
      {"oc", DeepSkyKind::OpenCluster},     {"gc", DeepSkyKind::GlobularCluster},
      {"bn", DeepSkyKind::BrightNebula},    {"en", DeepSkyKind::BrightNebula},
      {"rn", DeepSkyKind::BrightNebula},    {"sfr", DeepSkyKind::BrightNebula},
      {"pn", DeepSkyKind::PlanetaryNebula},
  };
  const auto kind = KINDS.find(type);
  return kind == KINDS.end() ? DeepSkyKind::Other : kind->second;
}

DeepSkyType TypeOfSource(const std::string& type) {
  static const std::map<std::string, DeepSkyType> TYPES = {
      {"s", DeepSkyType::SpiralGalaxy},
      {"s0", DeepSkyType::LenticularGalaxy},
      {"sd", DeepSkyType::DwarfSpheroidalGalaxy},
      {"e", DeepSkyType::EllipticalGalaxy},
      {"i", DeepSkyType::IrregularGalaxy},
      {"g", DeepSkyType::Galaxy},
      {"gg", DeepSkyType::GalaxyCluster},
      {"oc", DeepSkyType::OpenCluster},
      {"gc", DeepSkyType::GlobularCluster},
      {"bn", DeepSkyType::BrightNebula},
      {"en", DeepSkyType::EmissionNebula},
      {"rn", DeepSkyType::ReflectionNebula},
      {"sfr", DeepSkyType::StarFormingRegion},
      {"pn", DeepSkyType::PlanetaryNebula},
      {"dn", DeepSkyType::DarkNebula},
      {"snr", DeepSkyType::SupernovaRemnant},
  };
  const auto found = TYPES.find(type);
  return found == TYPES.end() ? DeepSkyType::Unknown : found->second;
}

// The constellations by abbreviation: genitive and name.
struct Constellation {
  std::string name;
  std::string genitive;
};

std::map<std::string, Constellation> ConstellationsOf(const QJsonDocument& source) {
  std::map<std::string, Constellation> byAbbreviation;
  for (const QJsonValue& value : Features(source)) {
    const QJsonObject properties = PropertiesOf(value.toObject());
    byAbbreviation.emplace(Text(properties, "desig"),
                           Constellation{Text(properties, "name"), Text(properties, "gen")});
  }
  return byAbbreviation;
}

bool StartsWithGreek(const std::string& word) {
  const QString text = QString::fromStdString(word);
  return !text.isEmpty() && !GreekLetterName(text.at(0).unicode()).empty();
}

// The name with a Greek letter's constellation abbreviation written as its genitive
// ("ω Cen Cluster" to "ω Centauri Cluster"); nothing when it has none.
std::optional<std::string> WithGenitive(
    const std::string& name, const std::map<std::string, Constellation>& constellations) {
  QStringList words = QString::fromStdString(name).split(QLatin1Char(' '));
  bool changed = false;
  for (qsizetype i = 1; i < words.size(); ++i) {
    const auto found = constellations.find(words[i].toStdString());
    if (found == constellations.end() || !StartsWithGreek(words[i - 1].toStdString())) continue;
    words[i] = QString::fromStdString(found->second.genitive);
    changed = true;
  }
  if (!changed) return std::nullopt;
  return words.join(QLatin1Char(' ')).toStdString();
}

class NameList {
 public:
  explicit NameList(SkyBuildSummary& summary) : summary(summary) {}

  // Adds a name of an object unless the object has it already (folded alike).
  void Add(std::string name, const NameRecord& object) {
    const std::string folded = FoldName(name).text;
    if (folded.empty()) return;
    if (!seen.insert({folded, object.kind, object.object, object.rightAscension}).second) return;
    if (name.size() >= NAME_BYTES) {
      summary.notes.push_back("Names.dat: shortened \"" + name + "\"");
      name = CutUtf8(name, NAME_BYTES - 1);
    }
    NameRecord record = object;
    StoreText(name, record.name);
    records.push_back(record);
  }

  // Adds the name and its form with the constellation's genitive.
  void AddWithGenitive(const std::string& name, const NameRecord& object,
                       const std::map<std::string, Constellation>& constellations) {
    Add(name, object);
    if (const auto genitive = WithGenitive(name, constellations)) Add(*genitive, object);
  }

  std::vector<NameRecord> records;

 private:
  SkyBuildSummary& summary;
  std::set<std::tuple<std::string, SkyObjectKind, uint32_t, double>> seen;
};

NameRecord ObjectOf(double ra, double dec, SkyObjectKind kind, uint8_t rank, int16_t magnitude,
                    uint32_t object) {
  return NameRecord{ra, dec, kind, rank, magnitude, object, {}};
}

// The faint stars, and the place and record of every star by Hipparcos number.
struct StarIndex {
  std::vector<StarRecord> faint;
  std::map<int64_t, std::pair<StarRecord, uint32_t>> byHipparcos;
};

StarIndex BuildFaintStars(const Sources& sources, SkyBuildSummary& summary) {
  BuildSummary ignored;
  std::map<int64_t, size_t> bright;
  const std::vector<StarRecord> brightStars =
      BuildStars(sources.brightStars, bright, ignored, "Stars.dat");
  std::map<int64_t, size_t> all;
  BuildSummary notes;
  const std::vector<StarRecord> stars = BuildStars(sources.stars, all, notes, "FaintStars.dat");
  summary.notes.insert(summary.notes.end(), notes.notes.begin(), notes.notes.end());

  StarIndex index;
  std::vector<int64_t> hipparcosOf(stars.size(), -1);
  for (const auto& [hip, position] : all) hipparcosOf[position] = hip;
  for (const auto& [hip, position] : bright) {
    index.byHipparcos[hip] = {brightStars[position], static_cast<uint32_t>(position)};
  }
  for (size_t i = 0; i < stars.size(); ++i) {
    if (bright.contains(hipparcosOf[i])) continue;
    const auto record = static_cast<uint32_t>(brightStars.size() + index.faint.size());
    if (hipparcosOf[i] >= 0) index.byHipparcos[hipparcosOf[i]] = {stars[i], record};
    index.faint.push_back(stars[i]);
  }
  summary.faintStars = index.faint.size();
  return index;
}

// The letter of a Bayer designation without a component's number: "α" of "α1".
std::string SystemLetter(const std::string& bayer) {
  size_t end = bayer.size();
  while (end > 0 && std::isdigit(static_cast<unsigned char>(bayer[end - 1]))) --end;
  return bayer.substr(0, end);
}

// "α Ori", "α Orionis" and "alf Ori".
void AddBayerNames(const std::string& bayer, const std::string& constellation,
                   const NameRecord& object,
                   const std::map<std::string, Constellation>& constellations, NameList& names) {
  names.AddWithGenitive(bayer + " " + constellation, object, constellations);
  const QString letters = QString::fromStdString(bayer);
  const std::string_view short3 = GreekLetterAbbreviation(letters.at(0).unicode());
  if (!short3.empty()) {
    names.Add(std::string(short3) + letters.mid(1).toStdString() + " " + constellation, object);
  }
}

void AddStarNames(const Sources& sources, const StarIndex& stars,
                  const std::map<std::string, Constellation>& constellations, NameList& names,
                  SkyBuildSummary& summary) {
  std::vector<std::pair<int64_t, QJsonObject>> entries;
  const QJsonObject all = sources.starNames.object();
  for (auto it = all.begin(); it != all.end(); ++it) {
    bool ok = false;
    const int64_t hip = it.key().toLongLong(&ok);
    if (ok) entries.emplace_back(hip, it.value().toObject());
  }
  std::sort(entries.begin(), entries.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  // "α1 Cen" and "α2 Cen" are the system "α Cen", named at its brightest star.
  std::map<std::string, std::pair<int16_t, int64_t>> systems;
  std::set<std::string> plainLetters;
  for (const auto& [hip, entry] : entries) {
    const std::string bayer = Text(entry, "bayer");
    const std::string key = SystemLetter(bayer) + " " + Text(entry, "c");
    const auto star = stars.byHipparcos.find(hip);
    if (SystemLetter(bayer) == bayer) {
      plainLetters.insert(key);
    } else if (star != stars.byHipparcos.end()) {
      const auto [brightest, added] =
          systems.emplace(key, std::pair{star->second.first.magnitude, hip});
      if (!added && star->second.first.magnitude < brightest->second.first) {
        brightest->second = {star->second.first.magnitude, hip};
      }
    }
  }
  for (const auto& [hip, entry] : entries) {
    const auto star = stars.byHipparcos.find(hip);
    if (star == stars.byHipparcos.end()) {
      summary.notes.push_back("Names.dat: HIP " + std::to_string(hip) +
                              " left out: its star is in no star list");
      continue;
    }
    const StarRecord& place = star->second.first;
    const auto object = [&](uint8_t rank) {
      return ObjectOf(place.rightAscension, place.declination, SkyObjectKind::Star, rank,
                      place.magnitude, star->second.second);
    };
    const std::string constellation = Text(entry, "c");
    names.Add(Text(entry, "name"), object(RANK_NAME));
    if (!constellation.empty()) {
      if (const std::string bayer = Text(entry, "bayer"); !bayer.empty()) {
        AddBayerNames(bayer, constellation, object(RANK_BAYER), constellations, names);
        const std::string system = SystemLetter(bayer);
        const auto found = systems.find(system + " " + constellation);
        if (found != systems.end() && found->second.second == hip &&
            !plainLetters.contains(found->first)) {
          AddBayerNames(system, constellation, object(RANK_BAYER), constellations, names);
        }
      }
      if (const std::string flamsteed = Text(entry, "flam"); !flamsteed.empty()) {
        names.Add(flamsteed + " " + constellation, object(RANK_FLAMSTEED));
        const auto found = constellations.find(constellation);
        if (found != constellations.end()) {
          names.Add(flamsteed + " " + found->second.genitive, object(RANK_FLAMSTEED));
        }
      }
      if (const std::string variable = Text(entry, "var"); !variable.empty()) {
        names.Add(variable + " " + constellation, object(RANK_CATALOG));
      }
    }
    for (const char* key : {"gl", "hd", "hip"}) names.Add(Text(entry, key), object(RANK_NUMBER));
  }
}

struct MessierObject {
  std::string number;  // "M31"
  std::string common;  // "Andromeda"
  std::string type;
  QJsonObject feature;
  bool joined = false;
};

// The deep-sky objects with their display names, and their names in the name list.
// localNames: each object's dsonames.json entry by the designation its shown name opens with.
std::vector<DeepSkyRecord> BuildDeepSky(const Sources& sources,
                                        const std::map<std::string, Constellation>& constellations,
                                        NameList& names, SkyBuildSummary& summary,
                                        std::map<std::string, QJsonObject>& localNames) {
  std::vector<MessierObject> messier;
  std::map<std::string, size_t> messierByKey;  // by Messier number and by designation
  for (const QJsonValue& value : Features(sources.messier)) {
    const QJsonObject feature = value.toObject();
    const QJsonObject properties = PropertiesOf(feature);
    MessierObject object{Text(properties, "name"), Text(properties, "alt"),
                         Text(properties, "type"), feature};
    if (object.number.empty()) continue;
    messierByKey.emplace(DesignationKey(object.number), messier.size());
    if (const std::string designation = Text(properties, "desig"); !designation.empty()) {
      messierByKey.emplace(DesignationKey(designation), messier.size());
    }
    messier.push_back(object);
  }
  std::set<std::string> constellationNames;
  for (const auto& [abbreviation, constellation] : constellations) {
    constellationNames.insert(FoldName(constellation.name).text);
  }
  const QJsonObject commonNames = sources.deepSkyNames.object();
  std::set<std::string> named;  // keys of dsonames.json given to an object

  std::vector<DeepSkyRecord> records;
  const auto add = [&](const std::string& id, const std::string& designation,
                       std::pair<double, double> place, const std::string& type, int16_t magnitude,
                       std::pair<uint16_t, uint16_t> axes, MessierObject* m) {
    const auto object = static_cast<uint32_t>(records.size());
    const auto nameOf = [&](uint8_t rank) {
      return ObjectOf(place.first, place.second, SkyObjectKind::DeepSky, rank, magnitude, object);
    };
    std::string common;
    // The first name of an object and its first common name are what Find shows.
    std::string shown = m != nullptr ? m->number : (designation.empty() ? id : designation);
    for (const std::string& key : {id, designation}) {
      if (key.empty() || !commonNames.contains(QString::fromStdString(key))) continue;
      const QJsonObject entry = commonNames.value(QString::fromStdString(key)).toObject();
      common = Text(entry, "name");
      localNames.emplace(shown, entry);
      named.insert(key);
      break;
    }
    if (m != nullptr) names.Add(m->number, nameOf(RANK_NAME));
    for (const std::string& designationName : {designation, id}) {
      if (designationName.empty()) continue;
      const bool ngc = designationName.starts_with("NGC") || designationName.starts_with("IC");
      names.Add(designationName, nameOf(ngc ? RANK_FLAMSTEED : RANK_CATALOG));
    }
    if (m != nullptr && common.empty()) common = m->common;
    if (!common.empty()) {
      names.AddWithGenitive(common, nameOf(RANK_COMMON), constellations);
      if (shown.size() + 1 + common.size() < DEEP_SKY_NAME_BYTES) shown += " " + common;
    }
    if (m != nullptr && !m->common.empty() &&
        !constellationNames.contains(FoldName(m->common).text)) {
      names.Add(m->common, nameOf(RANK_COMMON));
    }
    const auto flags =
        static_cast<uint8_t>((m != nullptr ? DEEP_SKY_MESSIER : 0) | TypeFlags(TypeOfSource(type)));
    DeepSkyRecord record{place.first, place.second, KindOf(type), flags,
                         magnitude,   axes.first,   axes.second,  {}};
    StoreText(CutUtf8(shown, DEEP_SKY_NAME_BYTES - 1), record.name);
    records.push_back(record);
  };

  size_t unplaced = 0;
  for (const QJsonValue& value : Features(sources.deepSky)) {
    const QJsonObject feature = value.toObject();
    const QJsonObject properties = PropertiesOf(feature);
    const auto place = PlaceOf(feature);
    const std::string id =
        feature.value(QStringLiteral("id")).toString().simplified().toStdString();
    if (!place || id.empty()) {
      ++unplaced;
      continue;
    }
    std::string designation = Text(properties, "desig");
    if (designation == id) designation.clear();
    MessierObject* m = nullptr;
    for (const std::string& key : {id, designation}) {
      const auto found = key.empty() ? messierByKey.end() : messierByKey.find(DesignationKey(key));
      if (found != messierByKey.end() && !messier[found->second].joined) {
        m = &messier[found->second];
        m->joined = true;
        break;
      }
    }
    // A Messier object keeps the kind of the Messier list (the Pleiades are a cluster).
    const std::string kind = m != nullptr ? m->type : Text(properties, "type");

    if (m != nullptr && DesignationKey(designation) == DesignationKey(m->number)) {
      designation.clear();
    }
    // A dark nebula's figure is its opacity class, not a magnitude.
    const std::string type = Text(properties, "type");
    const int16_t magnitude =
        type == "dn" ? NO_MAGNITUDE : MagnitudeOf(properties.value(QStringLiteral("mag")));
    add(id, designation, *place, kind, magnitude, AxesOf(properties.value(QStringLiteral("dim"))),
        m);
  }
  for (MessierObject& m : messier) {
    if (m.joined) continue;
    const auto place = PlaceOf(m.feature);
    if (!place) continue;
    const QJsonObject properties = PropertiesOf(m.feature);
    summary.notes.push_back("DeepSky.dat: " + m.number + " added from the Messier list");
    add(Text(properties, "desig"), "", *place, m.type,
        MagnitudeOf(properties.value(QStringLiteral("mag"))),
        AxesOf(properties.value(QStringLiteral("dim"))), &m);
  }
  if (unplaced > 0) {
    summary.notes.push_back("DeepSky.dat: " + std::to_string(unplaced) +
                            " objects without a usable place left out");
  }
  size_t orphans = 0;
  for (auto it = commonNames.begin(); it != commonNames.end(); ++it) {
    if (!named.contains(it.key().toStdString())) ++orphans;
  }
  if (orphans > 0) {
    summary.notes.push_back("Names.dat: " + std::to_string(orphans) +
                            " names of dsonames.json left out: their object is not in the list");
  }
  summary.deepSky = records.size();
  return records;
}

void AddConstellationNames(const Sources& sources, NameList& names) {
  for (const QJsonValue& value : Features(sources.constellations)) {
    const QJsonObject feature = value.toObject();
    const QJsonObject properties = PropertiesOf(feature);
    const auto place = PlaceOf(feature);
    if (!place) continue;
    const std::string name = Text(properties, "name");
    uint32_t row = NO_OBJECT;
    for (int32_t r = 0; r < GO_TO_ROW_COUNT; ++r) {
      if (GO_TO_TABLE[r].name == name) row = static_cast<uint32_t>(r);
    }
    const NameRecord object = ObjectOf(place->first, place->second, SkyObjectKind::Constellation,
                                       RANK_CONSTELLATION, NO_MAGNITUDE, row);
    names.Add(name, object);
    names.Add(Text(properties, "gen"), object);
    names.Add(Text(properties, "desig"), object);
  }
}

// The middle of places (radians): the direction of the sum of their unit vectors.
std::optional<std::pair<double, double>> MiddleOf(
    const std::vector<std::pair<double, double>>& places) {
  double x = 0.0, y = 0.0, z = 0.0;
  for (const auto& [ra, dec] : places) {
    x += std::cos(dec) * std::cos(ra);
    y += std::cos(dec) * std::sin(ra);
    z += std::sin(dec);
  }
  const double across = std::hypot(x, y);
  if (places.empty() || std::hypot(across, z) < 1e-9) return std::nullopt;
  const double ra = std::atan2(y, x);
  return std::pair{ra < 0 ? ra + TWO_PI : ra, std::atan2(z, across)};
}

// An asterism is aimed at the middle of its stars, each counted once, not at its label point.
void AddAsterismNames(const Sources& sources, NameList& names) {
  std::set<std::string> seen;
  for (const QJsonValue& value : Features(sources.asterisms)) {
    const QJsonObject feature = value.toObject();
    const std::string name = Text(PropertiesOf(feature), "n");
    std::vector<std::pair<double, double>> stars;
    const QJsonObject geometry = feature.value(QStringLiteral("geometry")).toObject();
    for (const QJsonValue& line : geometry.value(QStringLiteral("coordinates")).toArray()) {
      for (const QJsonValue& point : line.toArray()) {
        const auto place = Place(point);
        if (place && std::find(stars.begin(), stars.end(), *place) == stars.end()) {
          stars.push_back(*place);
        }
      }
    }
    const auto middle = MiddleOf(stars);
    if (!middle || !seen.insert(FoldName(name).text).second) continue;
    names.Add(name, ObjectOf(middle->first, middle->second, SkyObjectKind::Asterism, RANK_NAME,
                             NO_MAGNITUDE, NO_OBJECT));
  }
}

// The names of the table, each given to the object of the first record that bears its catalog
// name, or to the middle of several.
bool AddCommonNames(const std::string& path, NameList& names, std::string& error) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
    error = "cannot read " + path;
    return false;
  }
  std::map<std::string, NameRecord> byName;
  for (const NameRecord& record : names.records) {
    byName.emplace(FoldName(FieldText(record.name)).text, record);
  }
  int lineNumber = 0;
  while (!file.atEnd()) {
    ++lineNumber;
    const QString line = QString::fromUtf8(file.readLine()).trimmed();
    if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
    const QStringList fields = line.split(QLatin1Char('\t'));
    std::vector<NameRecord> members;
    for (qsizetype i = 1; i < fields.size(); ++i) {
      const auto found = byName.find(FoldName(fields[i].trimmed().toStdString()).text);
      if (found == byName.end()) {
        error = path + ":" + std::to_string(lineNumber) + ": no object is called \"" +
                fields[i].trimmed().toStdString() + "\"";
        return false;
      }
      members.push_back(found->second);
    }
    const std::string name = fields[0].trimmed().toStdString();
    if (members.empty()) {
      error = path + ":" + std::to_string(lineNumber) + ": \"" + name + "\" names no object";
      return false;
    }
    if (members.size() == 1) {
      NameRecord record = members.front();
      record.rank = RANK_NAME;
      names.Add(name, record);
      continue;
    }
    std::vector<std::pair<double, double>> places;
    places.reserve(members.size());
    for (const NameRecord& member : members) {
      places.emplace_back(member.rightAscension, member.declination);
    }
    const auto middle = MiddleOf(places);
    if (!middle) continue;
    names.Add(name, ObjectOf(middle->first, middle->second, SkyObjectKind::Asterism, RANK_NAME,
                             NO_MAGNITUDE, NO_OBJECT));
  }
  return true;
}

std::vector<MilkyWayVertex> BuildMilkyWay(const QJsonDocument& source, SkyBuildSummary& summary) {
  std::vector<MilkyWayVertex> vertices;
  uint16_t polygon = 0;
  for (const QJsonValue& value : Features(source)) {
    const QJsonObject feature = value.toObject();
    const QString id = feature.value(QStringLiteral("id")).toString();  // "ol1" to "ol5"
    const int level = id.mid(2).toInt();
    if (!id.startsWith(QStringLiteral("ol")) || level < 1 || level > MILKY_WAY_LEVELS) continue;
    const QJsonObject geometry = feature.value(QStringLiteral("geometry")).toObject();
    for (const QJsonValue& polygonValue : geometry.value(QStringLiteral("coordinates")).toArray()) {
      ++polygon;
      uint8_t ring = 0;
      for (const QJsonValue& ringValue : polygonValue.toArray()) {
        const QJsonArray points = ringValue.toArray();
        size_t kept = 0;
        for (const QJsonValue& point : points) {
          const auto place = Place(point);
          if (!place) continue;
          vertices.push_back(
              {place->first, place->second, polygon, static_cast<uint8_t>(level), ring});
          ++kept;
        }
        if (kept > 0) ++summary.milkyWayRings;
        if (ring < UINT8_MAX) ++ring;
      }
    }
  }
  summary.milkyWayVertices = vertices.size();
  return vertices;
}

}  // namespace

bool BuildSkyCatalogs(const std::string& sourceDir, const std::string& outDir,
                      SkyBuildSummary& summary, std::string& error, const std::string& namesPath) {
  summary = SkyBuildSummary{};
  Sources sources;
  if (!LoadSources(sourceDir, sources, error)) return false;

  const std::map<std::string, Constellation> constellations =
      ConstellationsOf(sources.constellations);
  const StarIndex stars = BuildFaintStars(sources, summary);
  NameList names(summary);
  AddConstellationNames(sources, names);
  AddAsterismNames(sources, names);
  AddStarNames(sources, stars, constellations, names, summary);
  std::map<std::string, QJsonObject> deepSkyNames;
  const std::vector<DeepSkyRecord> deepSky =
      BuildDeepSky(sources, constellations, names, summary, deepSkyNames);
  summary.namedDeepSky = deepSkyNames.size();
  const std::vector<LocalNameRecord> localNames =
      BuildLocalNames(sources.constellations, deepSkyNames, summary.localNames, summary.notes);
  if (!namesPath.empty() && !AddCommonNames(namesPath, names, error)) return false;
  const std::vector<MilkyWayVertex> milkyWay = BuildMilkyWay(sources.milkyWay, summary);
  summary.names = names.records.size();

  const std::filesystem::path out(outDir);
  return WriteCatalog(out / "FaintStars.dat", STARS_TAG, STAR_RECORD_SIZE, stars.faint, EncodeStar,
                      error) &&
         WriteCatalog(out / "DeepSky.dat", DEEP_SKY_TAG, DEEP_SKY_RECORD_SIZE, deepSky,
                      EncodeDeepSky, error) &&
         WriteCatalog(out / "MilkyWay.dat", MILKY_WAY_TAG, MILKY_WAY_RECORD_SIZE, milkyWay,
                      EncodeMilkyWayVertex, error) &&
         WriteCatalog(out / "Names.dat", NAMES_TAG, NAME_RECORD_SIZE, names.records, EncodeName,
                      error) &&
         WriteCatalog(out / "SkyNames.dat", SKY_NAMES_TAG, SKY_NAMES_RECORD_SIZE, localNames,
                      EncodeLocalName, error);
}

}  // namespace halvane
