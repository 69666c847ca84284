// The panel's facts of the object it is handed, however that object was named.
#include "chart/object_info.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "catalog/sky_target.h"
#include "catalog/star_list.h"
#include "tests/support/build_paths.h"

namespace halvane {
namespace {

TEST(ObjectInfo, DescribesTheObjectItIsGivenAsFindKnowsIt) {
  const SkyNames names = LoadSkyNames(test_support::SourcePath("data/Labels.dat"),
                                      test_support::SourcePath("data/Names.dat"),
                                      test_support::SourcePath("data/DeepSky.dat"));
  const std::vector<StarRecord> stars = LoadStarList(test_support::SourcePath("data/Stars.dat"));
  const Moment moment(CalendarTime{2024, 1, 1, 15, 21, 30, 0, 0}, Observer(-18.3, 49.7), false);
  const auto describe = [&](ObjectRef object) {
    return DescribeObject(names, stars, object, moment).value_or(ObjectInfo{});
  };
  // Tapped as the DeepSky.dat record the layer drew, M42 tells what Names.dat knows of it.
  const ObjectRef m42 = ResolveName(names, "M42")->object;
  const ObjectInfo found = describe(m42);
  const ObjectInfo tapped =
      describe({ObjectSource::DeepSky, names.objects[m42.index].record.object});
  EXPECT_EQ(tapped.name, "M42 Orion Nebula");
  EXPECT_EQ(tapped.kind, found.kind);
  EXPECT_EQ(tapped.otherNames, found.otherNames);
  EXPECT_FALSE(tapped.otherNames.empty());
  EXPECT_GT(tapped.majorAxis, 0.0);
  // The label "Orion" is the constellation; Sirius the star, with its colour.
  for (uint32_t i = 0; i < names.labels.size(); ++i) {
    const std::string name = names.labels[i].name;
    if (name == "Orion") {
      EXPECT_EQ(describe({ObjectSource::Label, i}).kind, "constellation");
    }
    if (name == "Sirius") {
      EXPECT_TRUE(describe({ObjectSource::Label, i}).colorIndex.has_value());
    }
  }
  EXPECT_FALSE(DescribeObject(names, stars, {ObjectSource::Satellite, 0}, moment).has_value());
  const ObjectInfo vesta = describe({ObjectSource::UnloadedAsteroid, 3});
  EXPECT_EQ(vesta.name, "(4) Vesta");
  EXPECT_TRUE(vesta.noElements);
}

// Times checked against PyEphem 4.1.4 (no refraction model, horizon -0:34, upper limb for
// the Sun and the Moon): in Sydney at 22:00 on 26 March 2026 the Moon sets at 00:30:13 the
// next day, rises at 15:38:21, transits at 20:36:35; Vega rises at 03:22:59; Acrux transits
// at 01:07:08; in Tromsø on 21 June the Sun transits at 12:45:58 and does not set, and on 21
// December does not rise. Shown to the minute, in the place's own time.
TEST(ObjectInfo, TheHorizonLineGivesTheNextEventsInTimeOrderInWords) {
  const SkyNames names = LoadSkyNames(test_support::SourcePath("data/Labels.dat"),
                                      test_support::SourcePath("data/Names.dat"),
                                      test_support::SourcePath("data/DeepSky.dat"));
  struct Case {
    double longitudeWest;
    double latitude;
    CalendarTime utc;
    int32_t zoneHours;
    const char* name;
    const char* line;  // ECMAScript pattern of how the line begins
  };
  const CalendarTime sydney{2026, 3, 4, 26, 11, 0, 0, 0};  // 22:00 AEDT
  const Case cases[] = {
      {-151.21, -33.87, sydney, 11, "Moon",
       "Up now; sets at tomorrow 00:30, rises at tomorrow 15:38, transit tomorrow 20:37"},
      {-151.21, -33.87, sydney, 11, "Vega", "Below the horizon: rises at tomorrow 03:2[23]"},
      {-151.21, -33.87, sydney, 11, "Polaris", "Below the horizon: never rises here"},
      {-151.21, -33.87, sydney, 11, "Acrux", "Up now; never sets here; transit tomorrow 01:07"},
      // Past midnight the Moon's set is today's.
      {-151.21, -33.87, CalendarTime{2026, 3, 4, 26, 13, 10, 0, 0}, 11, "Moon",
       "Up now; sets at 00:30, rises at 15:38, transit 20:37"},
      {-18.96, 69.65, CalendarTime{2026, 6, 0, 21, 10, 0, 0, 0}, 2, "Sun",
       "Up now; does not set within 24 hours; transit 12:46"},
      {-18.96, 69.65, CalendarTime{2026, 12, 1, 21, 10, 0, 0, 0}, 1, "Sun",
       "Below the horizon: does not rise within 24 hours"},
  };
  for (const Case& c : cases) {
    const Moment moment(c.utc, Observer(c.longitudeWest, c.latitude), false);
    const int64_t offset = int64_t{c.zoneHours} * 3600;
    const std::optional<ObjectInfo> info =
        DescribeObject(names, {}, ResolveName(names, c.name)->object, moment,
                       [offset](int64_t) { return offset; });
    ASSERT_TRUE(info.has_value()) << c.name;
    EXPECT_TRUE(std::regex_search(HorizonLine(*info), std::regex(std::string("^") + c.line)))
        << c.name << ": " << HorizonLine(*info);
  }
}

}  // namespace
}  // namespace halvane
