// The info command of halvane-catalog.
#include "tools/catalog_info.h"

#include <QString>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <map>
#include <ostream>
#include <vector>

#include "astro/angles.h"
#include "catalog/catalog_records.h"
#include "catalog/city_records.h"
#include "catalog/data_file.h"
#include "catalog/local_sky_names.h"
#include "catalog/sky_records.h"
#include "platform/code_page.h"
#include "platform/printable_text.h"
#include "platform/translate.h"
#include "platform/utf8_text.h"
#include "tools/city_info.h"

namespace halvane {

namespace {

struct KindInfo {
  CatalogKind kind;
  std::string_view name;
  std::string_view fileName;
  std::string_view tag;  // empty: the reader does not check the header
  size_t recordSize;
  std::string_view reader;
};

constexpr std::array<KindInfo, 9> KINDS = {{
    {CatalogKind::Stars, "stars", "Stars.dat", STARS_TAG, STAR_RECORD_SIZE, "the star layer"},
    {CatalogKind::Lines, "lines", "ConLin.dat", LINES_TAG, SEGMENT_RECORD_SIZE,
     "the constellation line layer"},
    {CatalogKind::Boundaries, "boundaries", "ConBon.dat", BOUNDARIES_TAG, VERTEX_RECORD_SIZE,
     "the constellation boundary layer"},
    {CatalogKind::Labels, "labels", "Labels.dat", "", LABEL_RECORD_SIZE,
     "the object identification"},
    {CatalogKind::Cities, "cities", "Cities.dat", CITIES_TAG, CITY_RECORD_SIZE,
     "the city completion"},
    {CatalogKind::DeepSky, "deep-sky", "DeepSky.dat", DEEP_SKY_TAG, DEEP_SKY_RECORD_SIZE,
     "the deep-sky layer"},
    {CatalogKind::MilkyWay, "milky-way", "MilkyWay.dat", MILKY_WAY_TAG, MILKY_WAY_RECORD_SIZE,
     "the Milky Way layer"},
    {CatalogKind::Names, "names", "Names.dat", NAMES_TAG, NAME_RECORD_SIZE, "Find"},
    {CatalogKind::SkyNames, "sky-names", "SkyNames.dat", SKY_NAMES_TAG, SKY_NAMES_RECORD_SIZE,
     "the names in other languages"},
}};

const KindInfo& InfoOf(CatalogKind kind) {
  return *std::find_if(KINDS.begin(), KINDS.end(),
                       [kind](const KindInfo& info) { return info.kind == kind; });
}

std::optional<CatalogKind> KindOfHeader(const uint8_t* header, const std::string& path) {
  const std::string_view tag(reinterpret_cast<const char*>(header) + 4, 4);
  if (tag == LABELS_TAG) return CatalogKind::Labels;
  for (const KindInfo& info : KINDS) {
    if (!info.tag.empty() && tag == info.tag) return info.kind;
  }
  const std::string fileName = std::filesystem::path(path).filename().string();
  for (const KindInfo& info : KINDS) {
    if (fileName == info.fileName) return info.kind;
  }
  return std::nullopt;
}

// Four header bytes as text, with anything unprintable as \xNN.
std::string Printable(const uint8_t* bytes, size_t count) {
  std::string text;
  for (size_t i = 0; i < count; ++i) {
    if (bytes[i] >= 0x20 && bytes[i] < 0x7F && bytes[i] != '\\') {
      text += static_cast<char>(bytes[i]);
      continue;
    }
    static constexpr char HEX[] = "0123456789ABCDEF";
    text += "\\x";
    text += HEX[bytes[i] >> 4];
    text += HEX[bytes[i] & 0xF];
  }
  return text;
}

std::string Fixed(double value, int decimals) {
  return QString::number(value, 'f', decimals).toStdString();
}

struct Range {
  double low = std::numeric_limits<double>::infinity();
  double high = -std::numeric_limits<double>::infinity();
  void Add(double value) {
    low = std::min(low, value);
    high = std::max(high, value);
  }
  bool Empty() const { return low > high; }
};

struct Positions {
  Range rightAscension;
  Range declination;
  size_t notFinite = 0;
  size_t outOfRange = 0;

