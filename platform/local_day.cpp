// Local readings through a zone's offsets and gmtime_r; the device's offsets from localtime_r.
#include "platform/local_day.h"

#include <algorithm>
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

constexpr int64_t HALF_DAY_SECONDS = 43200;
constexpr const char* MONTHS[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                    "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr const char* WEEKDAYS[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

// The local calendar time of jdUt rounded to roundTo seconds, and its offset.
struct LocalReading {
  std::tm tm;
  int64_t offset;
};

std::optional<LocalReading> LocalTm(double jdUt, double roundTo, const ZoneOffsets& zone) {
  if (!(jdUt >= FIRST_JD && jdUt < LAST_JD)) return std::nullopt;
  const double seconds = std::round((jdUt - JD_UNIX_EPOCH) * SECONDS_PER_DAY / roundTo) * roundTo;
  const auto universal = static_cast<int64_t>(seconds);
  const int64_t offset = zone(universal);
  const auto wall = static_cast<std::time_t>(universal + offset);
  LocalReading reading{};
  if (gmtime_r(&wall, &reading.tm) == nullptr) return std::nullopt;
  reading.offset = offset;
  return reading;
}

bool SameDate(const std::tm& a, const std::tm& b) {
  return a.tm_year == b.tm_year && a.tm_yday == b.tm_yday;
}

// The date after day's, as gmtime_r writes it.
std::tm NextDate(std::tm day) {
  day.tm_hour = 12;
  day.tm_mday += 1;
  const std::time_t next = timegm(&day);
  std::tm result{};
  gmtime_r(&next, &result);
  return result;
}

}  // namespace

int64_t DeviceOffset(int64_t universalSeconds) {
  const auto t = static_cast<std::time_t>(universalSeconds);
  std::tm local{};
  return localtime_r(&t, &local) == nullptr ? 0 : local.tm_gmtoff;
}

std::optional<int64_t> FirstInstantShowing(int64_t wallSeconds, const ZoneOffsets& zone) {
  // Offsets stay within a day of UTC, so every instant showing this wall time lies within a
  // day of it; an offset in force around it that maps back onto it gives one such instant.
  std::optional<int64_t> first;
  for (int64_t step = -2; step <= 2; ++step) {
    const int64_t offset = zone(wallSeconds + step * HALF_DAY_SECONDS);
    const int64_t universal = wallSeconds - offset;
    if (zone(universal) != offset) continue;
    first = first ? std::min(*first, universal) : universal;
  }
  return first;
}

double LocalMidnight(double jdUt, const ZoneOffsets& zone) {
  const std::optional<LocalReading> reading = LocalTm(jdUt, 1.0, zone);
  if (!reading) return NAN;
  std::tm tm = reading->tm;
  tm.tm_hour = tm.tm_min = tm.tm_sec = 0;
  const int64_t midnight = timegm(&tm);
  // Where the clocks skip midnight the day begins at the end of the gap, at most hours later.
  for (int64_t wall = midnight; wall < midnight + HALF_DAY_SECONDS; wall += 900) {
    if (const std::optional<int64_t> first = FirstInstantShowing(wall, zone)) {
      return JD_UNIX_EPOCH + static_cast<double>(*first) / SECONDS_PER_DAY;
    }
  }
  return NAN;
}

std::string LocalIsoTime(double jdUt, const ZoneOffsets& zone) {
  const std::optional<LocalReading> reading = LocalTm(jdUt, 1.0, zone);
  if (!reading) return {};
  const std::tm& tm = reading->tm;
  // Zone offsets stay within a day.
  const int offset = static_cast<int>(std::llabs(reading->offset) / 60 % 1440);
  char text[96];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d%c%02d:%02d", tm.tm_year + 1900,
                tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec,
                reading->offset < 0 ? '-' : '+', offset / 60, offset % 60);
  return text;
}

std::string LocalClockTime(double jdUt, const ZoneOffsets& zone) {
  const std::optional<LocalReading> reading = LocalTm(jdUt, 60.0, zone);
  if (!reading) return {};
  char text[8];
  std::snprintf(text, sizeof text, "%02d:%02d", reading->tm.tm_hour, reading->tm.tm_min);
  return text;
}

std::string LocalTimeFromDay(double jdUt, double dayJdUt, bool sayTomorrow,
                             const ZoneOffsets& zone) {
  const std::optional<LocalReading> reading = LocalTm(jdUt, 60.0, zone);
  const std::optional<LocalReading> day = LocalTm(dayJdUt, 1.0, zone);
  if (!reading || !day) return {};
  const std::tm& tm = reading->tm;
  char text[40];
  if (SameDate(tm, day->tm)) {
    std::snprintf(text, sizeof text, "%02d:%02d", tm.tm_hour, tm.tm_min);
  } else if (sayTomorrow && SameDate(tm, NextDate(day->tm))) {
    std::snprintf(text, sizeof text, "tomorrow %02d:%02d", tm.tm_hour, tm.tm_min);
  } else {
    std::snprintf(text, sizeof text, "%d %s %02d:%02d", tm.tm_mday, MONTHS[tm.tm_mon % 12],
                  tm.tm_hour, tm.tm_min);
  }
  return text;
}

std::string LocalDateText(double jdUt, const ZoneOffsets& zone) {
  const std::optional<LocalReading> reading = LocalTm(jdUt, 1.0, zone);
  if (!reading) return {};
  const std::tm& tm = reading->tm;
  char text[40];
  std::snprintf(text, sizeof text, "%s %d %s %d", WEEKDAYS[tm.tm_wday % 7], tm.tm_mday,
                MONTHS[tm.tm_mon % 12], tm.tm_year + 1900);
  return text;
}

}  // namespace halvane
