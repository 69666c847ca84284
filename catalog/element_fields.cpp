// Field decoding shared by the element readers.
#include "catalog/element_fields.h"

#include <charconv>
#include <cmath>

#include "astro/sidereal_time.h"

namespace halvane {
namespace {

constexpr int FIRST_EPOCH_YEAR = 1957;  // the first satellite
constexpr int LAST_EPOCH_YEAR = 2200;
constexpr double MAX_MEAN_MOTION = 100.0;  // rev/day, far above any orbit outside the Earth

bool IsAngle(double degrees, double limit) { return degrees >= 0.0 && degrees <= limit; }

}  // namespace

std::string_view TrimField(std::string_view text) {
  constexpr std::string_view SPACE = " \t\r\n";
  const size_t first = text.find_first_not_of(SPACE);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(SPACE) - first + 1);
}

std::optional<double> ParseDecimal(std::string_view text) {
  text = TrimField(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return std::nullopt;
  double value = 0.0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

std::optional<long long> ParseInteger(std::string_view text) {
  text = TrimField(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  long long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
    return std::nullopt;
  }
  return value;
}

bool SetIsoEpoch(std::string_view text, OrbitalElements& elements) {
  text = TrimField(text);
  if (!text.empty() && (text.back() == 'Z' || text.back() == 'z')) text.remove_suffix(1);
  if (text.size() < 10 || text[4] != '-' || text[7] != '-') return false;
  const auto year = ParseInteger(text.substr(0, 4));
  const auto month = ParseInteger(text.substr(5, 2));
  const auto day = ParseInteger(text.substr(8, 2));
  if (!year || !month || !day || *month < 1 || *month > 12 || *day < 1 || *day > 31) return false;
  double seconds = 0.0;
  if (text.size() > 10) {
    if (text.size() < 19 || (text[10] != 'T' && text[10] != ' ') || text[13] != ':' ||
        text[16] != ':') {
      return false;
    }
    const auto hour = ParseInteger(text.substr(11, 2));
    const auto minute = ParseInteger(text.substr(14, 2));
    const auto second = ParseDecimal(text.substr(17));
    if (!hour || !minute || !second || *hour < 0 || *hour > 23 || *minute < 0 || *minute > 59 ||
        *second < 0.0 || *second >= 61.0 || text[17] == '-') {
      return false;
    }
    seconds = static_cast<double>(*hour * 3600 + *minute * 60) + *second;
  }
  if (*year < FIRST_EPOCH_YEAR || *year > LAST_EPOCH_YEAR) return false;
  elements.epochJulianDay = JulianDay(static_cast<int32_t>(*year), static_cast<int32_t>(*month),
                                      static_cast<int32_t>(*day), 0.0);
  elements.epochJulianDayFraction = seconds / 86400.0;
  return true;
}

void SetYearDayEpoch(int year, double dayOfYear, OrbitalElements& elements) {
  const double wholeDays = std::floor(dayOfYear);
  elements.epochJulianDay = JulianDay(year, 1, 1, 0.0) + (wholeDays - 1.0);
  elements.epochJulianDayFraction = dayOfYear - wholeDays;
}

std::string_view UnusableField(const OrbitalElements& e) {
  if (e.catalogNumber < 1) return "catalogue number";
  const double firstEpoch = JulianDay(FIRST_EPOCH_YEAR, 1, 1, 0.0);
  const double lastEpoch = JulianDay(LAST_EPOCH_YEAR + 1, 1, 1, 0.0);
  if (!(e.epochJulianDay >= firstEpoch && e.epochJulianDay < lastEpoch) ||
      !(e.epochJulianDayFraction >= 0.0 && e.epochJulianDayFraction < 1.0)) {
    return "epoch";
  }
  if (!(e.meanMotion > 0.0 && e.meanMotion <= MAX_MEAN_MOTION)) return "mean motion";
  if (!(e.eccentricity >= 0.0 && e.eccentricity < 1.0)) return "eccentricity";
  if (!IsAngle(e.inclinationDeg, 180.0)) return "inclination";
  if (!IsAngle(e.raanDeg, 360.0)) return "right ascension of the ascending node";
  if (!IsAngle(e.argumentOfPerigeeDeg, 360.0)) return "argument of perigee";
  if (!IsAngle(e.meanAnomalyDeg, 360.0)) return "mean anomaly";
  if (!std::isfinite(e.bstar)) return "drag term";
  if (!std::isfinite(e.meanMotionDot)) return "mean motion derivative";
  if (!std::isfinite(e.meanMotionDdot)) return "mean motion second derivative";
  return {};
}

}  // namespace halvane