  // False when the record cannot be placed on the sky.
  bool Add(std::initializer_list<std::pair<double, double>> points) {
    for (const auto& [ra, dec] : points) {
      if (!std::isfinite(ra) || !std::isfinite(dec)) {
        ++notFinite;
        return false;
      }
    }
    for (const auto& [ra, dec] : points) {
      rightAscension.Add(ra);
      declination.Add(dec);
      if (ra < 0.0 || ra >= TWO_PI || std::fabs(dec) > HALF_PI) {
        ++outOfRange;
        return true;
      }
    }
    return true;
  }

  void Print(std::ostream& out) const {
    if (rightAscension.Empty()) return;
    out << "right ascension: " << Fixed(rightAscension.low * RAD_TO_DEG, 4) << " to "
        << Fixed(rightAscension.high * RAD_TO_DEG, 4) << " degrees\n"
        << "declination: " << Fixed(declination.low * RAD_TO_DEG, 4) << " to "
        << Fixed(declination.high * RAD_TO_DEG, 4) << " degrees\n";
  }
};

void ReportStars(RecordFile& file, Positions& positions, std::ostream& out) {
  std::map<int, size_t> histogram;  // whole magnitudes, rounded down
  Range colors;
  size_t withoutColor = 0;
  while (const uint8_t* bytes = file.Next()) {
    const StarRecord star = DecodeStar(bytes);
    if (!positions.Add({{star.rightAscension, star.declination}})) continue;
    ++histogram[static_cast<int>(std::floor(star.magnitude / 100.0))];
    if (star.colorIndex > 9000) {
      ++withoutColor;
    } else {
      colors.Add(star.colorIndex / 100.0);
    }
  }
  positions.Print(out);
  if (histogram.empty()) return;
  out << "magnitude histogram:\n";
  for (const auto& [magnitude, count] : histogram) {
    out << "  " << magnitude << " to " << magnitude + 1 << ": " << count << "\n";
  }
  out << "colour index: ";
  if (!colors.Empty()) out << Fixed(colors.low, 2) << " to " << Fixed(colors.high, 2) << ", ";
  out << withoutColor << " without colour\n";
}

void ReportLines(RecordFile& file, Positions& positions, std::ostream& out) {
  while (const uint8_t* bytes = file.Next()) {
    const ConstellationSegment s = DecodeSegment(bytes);
    positions.Add({{s.rightAscension1, s.declination1}, {s.rightAscension2, s.declination2}});
  }
  positions.Print(out);
}

double Separation(const BoundaryVertex& a, const BoundaryVertex& b) {
  return AngularSeparation(a.rightAscension, a.declination, b.rightAscension, b.declination);
}

void ReportBoundaries(RecordFile& file, Positions& positions, std::ostream& out) {
  size_t polylines = 0;
  double widestGap = 0.0;
  std::optional<BoundaryVertex> previous;
  while (const uint8_t* bytes = file.Next()) {
    const BoundaryVertex vertex = DecodeVertex(bytes);
    if (!previous || previous->boundaryId != vertex.boundaryId) ++polylines;
    if (positions.Add({{vertex.rightAscension, vertex.declination}}) && previous &&
        previous->boundaryId == vertex.boundaryId) {
      const double gap = Separation(*previous, vertex);
      if (std::isfinite(gap)) widestGap = std::max(widestGap, gap);
    }
    previous = vertex;
  }
  positions.Print(out);
  out << "polylines: " << polylines << "\n"
      << "widest step within a polyline: " << Fixed(widestGap * RAD_TO_DEG, 4) << " degrees\n";
}

// The later catalogs all open with a place; nameBytes 0 for one without names. Returns how
// many names are not valid UTF-8 (refused by the readers).
size_t ReportSkyRecords(RecordFile& file, Positions& positions, size_t nameAt, size_t nameBytes,
                        std::ostream& out) {
  size_t named = 0;
  size_t invalid = 0;
  while (const uint8_t* bytes = file.Next()) {
    positions.Add({{ReadF64(bytes), ReadF64(bytes + 8)}});
    if (nameBytes == 0) continue;
    const char* name = reinterpret_cast<const char*>(bytes + nameAt);
    const std::string_view text(name, strnlen(name, nameBytes));
    named += !text.empty();
    invalid += !IsValidUtf8(text);
  }
  positions.Print(out);
  if (nameBytes > 0) out << "names: " << named << "\n";
  return invalid;
}

// Returns how many records the reader skips as damaged.
size_t ReportSkyNames(RecordFile& file, std::ostream& out) {
  std::map<std::string, std::pair<size_t, size_t>> byLanguage;  // constellations, deep sky
  size_t damaged = 0;
  while (const uint8_t* bytes = file.Next()) {
    const std::optional<LocalNameRecord> record = DecodeLocalName(bytes);
    if (!record) {
      ++damaged;
      continue;
    }
    auto& count = byLanguage[PrintableText(record->language)];
    ++(record->kind == LocalNameKind::Constellation ? count.first : count.second);
  }
  for (const auto& [language, count] : byLanguage) {
    out << "language " << language << ": " << count.first << " constellations, " << count.second
        << " deep-sky objects\n";
  }
  return damaged;
}

size_t ReportLabels(RecordFile& file, Positions& positions, std::ostream& out) {
  size_t unterminated = 0;
  std::vector<std::string> lines;
  while (const uint8_t* bytes = file.Next()) {
    const LabelRecord label = DecodeLabel(bytes);
    positions.Add({{label.rightAscension, label.declination}});
    const bool terminated =
        std::find(label.name, label.name + LABEL_NAME_BYTES, '\0') != label.name + LABEL_NAME_BYTES;
    if (!terminated) ++unterminated;
    const std::u16string name = Windows1252ToUtf16(label.name, LABEL_NAME_BYTES);
    lines.push_back("  " + Fixed(label.rightAscension * RAD_TO_DEG, 4) + " " +
                    Fixed(label.declination * RAD_TO_DEG, 4) + " " +
                    PrintableText(QString::fromStdU16String(name).toStdString()) +
                    (terminated ? "" : " (no terminator)"));
  }
  positions.Print(out);
  if (lines.empty()) return unterminated;
  out << "names (right ascension and declination in degrees):\n";
  for (const std::string& line : lines) out << line << "\n";
  return unterminated;
}

}  // namespace

std::optional<CatalogKind> ParseCatalogKind(std::string_view name) {
  for (const KindInfo& info : KINDS) {
    if (info.name == name) return info.kind;
  }
  return std::nullopt;
}

std::string CatalogKindNames(std::string_view separator) {
  std::string names;
  for (const KindInfo& info : KINDS) {
    if (!names.empty()) names += separator;
    names += info.name;
  }
  return names;
}

int PrintCatalogInfo(const std::string& path, std::optional<CatalogKind> kind, std::ostream& out,
                     std::ostream& err) {
  const std::string prefix = "halvane-catalog: " + PrintableText(path, ECHOED_VALUE_BYTES) + ": ";
  // The same open as the layers': a directory or device is not a catalog.
  RecordFile probe(1);
  if (probe.Open(path, "") == WalkResult::CannotOpen) {
    err << prefix << Words::Tr("cannot be opened (missing, not a regular file, or unreadable)")
        << "\n";
    return 1;
  }
  std::error_code failure;
  const uintmax_t size = std::filesystem::file_size(path, failure);
  if (failure) {
    err << prefix << FillArgs(Words::Tr("cannot be opened (%1)"), {failure.message()}) << "\n";
    return 1;
  }
  out << "file: " << PrintableText(path, ECHOED_VALUE_BYTES) << " (" << size << " bytes)\n";
  if (size < HEADER_SIZE) {
    err << prefix
        << Words::Tr("only %n bytes, shorter than the 12-byte header", nullptr,
                     static_cast<int>(size))
        << "\n";
    return 1;
  }
  std::array<uint8_t, HEADER_SIZE> header{};
  {
    std::ifstream in(path, std::ios::binary);
    in.read(reinterpret_cast<char*>(header.data()), HEADER_SIZE);
    if (!in) {
      err << prefix << Words::Tr("the header cannot be read") << "\n";
      return 1;
    }
  }
  const DataFileHeader decoded = DecodeHeader(header.data());
  out << "header: magic \"" << Printable(header.data(), 4) << "\", tag \""
      << Printable(header.data() + 4, 4) << "\", version " << decoded.version << ", reserved "
      << decoded.reserved << "\n";

  if (!kind) kind = KindOfHeader(header.data(), path);
  if (!kind) {
    err << prefix
        << Words::Tr("unknown kind of catalog (tag and file name unknown); name one with --kind")
        << "\n";
    return 1;
  }
  KindInfo info = InfoOf(*kind);
  // Cities.dat of version 1 is still read, with its shorter records.
  const bool oldCities = info.kind == CatalogKind::Cities && decoded.version == 1;
  const uint16_t version = info.kind == CatalogKind::Cities && !oldCities ? CITIES_VERSION : 1;
  if (oldCities) info.recordSize = CITY_V1_RECORD_SIZE;
  int status = 0;
  out << "kind: " << info.name << " (" << info.recordSize << "-byte records)\n";
  if (info.tag.empty()) {
    out << "header: " << info.reader << " reads the records whatever the header holds\n";
  } else if (ValidateHeader(header.data(), info.tag, version)) {
    out << "header: " << info.reader << " accepts it\n";
  } else {
    out << "header: " << info.reader << " rejects it (\"Unsupported file version\"); it wants "
        << "magic \"HALV\", tag \"" << info.tag << "\", version " << version << ", reserved 0\n";
    //: %1 is the part of the program that reads the file
    err << prefix << FillArgs(Words::Tr("header rejected by %1"), {info.reader}) << "\n";
    status = 1;
  }

  const uintmax_t body = size - HEADER_SIZE;
  const uintmax_t trailing = body % info.recordSize;
  out << "records: " << body / info.recordSize << " whole, " << trailing << " trailing bytes\n";
  if (trailing != 0) {
    err << prefix
        << Words::Tr("%n bytes of a partial record at the end (ignored by readers)", nullptr,
                     static_cast<int>(trailing))
        << "\n";
    status = 1;
  }

  RecordFile file(info.recordSize);
  const WalkResult read = file.Open(path, "");
  if (read != WalkResult::Completed) {
    err << prefix
        << (read == WalkResult::TooLarge
                ? Words::Tr("larger than any catalog of its kind may be; readers refuse it")
                : Words::Tr("cannot be read"))
        << "\n";
    return 1;
  }
  Positions positions;
  size_t unterminated = 0;
  size_t unusableCities = 0;
  size_t invalidNames = 0;
  size_t damaged = 0;
  switch (info.kind) {
    case CatalogKind::Stars: ReportStars(file, positions, out); break;
    case CatalogKind::Lines: ReportLines(file, positions, out); break;
    case CatalogKind::Boundaries: ReportBoundaries(file, positions, out); break;
    case CatalogKind::Labels: unterminated = ReportLabels(file, positions, out); break;
    case CatalogKind::Cities: unusableCities = ReportCities(file, version, out); break;
    case CatalogKind::DeepSky:
      invalidNames = ReportSkyRecords(file, positions, 24, DEEP_SKY_NAME_BYTES, out);
      break;
    case CatalogKind::MilkyWay: ReportSkyRecords(file, positions, 0, 0, out); break;
    case CatalogKind::Names:
      invalidNames = ReportSkyRecords(file, positions, 24, NAME_BYTES, out);
      break;
    case CatalogKind::SkyNames: damaged = ReportSkyNames(file, out); break;
  }
  if (damaged > 0) {
    err << prefix
        << Words::Tr("%n damaged records (skipped by the reader)", nullptr,
                     static_cast<int>(damaged))
        << "\n";
    status = 1;
  }
  if (invalidNames > 0) {
    err << prefix
        << Words::Tr("%n names that are not valid UTF-8 (skipped by readers)", nullptr,
                     static_cast<int>(invalidNames))
        << "\n";
    status = 1;
  }
  if (unusableCities > 0) {
    err << prefix
        << Words::Tr("%n cities without a name or country, or out of range (skipped by the reader)",
                     nullptr, static_cast<int>(unusableCities))
        << "\n";
    status = 1;
  }
  if (positions.notFinite > 0) {
    err << prefix
        << Words::Tr("%n records with coordinates that are not finite (skipped by readers)",
                     nullptr, static_cast<int>(positions.notFinite))
        << "\n";
    status = 1;
  }
  if (positions.outOfRange > 0) {
    err << prefix
        << Words::Tr(
               "%n records with right ascension outside [0, 360) or declination outside "
               "[-90, 90] degrees",
               nullptr, static_cast<int>(positions.outOfRange))
        << "\n";
    status = 1;
  }
  if (unterminated > 0) {
    err << prefix
        << Words::Tr("%n names without a terminating zero byte", nullptr,
                     static_cast<int>(unterminated))
        << "\n";
    status = 1;
  }
  return status;
}

}  // namespace halvane
