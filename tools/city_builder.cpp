// The build-cities command of halvane-catalog.
#include "tools/city_builder.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <string_view>
#include <tuple>

#include "catalog/city_records.h"
#include "catalog/name_search.h"
#include "platform/printable_text.h"
#include "platform/translate.h"
#include "tools/catalog_writer.h"

namespace halvane {

namespace {

// Fields of a line of the table, counted from 0.
constexpr size_t NAME_FIELD = 1;
constexpr size_t LATITUDE_FIELD = 4;
constexpr size_t LONGITUDE_FIELD = 5;
constexpr size_t COUNTRY_FIELD = 8;
constexpr size_t POPULATION_FIELD = 14;
constexpr size_t ZONE_FIELD = 17;
constexpr size_t FIELD_COUNT = 19;

std::vector<std::string_view> SplitTabs(std::string_view line) {
  std::vector<std::string_view> fields;
  size_t start = 0;
  while (true) {
    const size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
    if (tab == std::string_view::npos) return fields;
    start = tab + 1;
  }
}

template <typename Number>
bool ParseWhole(std::string_view text, Number& value) {
  const auto [end, failure] = std::from_chars(text.data(), text.data() + text.size(), value);
  return failure == std::errc() && end == text.data() + text.size();
}

// Degrees to whole seconds of arc; false when not a number within limit degrees.
bool ParseSeconds(std::string_view text, double limitDegrees, int32_t& seconds) {
  double degrees = 0.0;
  if (!ParseWhole(text, degrees) || !std::isfinite(degrees) || std::fabs(degrees) > limitDegrees) {
    return false;
  }
  seconds = static_cast<int32_t>(std::lround(degrees * SECONDS_PER_DEGREE));
  return true;
}

bool IsCountryCode(std::string_view code) {
  return code.size() == 2 &&
         std::all_of(code.begin(), code.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

// One line of the table; false when it is malformed.
bool ParseCity(std::string_view line, CityRecord& city) {
  const std::vector<std::string_view> fields = SplitTabs(line);
  if (fields.size() != FIELD_COUNT || fields[NAME_FIELD].empty() ||
      !IsCountryCode(fields[COUNTRY_FIELD])) {
    return false;
  }
  city.name = std::string(fields[NAME_FIELD]);
  city.country = std::string(fields[COUNTRY_FIELD]);
  city.population = 0;
  // An id that does not fit the record leaves the city without a zone rather than without
  // the city.
  city.zone = IsZoneId(fields[ZONE_FIELD]) ? std::string(fields[ZONE_FIELD]) : std::string();
  return ParseSeconds(fields[LATITUDE_FIELD], 90.0, city.latitudeSeconds) &&
         ParseSeconds(fields[LONGITUDE_FIELD], 180.0, city.longitudeSeconds) &&
         (fields[POPULATION_FIELD].empty() ||
          ParseWhole(fields[POPULATION_FIELD], city.population));
}

}  // namespace

bool BuildCities(const std::string& sourceFile, const std::string& outDir,
                 CityBuildSummary& summary, std::string& error) {
  std::ifstream in(sourceFile, std::ios::binary);
  if (!in) {
    error =
        FillArgs(Words::Tr("%1: cannot be read"), {PrintableText(sourceFile, ECHOED_VALUE_BYTES)});
    return false;
  }
  struct Sorted {
    std::string folded;
    CityRecord city;
  };
  std::vector<Sorted> rows;
  std::string line;
  CityRecord city;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    if (!ParseCity(line, city)) {
      ++summary.malformed;
      continue;
    }
    if (city.population < MIN_CITY_POPULATION) {
      ++summary.tooSmall;
      continue;
    }
    if (city.zone.empty()) ++summary.withoutZone;
    const std::string full = city.name;
    city.name = ShortenUtf8(full, CITY_NAME_BYTES);
    if (city.name != full) {
      summary.shortened.push_back(full + " (" + city.country + ") -> " + city.name);
    }
    rows.push_back({FoldName(city.name).text, city});
  }
  if (rows.empty()) {
    error = PrintableText(sourceFile, ECHOED_VALUE_BYTES) + ": no city of " +
            std::to_string(MIN_CITY_POPULATION) +
            " inhabitants or more (is it the tab-separated GeoNames table?)";
    return false;
  }
  std::sort(rows.begin(), rows.end(), [](const Sorted& a, const Sorted& b) {
    return std::make_tuple(std::string_view(a.folded), -static_cast<int64_t>(a.city.population),
                           std::string_view(a.city.name), std::string_view(a.city.country),
                           a.city.latitudeSeconds, a.city.longitudeSeconds) <
           std::make_tuple(std::string_view(b.folded), -static_cast<int64_t>(b.city.population),
                           std::string_view(b.city.name), std::string_view(b.city.country),
                           b.city.latitudeSeconds, b.city.longitudeSeconds);
  });
  std::vector<CityRecord> cities;
  cities.reserve(rows.size());
  for (Sorted& row : rows) cities.push_back(std::move(row.city));
  summary.cities = cities.size();

  std::error_code failure;
  std::filesystem::create_directories(outDir, failure);
  if (failure) {
    error = PrintableText(outDir, ECHOED_VALUE_BYTES) + ": cannot be created (" +
            failure.message() + ")";
    return false;
  }
  return WriteCatalog(std::filesystem::path(outDir) / "Cities.dat", CITIES_TAG, CITY_RECORD_SIZE,
                      cities, EncodeCity, error, CITIES_VERSION);
}

int RunBuildCities(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const auto usage = [&err](const std::string& problem) {
    err << "halvane-catalog: " << FillArgs(Words::Tr("%1 (see halvane-catalog --help)"), {problem})
        << "\n";
    return 2;
  };
  std::string source;
  std::string outDir;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& option = args[i];
    if (option != "--source" && option != "--out") {
      return usage(
          FillArgs(Words::Tr("unknown option '%1'"), {PrintableText(option, ECHOED_VALUE_BYTES)}));
    }
    if (i + 1 >= args.size() || args[i + 1].empty()) {
      return usage(FillArgs(
          option == "--source" ? Words::Tr("%1 needs a file") : Words::Tr("%1 needs a folder"),
          {option}));
    }
    (option == "--source" ? source : outDir) = args[++i];
  }
  if (source.empty()) return usage(Words::Tr("build-cities needs --source FILE"));
  if (outDir.empty()) return usage(Words::Tr("build-cities needs --out DIR"));

  CityBuildSummary summary;
  std::string error;
  if (!BuildCities(source, outDir, summary, error)) {
    err << "halvane-catalog: " << error << "\n";
    return 1;
  }
  for (const std::string& name : summary.shortened) {
    out << "Cities.dat: shortened " << PrintableText(name, ECHOED_VALUE_BYTES) << "\n";
  }
  out << "Cities.dat: " << summary.cities << " cities of " << MIN_CITY_POPULATION
      << " inhabitants or more (" << summary.tooSmall << " smaller places and " << summary.malformed
      << " malformed lines left out, " << summary.shortened.size() << " names shortened, "
      << summary.withoutZone << " without a time zone)\n";
  return 0;
}

}  // namespace halvane
