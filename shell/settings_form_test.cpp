// The settings form without a dialog: what it shows for a place and a time, how one edit
// rewrites the others, and what the one check refuses and where.
#include "shell/settings_form.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <initializer_list>
#include <string>

#include "astro/angles.h"
#include "catalog/city_catalog.h"
#include "tests/support/build_paths.h"

namespace halvane {
namespace {

using F = SettingsField;

class SettingsFormTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { LoadCityCatalog(test_support::BuildPath("Cities.dat"), cities); }

  // The built-in place, 18 20' 20" E 49 41' 49" N, on the clock's 15 January 2024, 21:30 UT.
  static SettingsValues Home() {
    SettingsValues values;
    values.longitude = DmsToDegrees(-18, 20, 20);
    values.latitude = DmsToDegrees(49, 41, 49);
    values.fixedTime = CalendarTime{2005, 1, 6, 1, 21, 0, 0, 0};
    return values;
  }
  SettingsForm Open(const SettingsValues& values = Home()) {
    return SettingsForm(cities, clock, values, "Europe/Prague", false);
  }
  static void TypeAll(SettingsForm& form, std::initializer_list<std::pair<F, const char*>> texts) {
    for (const auto& [field, text] : texts) form.Type(field, text);
  }

  inline static CityCatalog cities;
  FunctionClock clock{[] { return CalendarTime{2024, 1, 1, 15, 21, 30, 0, 0}; }};
};

TEST_F(SettingsFormTest, EachRefusalSaysWhatAndWhereAndAFixedFormGivesTheSettings) {
  struct Case {
    F field;
    const char* text;
    bool fixedTime;
    F fix;
    const char* message;  // null: any
  };
  const Case cases[] = {
      {F::LongitudeMinutes, "", false, F::LongitudeDegrees, nullptr},
      {F::LatitudeDegrees, "", false, F::LatitudeDegrees, nullptr},
      {F::LongitudeDegrees, "99999999999", false, F::LongitudeDegrees, nullptr},
      {F::LatitudeDegrees, "90", false, F::LatitudeDegrees, "Latitudes run from 0 to 90\u00B0."},
      {F::Day, "31", true, F::Day, "There is no 31.2.2005."},
      {F::Month, "13", true, F::Month, "Months run from 1 to 12."},
      {F::Hour, "24", true, F::Hour, "Hours run from 0 to 23."},
      {F::Year, "67541", true, F::Year, "Enter a whole number here."},
      {F::Year, "1600", true, F::Year, "Years run from 1601 to 30827."},
      {F::Second, "", true, F::Second, "Enter a whole number here."},
      {F::Minute, "-", true, F::Minute, "Enter a whole number here."},
      {F::Minute, "1.5", true, F::Minute, "Enter a whole number here."},
      {F::Minute, "2147483648", true, F::Minute, "Enter a whole number here."},
      {F::CompassOffset, "181", false, F::CompassOffset, nullptr},
      {F::CompassOffset, "east", false, F::CompassOffset, nullptr},
      {F::CompassOffset, "1e400", false, F::CompassOffset, nullptr},
  };
  for (const Case& c : cases) {
    SettingsForm form = Open();
    form.SetUseClock(!c.fixedTime);
    TypeAll(form, {{F::Day, "28"}, {F::Month, "2"}, {F::Year, "2005"}, {F::LatitudeSeconds, "1"}});
    form.Type(c.field, c.text);
    const SettingsCheck check = form.Accept();
    ASSERT_TRUE(check.problem) << c.text;
    EXPECT_EQ(check.problem->field, c.fix) << c.text;
    const std::string& said = check.problem->aboutTime ? form.TimeMessage() : form.PlaceMessage();
    EXPECT_EQ(said, check.problem->message);
    if (c.message != nullptr) {
      EXPECT_EQ(said, c.message) << c.text;
    }
    EXPECT_FALSE(said.empty()) << c.text;
  }

  // Spaces and a plus are read; the wall time of the place's zone is stored as universal, over
  // the milliseconds of a damaged record, which once made every date unreal.
  SettingsValues damaged = Home();
  damaged.useClock = false;
  damaged.fixedTime.milliseconds = 1500;
  SettingsForm form = Open(damaged);
  EXPECT_EQ(form.Text(F::Hour), "22");
  TypeAll(form, {{F::Minute, " +5 "}, {F::CompassOffset, " -7.5 "}});
  const SettingsCheck check = form.Check();
  ASSERT_FALSE(check.problem) << check.problem->message;
  const CalendarTime& t = check.values.fixedTime;
  EXPECT_EQ((std::array<int, 5>{t.year, t.day, t.hour, t.minute, t.milliseconds}),
            (std::array<int, 5>{2005, 1, 21, 5, 0}));
  EXPECT_EQ(check.values.compassOffset, -7.5);
  EXPECT_FALSE(check.values.useClock);
}

// Places between -1 and 0 degrees once came back in the other hemisphere, and truncation lost
// a second at every OK; a longitude typed beyond a half turn names its meridian.
TEST_F(SettingsFormTest, APlaceComesBackToTheSecondAndLongitudesAreReduced) {
  struct Shown {
    double longitude;
    double latitude;
    const char* texts[6];
    int sides[2];
  };
  const Shown places[] = {
      {-0.5, -0.2, {"0", "30", "0", "0", "12", "0"}, {0, 1}},  // 0 30' E, Quito
      {4.322222, 49.69694444444445, {"4", "19", "20", "49", "41", "49"}, {1, 0}},
  };
  const F dms[] = {F::LongitudeDegrees, F::LongitudeMinutes, F::LongitudeSeconds,
                   F::LatitudeDegrees,  F::LatitudeMinutes,  F::LatitudeSeconds};
  for (const Shown& p : places) {
    SettingsValues values = Home();
    values.longitude = p.longitude;
    values.latitude = p.latitude;
    const SettingsForm form = Open(values);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(form.Text(dms[i]), p.texts[i]) << i;
    EXPECT_EQ(form.Side(SettingsAngle::Longitude), p.sides[0]);
    EXPECT_EQ(form.Side(SettingsAngle::Latitude), p.sides[1]);
    const SettingsCheck check = form.Check();
    EXPECT_NEAR(check.values.longitude, p.longitude, 0.5 / 3600);
    EXPECT_NEAR(check.values.latitude, p.latitude, 0.5 / 3600);
  }

  struct Reduced {
    const char* typed;
    int side;  // 0 east, 1 west
    double stored;
  };
  for (const auto& [typed, side, stored] :
       {Reduced{"200", 1, -160.0}, Reduced{"180", 0, 180.0}, Reduced{"540", 1, 180.0},
        Reduced{"725", 0, -5.0}, Reduced{"180", 1, 180.0}}) {
    SettingsForm form = Open();
    form.ChooseSide(SettingsAngle::Longitude, side);
    TypeAll(form,
            {{F::LongitudeDegrees, typed}, {F::LongitudeMinutes, "0"}, {F::LongitudeSeconds, "0"}});
    EXPECT_EQ(form.Check().values.longitude, stored) << typed;
  }
}

// One form of an angle rewrites the other; a hemisphere letter typed with a number chooses the
// hemisphere, and a hemisphere chosen drops the letters.
TEST_F(SettingsFormTest, AnglesFollowEachOtherAndTheirHemisphereLetters) {
  SettingsForm form = Open();
  TypeAll(form,
          {{F::LongitudeDegrees, "0"}, {F::LongitudeMinutes, "30"}, {F::LongitudeSeconds, "0"}});
  EXPECT_EQ(form.Text(F::LongitudeDecimal), "0.5");
  form.Type(F::LongitudeDecimal, "151,2 w");
  EXPECT_EQ(form.Side(SettingsAngle::Longitude), 1);
  EXPECT_EQ(form.Text(F::LongitudeDegrees), "151");
  EXPECT_EQ(form.Text(F::LongitudeMinutes), "12");
  form.Type(F::LatitudeDegrees, "S 33");
  EXPECT_EQ(form.Side(SettingsAngle::Latitude), 1);
  form.ChooseSide(SettingsAngle::Longitude, 0);
  EXPECT_EQ(form.Text(F::LongitudeDecimal), "151,2");
  EXPECT_EQ(form.Text(F::LatitudeDegrees), "S 33");  // the other angle's letters stay
  const SettingsCheck check = form.Check();
  EXPECT_NEAR(check.values.longitude, -151.2, 1e-12);
  EXPECT_NEAR(check.values.latitude, -DmsToDegrees(33, 41, 49), 1e-12);
}

// A typed city name is taken when it names one city, said wrong when it names none, offered
// when it names several; a location found replaces the city.
TEST_F(SettingsFormTest, TypedCitiesAndFoundLocationsFillThePlace) {
  SettingsForm form = Open();
  EXPECT_EQ(form.PlaceMessage().rfind("Now: 49\u00B041\u203249\u2033 N", 0), 0u);
  EXPECT_EQ(form.Heading(), "The place and time of the chart");
  form.Type(F::City, "reykjavik");
  form.LeaveCity();
  EXPECT_EQ(form.Text(F::City), "Reykjav\u00EDk, IS");
  EXPECT_EQ(form.Side(SettingsAngle::Longitude), 1);
  EXPECT_EQ(form.Text(F::LatitudeDegrees), "64");
  EXPECT_EQ(form.ZoneName(), "GMT");

  form.Type(F::City, "xqzzyville");
  SettingsCheck check = form.Accept();
  ASSERT_TRUE(check.problem);
  EXPECT_EQ(check.problem->field, F::City);
  EXPECT_EQ(form.PlaceMessage(), "No city called \u201Cxqzzyville\u201D.");
  EXPECT_TRUE(form.Offered().empty());
  form.Type(F::City, "paris");
  EXPECT_TRUE(form.Accept().problem);
  ASSERT_GE(form.Offered().size(), 2u);
  form.ChooseCity(form.Offered().front());
  check = form.Accept();
  ASSERT_FALSE(check.problem);
  EXPECT_EQ(check.values.cityName, "Paris, FR");
  EXPECT_NEAR(check.values.longitude, -2.35, 0.01);

  form.StartFindingLocation();
  EXPECT_EQ(form.PlaceMessage(), "Finding your location\u2026");
  form.TakeLocation(PositionReading{false, 0.0, 0.0, "no fix"}, false);
  EXPECT_EQ(form.PlaceMessage(), "No location: no fix.");
  EXPECT_EQ(form.Text(F::City), "Paris, FR");
  form.TakeLocation(PositionReading{true, 35.6585, 139.74533, ""}, false);
  EXPECT_EQ(form.Text(F::City), "");
  EXPECT_EQ(form.Text(F::LongitudeDecimal), "139.75");
  EXPECT_EQ(form.ZoneName(), "JST");
  EXPECT_EQ(form.Text(F::Hour), "6");  // the clock's 21:30 UT in Tokyo
}

}  // namespace
}  // namespace halvane
