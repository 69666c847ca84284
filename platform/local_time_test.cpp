// Tests of the local/universal time conversion under a fixed time zone, and of named zones.
#include "platform/clock.h"
#include "platform/zone_time.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace halvane {
namespace {

// Central European time with summer time, set for each test and restored afterwards.
class LocalTime : public testing::Test {
 protected:
  void SetUp() override {
    if (const char* old = std::getenv("TZ")) oldTz = old;
    struct stat info {};
    const bool haveZone = stat("/usr/share/zoneinfo/Europe/Prague", &info) == 0;
    setenv("TZ", haveZone ? "Europe/Prague" : "CET-1CEST,M3.5.0,M10.5.0/3", 1);
    tzset();
  }
  void TearDown() override {
    oldTz ? setenv("TZ", oldTz->c_str(), 1) : unsetenv("TZ");
    tzset();
  }
  std::optional<std::string> oldTz;
};

CalendarTime Record(int year, int month, int day, int hour, int minute, int second = 0, int ms = 0,
                    int dayOfWeek = 0) {
  const auto u = [](int v) { return static_cast<uint16_t>(v); };
  return CalendarTime{u(year), u(month),  u(dayOfWeek), u(day),
                      u(hour), u(minute), u(second),    u(ms)};
}

TEST_F(LocalTime, UsesTheOffsetOfThatDateAndFillsTheDayOfWeek) {
  CalendarTime summer = Record(2024, 7, 15, 12, 30, 45, 678);
  ASSERT_TRUE(LocalToUniversal(summer));
  EXPECT_EQ(summer, Record(2024, 7, 15, 10, 30, 45, 678, 1));  // Monday
  CalendarTime winter = Record(2024, 1, 1, 0, 30);
  ASSERT_TRUE(LocalToUniversal(winter));
  EXPECT_EQ(winter, Record(2023, 12, 31, 23, 30, 0, 0, 0));  // Sunday
  CalendarTime leapDay = Record(2024, 2, 29, 23, 59, 59, 999);
  ASSERT_TRUE(UniversalToLocal(leapDay));
  EXPECT_EQ(leapDay, Record(2024, 3, 1, 0, 59, 59, 999, 5));  // Friday
}

// Every half hour of a year there and back; only local times in the repeated autumn hour may
// come back an hour apart, since they name two moments.
TEST_F(LocalTime, RoundTripsEveryHalfHourOfAYear) {
  for (int slot = 0; slot < 366 * 48; ++slot) {
    std::tm tm{};
    tm.tm_year = 2024 - 1900;
    tm.tm_mday = 1 + slot / 48;
    tm.tm_min = (slot % 48) * 30;
    timegm(&tm);  // normalises the fields and fills the day of week
    const CalendarTime universal = Record(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour,
                                          tm.tm_min, 0, 0, tm.tm_wday);
    CalendarTime time = universal;
    ASSERT_TRUE(UniversalToLocal(time));
    const bool repeatedHour = time.month == 10 && time.day == 27 && time.hour == 2;
    ASSERT_TRUE(LocalToUniversal(time));
    if (repeatedHour) continue;
    ASSERT_EQ(time, universal) << slot;
  }
}

TEST_F(LocalTime, LeavesRecordsThatAreNoRealTimeUnchanged) {
  const CalendarTime bad[] = {
      Record(2024, 2, 31, 12, 0), Record(2023, 2, 29, 12, 0),    Record(2024, 13, 1, 12, 0),
      Record(2024, 0, 1, 12, 0),  Record(2024, 4, 31, 12, 0),    Record(2024, 4, 1, 24, 0),
      Record(2024, 4, 1, 12, 60), Record(2024, 4, 1, 12, 0, 60), Record(2024, 4, 1, 12, 0, 0, 1000),
      Record(0, 1, 1, 0, 0),      Record(65535, 12, 31, 23, 59),
  };
  for (const CalendarTime& record : bad) {
    CalendarTime time = record;
    EXPECT_FALSE(LocalToUniversal(time)) << record.year << '-' << record.month << '-' << record.day;
    EXPECT_FALSE(UniversalToLocal(time));
    EXPECT_EQ(time, record);
  }
  CalendarTime beforeFirstYear = Record(1601, 1, 1, 0, 30, 0, 0, 9);  // 1600 in universal time
  EXPECT_FALSE(LocalToUniversal(beforeFirstYear));
  EXPECT_EQ(beforeFirstYear, Record(1601, 1, 1, 0, 30, 0, 0, 9));
}

// The device's zone (Prague here) and named ones: gaps refused, repeated hours at their first
// passing, old names of the database known, anything else the device's.
TEST_F(LocalTime, ZoneTimesRefuseGapsTakeFirstRepeatsAndKnowOldNames) {
  for (const std::string zone : {"", "Europe/Paris", "Nowhere/Else"}) {
    CalendarTime gap = Record(2024, 3, 31, 2, 30);
    EXPECT_EQ(ZoneToUniversal(zone, gap), WallTimeResult::Skipped) << zone;
    EXPECT_EQ(gap, Record(2024, 3, 31, 2, 30)) << zone;
    CalendarTime repeated = Record(2024, 10, 27, 2, 30, 0, 5);
    ASSERT_EQ(ZoneToUniversal(zone, repeated), WallTimeResult::Converted) << zone;
    EXPECT_EQ(repeated, Record(2024, 10, 27, 0, 30, 0, 5, 0)) << zone;
    EXPECT_EQ(ZoneAbbreviation(zone, repeated), "CEST") << zone;
  }
  CalendarTime tokyo = Record(2024, 3, 31, 2, 30);
  ASSERT_EQ(ZoneToUniversal("Asia/Tokyo", tokyo), WallTimeResult::Converted);
  EXPECT_EQ(tokyo, Record(2024, 3, 30, 17, 30, 0, 0, 6));
  ASSERT_TRUE(UniversalToZone("Asia/Tokyo", tokyo));
  EXPECT_EQ(tokyo, Record(2024, 3, 31, 2, 30, 0, 0, 0));
  CalendarTime unreal = Record(2024, 2, 30, 12, 0);
  EXPECT_EQ(ZoneToUniversal("Asia/Tokyo", unreal), WallTimeResult::Unreal);

  EXPECT_TRUE(IsKnownZone("Europe/Kiev"));  // a link, absent from zone.tab
  EXPECT_TRUE(IsKnownZone("Asia/Tokyo"));
  for (const char* id : {"", "Nowhere/Else", "../zoneinfo/UTC", "/etc/localtime"}) {
    EXPECT_FALSE(IsKnownZone(id)) << id;
  }
}

}  // namespace
}  // namespace halvane
