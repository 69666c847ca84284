// Local readings through a zone's offsets and gmtime_r; the device's offsets from localtime_r.
#include "platform/local_day.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <optional>

#include "platform/translate.h"

namespace halvane {
namespace {

constexpr double JD_UNIX_EPOCH = 2440587.5;  // 1970 January 1, 0h UT
constexpr double SECONDS_PER_DAY = 86400.0;
constexpr double FIRST_JD = 2305813.5;  // 1601 January 1
constexpr double LAST_JD = 13052425.5;  // 30828 January 1

constexpr int64_t HALF_DAY_SECONDS = 43200;
//: months, abbreviated
constexpr const char* MONTHS[12] = {Words::Mark("Jan"), Words::Mark("Feb"), Words::Mark("Mar"),
                                    Words::Mark("Apr"), Words::Mark("May"), Words::Mark("Jun"),
                                    Words::Mark("Jul"), Words::Mark("Aug"), Words::Mark("Sep"),
                                    Words::Mark("Oct"), Words::Mark("Nov"), Words::Mark("Dec")};
// The day of the week (0 Sunday), abbreviated; apart from the Sun's name by its disambiguation.
std::string Weekday(int day) {
  switch (day) {
    case 0: return Words::Tr("Sun", "day of the week");
    case 1: return Words::Tr("Mon", "day of the week");
    case 2: return Words::Tr("Tue", "day of the week");
    case 3: return Words::Tr("Wed", "day of the week");
    case 4: return Words::Tr("Thu", "day of the week");
    case 5: return Words::Tr("Fri", "day of the week");
    default: return Words::Tr("Sat", "day of the week");
  }
}

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
  return Words::Clock(reading->tm.tm_hour, reading->tm.tm_min);
}

std::string LocalTimeFromDay(double jdUt, double dayJdUt, bool sayTomorrow,
                             const ZoneOffsets& zone) {
  const std::optional<LocalReading> reading = LocalTm(jdUt, 60.0, zone);
  const std::optional<LocalReading> day = LocalTm(dayJdUt, 1.0, zone);
  if (!reading || !day) return {};
  const std::tm& tm = reading->tm;
  const std::string clock = Words::Clock(tm.tm_hour, tm.tm_min);
  if (SameDate(tm, day->tm)) return clock;
  //: %1 is a time of day
  if (sayTomorrow && SameDate(tm, NextDate(day->tm)))
    return FillArgs(Words::Tr("tomorrow %1"), {clock});
  //: %1 day of the month, %2 month, %3 time of day
  return FillArgs(Words::Tr("%1 %2 %3", "date and time"),
                  {std::to_string(tm.tm_mday), Words::Tr(MONTHS[tm.tm_mon % 12]), clock});
}

std::string LocalDateText(double jdUt, const ZoneOffsets& zone) {
  const std::optional<LocalReading> reading = LocalTm(jdUt, 1.0, zone);
  if (!reading) return {};
  const std::tm& tm = reading->tm;
  //: %1 day of the week, %2 day of the month, %3 month, %4 year
  return FillArgs(Words::Tr("%1 %2 %3 %4", "date"),
                  {Weekday(tm.tm_wday % 7), std::to_string(tm.tm_mday),
                   Words::Tr(MONTHS[tm.tm_mon % 12]), std::to_string(tm.tm_year + 1900)});
}

}  // namespace halvane
