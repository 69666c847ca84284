// Through time_t, localtime_r and mktime, which know the zone's rules and its changes.
#include "platform/local_day.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <optional>

namespace halvane {
namespace {

constexpr double JD_UNIX_EPOCH = 2440587.5;  // 1970 January 1, 0h UT
constexpr double SECONDS_PER_DAY = 86400.0;
constexpr double FIRST_JD = 2305813.5;  // 1601 January 1
constexpr double LAST_JD = 13052425.5;  // 30828 January 1

std::optional<std::tm> LocalTm(double jdUt, double roundTo) {
  if (!(jdUt >= FIRST_JD && jdUt < LAST_JD)) return std::nullopt;
  const double seconds = std::round((jdUt - JD_UNIX_EPOCH) * SECONDS_PER_DAY / roundTo) * roundTo;
  const std::time_t time = static_cast<std::time_t>(seconds);
  std::tm tm{};
  if (localtime_r(&time, &tm) == nullptr) return std::nullopt;
  return tm;
}

}  // namespace

double LocalMidnight(double jdUt) {
  std::optional<std::tm> tm = LocalTm(jdUt, 1.0);
  if (!tm) return NAN;
  tm->tm_hour = tm->tm_min = tm->tm_sec = 0;
  tm->tm_isdst = -1;
  const std::time_t midnight = std::mktime(&*tm);
  if (midnight == static_cast<std::time_t>(-1)) return NAN;
  return JD_UNIX_EPOCH + static_cast<double>(midnight) / SECONDS_PER_DAY;
}

std::string LocalIsoTime(double jdUt) {
  const std::optional<std::tm> tm = LocalTm(jdUt, 1.0);
  if (!tm) return {};
  // Zone offsets stay within a day.
  const int offset = static_cast<int>(std::labs(tm->tm_gmtoff) / 60 % 1440);
  char text[96];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d%c%02d:%02d", tm->tm_year + 1900,
                tm->tm_mon + 1, tm->tm_mday, tm->tm_hour, tm->tm_min, tm->tm_sec,
                tm->tm_gmtoff < 0 ? '-' : '+', offset / 60, offset % 60);
  return text;
}

std::string LocalClockTime(double jdUt) {
  const std::optional<std::tm> tm = LocalTm(jdUt, 60.0);
  if (!tm) return {};
  char text[8];
  std::snprintf(text, sizeof text, "%02d:%02d", tm->tm_hour, tm->tm_min);
  return text;
}

}  // namespace halvane
