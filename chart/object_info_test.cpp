// The panel's facts of the object it is handed, however that object was named.
#include "chart/object_info.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace halvane
