// Zone offsets from QTimeZone (the system's tzdata) or the C library, and wall times through
// them.
#include "platform/zone_time.h"

#include <QByteArray>
#include <QDateTime>
#include <QTimeZone>
#include <algorithm>
#include <cstdint>
#include <ctime>
#include <optional>

#include "platform/clock.h"
#include "platform/local_day.h"
#include "platform/tm_fields.h"

namespace halvane {

namespace {

constexpr int64_t HALF_DAY_SECONDS = 43200;

// The id's characters as IANA writes them: no dots, so never a path out of the zone folder.
bool IsIdText(const std::string& zone) {
  return !zone.empty() && std::all_of(zone.begin(), zone.end(), [](char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '/' ||
           c == '_' || c == '+' || c == '-';
  });
}

std::optional<QTimeZone> NamedZone(const std::string& zone) {
  if (!IsIdText(zone) || zone.front() == '/') return std::nullopt;
  // Validity, not isTimeZoneIdAvailable: that lists zone.tab only and refuses old names that
  // the database still holds as links ("Europe/Kiev").
  QTimeZone named(QByteArray::fromStdString(zone));
  if (!named.isValid()) return std::nullopt;
  return named;
}

// The record's fields read as universal time, in seconds since 1970.
int64_t SecondsOf(const CalendarTime& time) {
  std::tm tm = ToTm(time);
  tm.tm_isdst = 0;
  return timegm(&tm);
}

// Writes the calendar time of seconds into time, milliseconds kept; false outside the years.
bool StoreSeconds(int64_t seconds, CalendarTime& time) {
  const auto t = static_cast<std::time_t>(seconds);
  std::tm tm{};
  if (gmtime_r(&t, &tm) == nullptr) return false;
  return FromTm(tm, time);
}

}  // namespace

ZoneOffsets OffsetsOfZone(const std::string& zone) {
  if (std::optional<QTimeZone> named = NamedZone(zone)) {
    return [tz = *named](int64_t seconds) -> int64_t {
      return tz.offsetFromUtc(QDateTime::fromSecsSinceEpoch(seconds, QTimeZone::utc()));
    };
  }
  return DeviceOffset;
}

bool UniversalToZone(const std::string& zone, CalendarTime& time) {
  if (!IsRealTime(time)) return false;
  const int64_t universal = SecondsOf(time);
  CalendarTime wall = time;
  if (!StoreSeconds(universal + OffsetsOfZone(zone)(universal), wall)) return false;
  time = wall;
  return true;
}

WallTimeResult ZoneToUniversal(const std::string& zone, CalendarTime& time) {
  if (!IsRealTime(time)) return WallTimeResult::Unreal;
  const std::optional<int64_t> first = FirstInstantShowing(SecondsOf(time), OffsetsOfZone(zone));
  if (!first) return WallTimeResult::Skipped;
  CalendarTime universal = time;
  if (!StoreSeconds(*first, universal)) return WallTimeResult::Unreal;
  time = universal;
  return WallTimeResult::Converted;
}

bool StepZoneDays(const std::string& zone, CalendarTime& time, int32_t days) {
  CalendarTime wall = time;
  if (!UniversalToZone(zone, wall)) return false;
  // Calendar days on the wall clock: the record's fields read as universal time step exactly.
  if (!StoreSeconds(SecondsOf(wall) + int64_t{days} * 2 * HALF_DAY_SECONDS, wall)) return false;
  // A skipped wall time lies in a gap of at most a few hours: the clocks' first time after it.
  for (int hours = 0; hours <= 3; ++hours) {
    CalendarTime universal = wall;
    if (hours > 0 && !StoreSeconds(SecondsOf(wall) + int64_t{hours} * 3600, universal)) {
      return false;
    }
    const WallTimeResult result = ZoneToUniversal(zone, universal);
    if (result == WallTimeResult::Unreal) return false;
    if (result == WallTimeResult::Skipped) continue;
    time = universal;
    return true;
  }
  return false;
}

std::string ZoneAbbreviation(const std::string& zone, const CalendarTime& utc) {
  if (!IsRealTime(utc)) return {};
  const int64_t seconds = SecondsOf(utc);
  std::string name;
  if (std::optional<QTimeZone> named = NamedZone(zone)) {
    name =
        named->abbreviation(QDateTime::fromSecsSinceEpoch(seconds, QTimeZone::utc())).toStdString();
  } else {
    const auto t = static_cast<std::time_t>(seconds);
    std::tm local{};
    if (localtime_r(&t, &local) != nullptr && local.tm_zone != nullptr) name = local.tm_zone;
  }
  // The name comes from files and the environment: only what the caption can write.
  std::erase_if(name, [](char c) { return c <= ' ' || c > '~'; });
  return name;
}

bool IsKnownZone(const std::string& zone) { return NamedZone(zone).has_value(); }

}  // namespace halvane
