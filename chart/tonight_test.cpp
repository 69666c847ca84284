// Tonight as a plan: the heading, dated times after midnight, the polar nights and days in
// words, and the deep sky of the dark hours.
#include "chart/tonight.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalog/deep_sky_list.h"
#include "tests/support/build_paths.h"

namespace halvane {
namespace {

// Each line with what it aims at: a body's name, a deep-sky record's.
std::string Plan(CalendarTime utc, double longitudeWest, double latitude, int64_t offsetSeconds,
                 const std::vector<NumberedDeepSky>& deepSky = {}) {
  const Moment moment(utc, Observer(longitudeWest, latitude), false);
  const ZoneOffsets zone = [offsetSeconds](int64_t) { return offsetSeconds; };
  const auto aim = [&deepSky](const std::optional<ObjectRef>& target) -> std::string {
    if (!target) return "";
    if (target->source == ObjectSource::Body) return BodyName(static_cast<Body>(target->index));
    for (const auto& [record, number] : deepSky) {
      if (target->source == ObjectSource::DeepSky && number == target->index) {
        return std::string(FieldText(record.name));
      }
    }
    return "?";
  };
  std::string text;
  for (const TonightEntry& entry : TonightEntries(ComputeTonight(moment, zone, deepSky), "Here")) {
    text += entry.text + " -> " + aim(entry.target) + "\n";
  }
  return text;
}

// Checked against PyEphem 4.1.4: at Tromsø the Sun neither sets on 21 June nor rises on 21
// December 2026, and that night's Moon does not set; in Sydney on 26 March the Sun sets at
// 18:59 and the Moon at 00:30 the next day (AEDT).
TEST(Tonight, SaysThePolarCasesInWordsAndDatesTheSmallHours) {
  const std::string summer = Plan({2026, 6, 0, 21, 20, 0, 0, 0}, -18.96, 69.65, 7200);
  EXPECT_EQ(summer.rfind("Tonight in Here, Sun 21 Jun 2026 -> \nThe Sun does not set -> Sun\n", 0),
            0u)
      << summer;
  EXPECT_NE(summer.find("No dark hours for the deep sky tonight"), std::string::npos);
  const std::string winter = Plan({2026, 12, 1, 21, 16, 0, 0, 0}, -18.96, 69.65, 3600);
  EXPECT_NE(winter.find("The Sun does not rise -> Sun\n"), std::string::npos) << winter;
  EXPECT_NE(winter.find("Moon: up all night"), std::string::npos);
  EXPECT_NE(winter.find("Mercury: not up tonight"), std::string::npos);
  for (const std::string& plan : {summer, winter}) {
    EXPECT_EQ(plan.find("never"), std::string::npos) << plan;
    EXPECT_EQ(plan.find("Sunset"), std::string::npos) << plan;
  }

  const std::string sydney =
      Plan({2026, 3, 4, 26, 9, 0, 0, 0}, -151.21, -33.87, 39600,
           LoadBrightDeepSky(test_support::SourcePath("data/DeepSky.dat"), 800));
  EXPECT_NE(sydney.find("Sunset 18:59 -> Sun\n"), std::string::npos) << sydney;
  EXPECT_NE(sydney.find("Moon: rises 14:49, transit 19:38, sets 27 Mar 00:30"), std::string::npos);
  // Ten deep-sky objects, brightest first, each aiming at its own record.
  EXPECT_NE(sydney.find("C 41 Hyades: open cluster, magnitude 0.5, highest 20:00 -> C 41 Hyades\n"),
            std::string::npos);
  EXPECT_NE(sydney.find("IC 2602 Southern Pleiades: open cluster"), std::string::npos);
  EXPECT_EQ(sydney.find("VdB "), std::string::npos) << "a nebula's star is not its magnitude";
  EXPECT_LT(sydney.find("LMC Large"), sydney.find("SMC Small"));
  EXPECT_NE(sydney.find("Cloud: irregular galaxy, magnitude 2.2, highest 20:00 -> SMC Small "),
            std::string::npos);
}

}  // namespace
}  // namespace halvane
