// The catalog builder: source JSON in, little-endian catalog files out.
#include "tools/catalog_builder.h"

#include <QString>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <tuple>

#include "astro/angles.h"
#include "astro/precession.h"
#include "catalog/data_file.h"
#include "platform/code_page.h"
#include "platform/printable_text.h"
#include "tools/catalog_json.h"
#include "tools/catalog_names.h"
#include "tools/catalog_writer.h"

namespace halvane {

namespace {

// Hundredths beyond this cannot be stored in 16 bits with room to spare.
constexpr double MAX_HUNDREDTHS = 30000.0;
constexpr double MAX_COLOR_HUNDREDTHS = 9000.0;

struct Sources {
  QJsonDocument stars;
  QJsonDocument starNames;
  QJsonDocument lines;
  QJsonDocument borders;
  QJsonDocument constellations;
  QJsonDocument messier;
};

bool LoadSources(const std::string& dir, Sources& sources, std::string& error) {
  const std::array<std::pair<const char*, QJsonDocument*>, 6> files = {{
      {"stars.8.json", &sources.stars},
      {"starnames.json", &sources.starNames},
      {"constellations.lines.json", &sources.lines},
      {"constellations.borders.json", &sources.borders},
      {"constellations.json", &sources.constellations},
      {"messier.json", &sources.messier},
  }};
  for (const auto& [name, document] : files) {
    std::optional<QJsonDocument> loaded = LoadJsonFile(dir + "/" + name, error);
    if (!loaded) return false;
    *document = *loaded;
  }
  return true;
}

// UTF-8 for messages from Windows-1252 bytes.
std::string ShownName(std::string_view windows1252) {
  const std::u16string text = Windows1252ToUtf16(windows1252.data(), windows1252.size());
  return QString::fromStdU16String(text).toStdString();
}

bool IsDeclination(double degrees) { return degrees >= -90.0 && degrees <= 90.0; }

// The lines of a LineString or MultiLineString geometry.
QJsonArray LinesOf(const QJsonObject& feature) {
  const QJsonObject geometry = feature.value(QStringLiteral("geometry")).toObject();
  const QJsonArray coordinates = geometry.value(QStringLiteral("coordinates")).toArray();
  if (geometry.value(QStringLiteral("type")).toString() == QStringLiteral("LineString")) {
    return QJsonArray{coordinates};
  }
  return coordinates;
}

std::optional<std::pair<double, double>> PointOfFeature(const QJsonObject& feature) {
  const QJsonObject geometry = feature.value(QStringLiteral("geometry")).toObject();
  const auto point = PointOf(geometry.value(QStringLiteral("coordinates")));
  if (!point || !IsDeclination(point->second)) return std::nullopt;
  return point;
}

// A Hipparcos number: a whole JSON number that a 64-bit integer holds exactly.
std::optional<int64_t> WholeNumber(const QJsonValue& value) {
  if (!value.isDouble()) return std::nullopt;
  const double number = value.toDouble();
  constexpr double LIMIT = 9007199254740992.0;  // 2^53
  if (!(std::fabs(number) < LIMIT) || number != std::trunc(number)) return std::nullopt;
  return static_cast<int64_t>(number);
}

std::string FeatureName(const QJsonObject& feature) {
  const QJsonValue id = feature.value(QStringLiteral("id"));
  if (const auto number = WholeNumber(id)) return std::to_string(*number);
  return id.toString().toStdString();
}

int16_t Hundredths(double value) { return static_cast<int16_t>(std::lround(value * 100.0)); }

std::vector<ConstellationSegment> BuildSegments(const QJsonDocument& source,
                                                BuildSummary& summary) {
  std::vector<ConstellationSegment> segments;
  std::set<std::array<double, 4>> seen;
  size_t repeated = 0;
  size_t degenerate = 0;
  size_t badPoints = 0;
  for (const QJsonValue& value : Features(source)) {
    for (const QJsonValue& line : LinesOf(value.toObject())) {
      const QJsonArray points = line.toArray();
      for (qsizetype i = 1; i < points.size(); ++i) {
        const auto a = PointOf(points[i - 1]);
        const auto b = PointOf(points[i]);
        if (!a || !b || !IsDeclination(a->second) || !IsDeclination(b->second)) {
          ++badPoints;
          continue;
        }
        const ConstellationSegment segment{
            RightAscensionFromLongitude(a->first), a->second * DEG_TO_RAD,
            RightAscensionFromLongitude(b->first), b->second * DEG_TO_RAD};
        if (segment.rightAscension1 == segment.rightAscension2 &&
            segment.declination1 == segment.declination2) {
          ++degenerate;
          continue;
        }
        // A segment drawn twice (in either direction) is kept once.
        std::array<double, 4> key = {segment.rightAscension1, segment.declination1,
                                     segment.rightAscension2, segment.declination2};
        if (std::tie(key[2], key[3]) < std::tie(key[0], key[1])) {
          key = {key[2], key[3], key[0], key[1]};
        }
        if (!seen.insert(key).second) {
          ++repeated;
          continue;
        }
        segments.push_back(segment);
      }
    }
  }
  if (repeated > 0) {
    summary.notes.push_back("ConLin.dat: " + std::to_string(repeated) +
                            " segments that repeat an earlier one left out");
  }
  if (degenerate > 0) {
    summary.notes.push_back("ConLin.dat: " + std::to_string(degenerate) +
                            " segments of zero length left out");
  }
  if (badPoints > 0) {
    summary.notes.push_back("ConLin.dat: " + std::to_string(badPoints) +
                            " segments with an unusable end point left out");
  }
  summary.segments = segments.size();
  return segments;
}

bool BuildBoundaries(const QJsonDocument& source, std::vector<BoundaryVertex>& vertices,
                     BuildSummary& summary, std::string& error) {
  size_t nextId = 1;
  size_t badPoints = 0;
  for (const QJsonValue& value : Features(source)) {
    for (const QJsonValue& line : LinesOf(value.toObject())) {
      std::vector<std::pair<double, double>> points;
      for (const QJsonValue& point : line.toArray()) {
        const auto p = PointOf(point);
        if (!p || !IsDeclination(p->second)) {
          ++badPoints;
          continue;
        }
        points.push_back(*p);
      }
      if (points.size() < 2) continue;
      if (nextId > UINT16_MAX) {
        error = "constellations.borders.json: more boundary lines than 16-bit ids";
        return false;
      }
      const auto dense = DensifyBoundary(points, static_cast<uint16_t>(nextId++));
      vertices.insert(vertices.end(), dense.begin(), dense.end());
    }
  }
  if (badPoints > 0) {
    summary.notes.push_back("ConBon.dat: " + std::to_string(badPoints) +
                            " unusable vertices left out");
  }
  summary.boundaryLines = nextId - 1;
  summary.vertices = vertices.size();
  return true;
}

LabelRecord MakeLabel(double ra, double dec, std::string_view utf8, BuildSummary& summary) {
  const FittedName name = FitLabelName(utf8);
  const std::string shown = ShownName(name.text);
  if (name.transliterated) {
    summary.notes.push_back("Labels.dat: transliterated \"" + std::string(utf8) + "\" as \"" +
                            shown + "\"");
  }
  if (name.shortened) {
    summary.notes.push_back("Labels.dat: shortened \"" + std::string(utf8) + "\" to \"" + shown +
                            "\"");
  }
  LabelRecord label{ra, dec, {}};
  StoreLabelName(name.text, label.name);
  return label;
}

void AddStarLabels(const QJsonDocument& source, const std::vector<StarRecord>& stars,
                   const std::map<int64_t, size_t>& byHipparcos, std::vector<LabelRecord>& labels,
                   BuildSummary& summary) {
  std::vector<std::pair<int64_t, std::string>> names;
  const QJsonObject all = source.object();
  for (auto it = all.begin(); it != all.end(); ++it) {
    bool ok = false;
    const int64_t hip = it.key().toLongLong(&ok);
    const QString name = it.value().toObject().value(QStringLiteral("name")).toString();
    if (!ok || name.trimmed().isEmpty()) continue;
    names.emplace_back(hip, name.trimmed().toStdString());
  }
  std::sort(names.begin(), names.end());
  size_t missing = 0;
  for (const auto& [hip, name] : names) {
    const auto star = byHipparcos.find(hip);
    if (star == byHipparcos.end()) {
      ++missing;
      summary.notes.push_back("Labels.dat: \"" + name + "\" (HIP " + std::to_string(hip) +
                              ") left out: its star is not in the star list");
      continue;
    }
    const StarRecord& record = stars[star->second];
    labels.push_back(MakeLabel(record.rightAscension, record.declination, name, summary));
  }
  if (missing > 0) {
    summary.notes.push_back("Labels.dat: " + std::to_string(missing) +
                            " star names left out in all");
  }
}

void AddPointLabels(const QJsonDocument& source, bool messier, std::vector<LabelRecord>& labels,
                    BuildSummary& summary) {
  for (const QJsonValue& value : Features(source)) {
    const QJsonObject feature = value.toObject();
    const QJsonObject properties = feature.value(QStringLiteral("properties")).toObject();
    const std::string name =
        properties.value(QStringLiteral("name")).toString().trimmed().toStdString();
    const auto point = PointOfFeature(feature);
    if (!point || name.empty()) {
      summary.notes.push_back("Labels.dat: object " + FeatureName(feature) +
                              " left out: no usable name or position");
      continue;
    }
    std::string full = name;
    const std::string common =
        properties.value(QStringLiteral("alt")).toString().trimmed().toStdString();
    if (messier && !common.empty()) {
      const std::string both = name + " " + common;
      if (!FitLabelName(both).shortened) {
        full = both;
      } else {
        summary.notes.push_back("Labels.dat: " + name + " without its common name \"" + common +
                                "\", which does not fit");
      }
    }
    labels.push_back(MakeLabel(RightAscensionFromLongitude(point->first),
                               point->second * DEG_TO_RAD, full, summary));
  }
}

}  // namespace

std::vector<StarRecord> BuildStars(const QJsonDocument& source,
                                   std::map<int64_t, size_t>& byHipparcos, BuildSummary& summary,
                                   const std::string& file) {
  std::vector<StarRecord> stars;
  for (const QJsonValue& value : Features(source)) {
    const QJsonObject feature = value.toObject();
    const QJsonObject properties = feature.value(QStringLiteral("properties")).toObject();
    const auto point = PointOfFeature(feature);
    const auto magnitude = NumberOf(properties.value(QStringLiteral("mag")));
    if (!point || !magnitude || std::fabs(*magnitude * 100.0) > MAX_HUNDREDTHS) {
      summary.notes.push_back(file + ": star " + FeatureName(feature) +
                              " left out: no usable position or magnitude");
      continue;
    }
    const auto color = NumberOf(properties.value(QStringLiteral("bv")));
    const bool hasColor = color && std::fabs(*color * 100.0) <= MAX_COLOR_HUNDREDTHS;
    if (!hasColor) ++summary.starsWithoutColor;
    const StarRecord star{RightAscensionFromLongitude(point->first), point->second * DEG_TO_RAD,
                          Hundredths(*magnitude), hasColor ? Hundredths(*color) : NO_COLOR_INDEX};
    if (const auto hip = WholeNumber(feature.value(QStringLiteral("id")))) {
      byHipparcos.emplace(*hip, stars.size());
    }
    stars.push_back(star);
  }
  summary.stars = stars.size();
  return stars;
}

double RightAscensionFromLongitude(double degrees) {
  double ra = std::fmod(degrees * DEG_TO_RAD, TWO_PI);
  if (ra < 0.0) ra += TWO_PI;
  // A tiny negative longitude rounds up to exactly 2 pi, which is 0.
  if (ra >= TWO_PI) ra = 0.0;
  return ra;
}

double AngularDistance(double ra1, double dec1, double ra2, double dec2) {
  const double sinHalfDec = std::sin((dec2 - dec1) / 2.0);
  const double sinHalfRa = std::sin((ra2 - ra1) / 2.0);
  const double h =
      sinHalfDec * sinHalfDec + std::cos(dec1) * std::cos(dec2) * sinHalfRa * sinHalfRa;
  return 2.0 * std::asin(std::sqrt(std::clamp(h, 0.0, 1.0)));
}

std::vector<BoundaryVertex> DensifyBoundary(const std::vector<std::pair<double, double>>& line,
                                            uint16_t id) {
  constexpr double MAX_GAP = MAX_VERTEX_GAP_DEGREES * DEG_TO_RAD;
  std::vector<BoundaryVertex> vertices;
  if (line.empty()) return vertices;
  auto vertexAt = [id](const std::pair<double, double>& p) {
    return BoundaryVertex{RightAscensionFromLongitude(p.first), p.second * DEG_TO_RAD, id};
  };
  vertices.push_back(vertexAt(line.front()));
  for (size_t i = 1; i < line.size(); ++i) {
    const BoundaryVertex a = vertices.back();
    const BoundaryVertex b = vertexAt(line[i]);
    // Both ends in the frame where the edge is a parallel or a meridian.
    double raA = a.rightAscension, decA = a.declination;
    double raB = b.rightAscension, decB = b.declination;
    J2000ToB1875(raA, decA);
    J2000ToB1875(raB, decB);
    const double dRa = WrapToHalfTurn(raB - raA);
    const double dDec = decB - decA;
    auto pointAt = [&](size_t k, size_t n) {
      if (k == n) return b;
      const double t = static_cast<double>(k) / static_cast<double>(n);
      double ra = raA + dRa * t;
      double dec = decA + dDec * t;
      B1875ToJ2000(ra, dec);
      return BoundaryVertex{ra, dec, id};
    };
    auto widestGap = [&](size_t n) {
      double widest = 0.0;
      BoundaryVertex previous = a;
      for (size_t k = 1; k <= n; ++k) {
        const BoundaryVertex next = pointAt(k, n);
        widest = std::max(widest, AngularDistance(previous.rightAscension, previous.declination,
                                                  next.rightAscension, next.declination));
        previous = next;
      }
      return widest;
    };
    const double length =
        AngularDistance(a.rightAscension, a.declination, b.rightAscension, b.declination);
    size_t pieces = std::max<size_t>(1, static_cast<size_t>(std::ceil(length / MAX_GAP)));
    while (widestGap(pieces) > MAX_GAP) ++pieces;
    for (size_t k = 1; k <= pieces; ++k) vertices.push_back(pointAt(k, pieces));
  }
  return vertices;
}

bool BuildCatalogs(const std::string& sourceDir, const std::string& outDir, BuildSummary& summary,
                   std::string& error) {
  summary = BuildSummary{};
  Sources sources;
  if (!LoadSources(sourceDir, sources, error)) return false;

  std::map<int64_t, size_t> byHipparcos;
  const std::vector<StarRecord> stars =
      BuildStars(sources.stars, byHipparcos, summary, "Stars.dat");
  const std::vector<ConstellationSegment> segments = BuildSegments(sources.lines, summary);
  std::vector<BoundaryVertex> vertices;
  if (!BuildBoundaries(sources.borders, vertices, summary, error)) return false;
  std::vector<LabelRecord> labels;
  AddStarLabels(sources.starNames, stars, byHipparcos, labels, summary);
  AddPointLabels(sources.messier, true, labels, summary);
  AddPointLabels(sources.constellations, false, labels, summary);
  summary.labels = labels.size();

  std::error_code failure;
  std::filesystem::create_directories(outDir, failure);
  if (failure) {
    error = PrintableText(outDir, ECHOED_VALUE_BYTES) + ": cannot be created (" +
            failure.message() + ")";
    return false;
  }
  const std::filesystem::path out(outDir);
  return WriteCatalog(out / "Stars.dat", STARS_TAG, STAR_RECORD_SIZE, stars, EncodeStar, error) &&
         WriteCatalog(out / "ConLin.dat", LINES_TAG, SEGMENT_RECORD_SIZE, segments, EncodeSegment,
                      error) &&
         WriteCatalog(out / "ConBon.dat", BOUNDARIES_TAG, VERTEX_RECORD_SIZE, vertices,
                      EncodeVertex, error) &&
         WriteCatalog(out / "Labels.dat", LABELS_TAG, LABEL_RECORD_SIZE, labels, EncodeLabel,
                      error);
}

}  // namespace halvane
