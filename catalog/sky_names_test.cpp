// Find's names from the shipped Labels.dat, the constellations and the bodies.
#include "catalog/sky_names.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>
#include <string>

#include "astro/angles.h"
#include "astro/constellation.h"
#include "catalog/sky_target.h"
#include "tests/support/build_paths.h"
#include "view/go_to_table.h"

namespace halvane {
namespace {

// What Find turns to: the name it writes and the place, in hours and degrees.
struct Found {
  std::string name;
  double rightAscensionHours = 0.0;
  double declinationDegrees = 0.0;
};

std::optional<Found> FindText(const SkyNames& names, std::string_view text, const Moment& moment) {
  const std::optional<NamedRef> found = ResolveName(names, text);
  if (!found) return std::nullopt;
  const std::optional<SkyPoint> place = PlaceOf(names, found->object, moment);
  if (!place) return std::nullopt;
  return Found{found->name, place->rightAscension * RAD_TO_HOURS, place->declination * RAD_TO_DEG};
}

TEST(SkyNames, ShippedNamesCompleteFromTheirBeginnings) {
  const SkyNames names = LoadSkyNames(test_support::SourcePath("data/Labels.dat"), "");
  const auto first = [&names](std::string_view query) {
    const std::vector<NameMatch> matches = names.index.Complete(query, 10);
    return matches.empty() ? NameEntry{} : names.index.Entries()[matches[0].entry];
  };
  const NameEntry betelgeuse = first("betel");
  EXPECT_EQ(betelgeuse.name, "Betelgeuse");
  ASSERT_EQ(betelgeuse.kind, NameKind::Label);
  EXPECT_STREQ(names.labels[betelgeuse.index].name, "Betelgeuse");
  EXPECT_EQ(first("m31").name.substr(0, 4), "M31 ");
  const NameEntry jupiter = first("JUP");
  EXPECT_EQ(jupiter.kind, NameKind::Body);
  EXPECT_EQ(SOLAR_SYSTEM_BODIES[jupiter.index], "Jupiter");
  const NameEntry orion = first("orion");
  ASSERT_EQ(orion.kind, NameKind::Constellation);
  EXPECT_STREQ(GO_TO_TABLE[orion.index].name, "Orion");
  EXPECT_EQ(first("belen").name, "Bélénos");
  // The label "Orion" of Labels.dat is not offered beside the constellation.
  for (const NameMatch& match : names.index.Complete("orion", 20)) {
    const NameEntry& entry = names.index.Entries()[match.entry];
    EXPECT_FALSE(entry.kind == NameKind::Label && entry.name == "Orion");
  }

  const SkyNames withoutLabels = LoadSkyNames(test_support::SourcePath("data/missing.dat"), "");
  EXPECT_TRUE(withoutLabels.labels.empty());
  // With no comet or asteroid elements, four bright asteroids' names stand in.
  EXPECT_EQ(withoutLabels.index.Entries().size(), SOLAR_SYSTEM_BODIES.size() + GO_TO_ROW_COUNT + 4);
}

// Every way an observer writes a name reaches its object: Bayer letters as letters, spelled
// out, in three letters or with the genitive; Flamsteed, HIP and NGC numbers; common names,
// asterisms and abbreviations.
TEST(SkyNames, EveryWayOfWritingANameFindsItsObject) {
  const SkyNames names = LoadSkyNames(test_support::SourcePath("data/Labels.dat"),
                                      test_support::SourcePath("data/Names.dat"));
  const Moment moment(CalendarTime{2024, 1, 1, 15, 21, 30, 0, 0}, Observer(-18.3, 49.7), false);
  const auto find = [&](std::string_view text) {
    const std::optional<Found> target = FindText(names, text, moment);
    EXPECT_TRUE(target.has_value()) << text;
    return target.value_or(Found{});
  };
  const auto apart = [](const Found& a, const Found& b) {
    return std::hypot((a.rightAscensionHours - b.rightAscensionHours) * 15.0 *
                          std::cos(a.declinationDegrees * DEG_TO_RAD),
                      a.declinationDegrees - b.declinationDegrees);
  };
  const Found betelgeuse = find("Betelgeuse");
  for (const char* name : {"\u03B1 Ori", "alpha Ori", "alf Ori", "Alpha Orionis", "ALPHA  ori",
                           "58 Ori", "58 Orionis", "HIP 27989", "hip27989"}) {
    const Found star = find(name);
    EXPECT_EQ(star.name, "Betelgeuse") << name;
    EXPECT_LT(apart(star, betelgeuse), 1e-6) << name;
  }
  const Found andromeda = find("M31");
  EXPECT_EQ(andromeda.name, "M31 Andromeda Galaxy");
  for (const char* name : {"NGC 224", "ngc224", "Andromeda Galaxy"}) {
    EXPECT_LT(apart(find(name), andromeda), 0.05) << name;
  }
  EXPECT_EQ(find("M42").name, "M42 Orion Nebula");
  EXPECT_EQ(find("Omega Centauri").name, "NGC 5139 \u03C9 Cen Cluster");
  EXPECT_EQ(find("Big Dipper").name, "Big Dipper");
  EXPECT_EQ(find("Southern Cross").name, "Southern Cross");
  EXPECT_EQ(find("UMa").name, "Ursa Major");
  EXPECT_EQ(find("Orionis").name, "Orion");
  // A star too faint for Stars.dat is found all the same.
  EXPECT_EQ(find("HIP 2071").name, "Alrial");
  EXPECT_FALSE(FindText(names, "xqzzy", moment).has_value());
}

// A tap names a record, Find a name; both reach the one object the panel describes: a label
// that repeats a constellation's name is the constellation, a Messier label the Names.dat
// object, a DeepSky.dat record the object Names.dat names for it.
TEST(SkyNames, TappedRecordsAreTheObjectsFindKnows) {
  const SkyNames names = LoadSkyNames(test_support::SourcePath("data/Labels.dat"),
                                      test_support::SourcePath("data/Names.dat"),
                                      test_support::SourcePath("data/DeepSky.dat"));
  const Moment moment(CalendarTime{2024, 1, 1, 15, 21, 30, 0, 0}, Observer(-18.3, 49.7), false);
  const auto label = [&](std::string_view opening) {
    for (uint32_t i = 0; i < names.labels.size(); ++i) {
      if (std::string_view(names.labels[i].name).starts_with(opening)) {
        return ObjectRef{ObjectSource::Label, i};
      }
    }
    ADD_FAILURE() << opening;
    return ObjectRef{};
  };
  EXPECT_EQ(CanonicalObject(names, label("Orion")), ResolveName(names, "Orion")->object);
  EXPECT_EQ(CanonicalObject(names, label("Orion")).source, ObjectSource::Constellation);
  const ObjectRef m42 = ResolveName(names, "M42")->object;
  ASSERT_EQ(m42.source, ObjectSource::NamedObject);
  EXPECT_EQ(CanonicalObject(names, label("M42 ")), m42);
  EXPECT_EQ(NameOf(names, m42, moment), "M42 Orion Nebula");
  const ObjectRef sirius = label("Sirius");
  EXPECT_EQ(CanonicalObject(names, sirius), sirius);
  EXPECT_EQ(ResolveName(names, "Sirius")->object, sirius);

  const uint32_t record = names.objects[m42.index].record.object;
  const ObjectRef deepSky{ObjectSource::DeepSky, record};
  EXPECT_EQ(CanonicalObject(names, deepSky), m42);
  // The record's own place and name, for a record no name of Names.dat counts.
  const std::optional<SkyPoint> place = PlaceOf(names, deepSky, moment);
  ASSERT_TRUE(place.has_value());
  EXPECT_NEAR(place->declination, PlaceOf(names, m42, moment)->declination, 1e-6);
  EXPECT_EQ(NameOf(names, deepSky, moment).substr(0, 4), "M42 ");
  for (const ObjectRef beyond :
       {ObjectRef{ObjectSource::DeepSky, UINT32_MAX}, ObjectRef{ObjectSource::Label, UINT32_MAX},
        ObjectRef{ObjectSource::Constellation, 88}, ObjectRef{ObjectSource::Body, 10},
        ObjectRef{ObjectSource::MinorBody, 0}}) {
    EXPECT_FALSE(PlaceOf(names, beyond, moment).has_value());
    EXPECT_EQ(NameOf(names, beyond, moment), "");
  }
}

// The names observers type: a double star's letter without its component number, the
// common names of the table, asterisms at the middle of their stars; and one typing error
// forgiven in names of five letters or more.
TEST(SkyNames, CommonNamesAndOneTypingErrorReachTheirObjects) {
  const SkyNames names = LoadSkyNames(test_support::SourcePath("data/Labels.dat"),
                                      test_support::SourcePath("data/Names.dat"));
  const Moment moment(CalendarTime{2024, 1, 1, 15, 21, 30, 0, 0}, Observer(-18.3, 49.7), false);
  const auto find = [&](std::string_view text) {
    return FindText(names, text, moment).value_or(Found{});
  };
  const auto degreesApart = [](const Found& a, double raHours, double decDegrees) {
    const double c =
        std::sin(a.declinationDegrees * DEG_TO_RAD) * std::sin(decDegrees * DEG_TO_RAD) +
        std::cos(a.declinationDegrees * DEG_TO_RAD) * std::cos(decDegrees * DEG_TO_RAD) *
            std::cos((a.rightAscensionHours - raHours) * HOURS_TO_RAD);
    return std::acos(std::min(1.0, c)) * RAD_TO_DEG;
  };
  for (const char* name : {"alpha Cen", "alpha Centauri", "alf Cen"}) {
    EXPECT_EQ(find(name).name, "Rigil Kentaurus") << name;
  }
  EXPECT_EQ(find("alpha Cru").name, "Acrux");
  EXPECT_EQ(find("North Star").name, "Polaris");
  EXPECT_EQ(find("Seven Sisters").name.substr(0, 3), "M45");
  EXPECT_EQ(find("Jewel Box").name.substr(0, 8), "NGC 4755");
  EXPECT_EQ(find("Coal Sack").name.substr(0, 4), "C 99");
  // Groups and asterisms at the middle of their members (J2000 places: NGC 869 2h19.0m +57 09',
  // NGC 884 2h22.4m +57 07'; Alnilam, the Belt's middle star, 5h36.2m -1 12'; the Cross's
  // four stars average 12h26m -60 deg).
  EXPECT_LT(degreesApart(find("Double Cluster"), 2.345, 57.14), 0.3);
  EXPECT_LT(degreesApart(find("Orion's Belt"), 5.603, -1.20), 0.3);
  const Found cross = find("Southern Cross");
  EXPECT_LT(degreesApart(cross, 12.43, -60.0), 1.0);
  EXPECT_EQ(ConstellationOf(cross.rightAscensionHours * HOURS_TO_RAD,
                            cross.declinationDegrees * DEG_TO_RAD)
                .name,
            std::string("Crux"));
  EXPECT_LT(degreesApart(find("Plough"), 12.0, 56.0), 5.0);

  const auto suggested = [&](std::string_view text) {
    EXPECT_TRUE(names.index.Complete(text, 1).empty()) << text;
    const std::vector<NameMatch> matches = names.index.Suggest(text, 1);
    return matches.empty() ? std::string() : names.index.Entries()[matches[0].entry].name;
  };
  EXPECT_EQ(suggested("Betelguese"), "Betelgeuse");  // two letters swapped
  EXPECT_EQ(suggested("Andromda"), "Andromeda");     // one left out
  EXPECT_EQ(suggested("Sirrius"), "Sirius");         // one added
  EXPECT_EQ(suggested("Aldebaren"), "Aldebaran");    // one changed
  EXPECT_EQ(suggested("Vegx"), "") << "four letters are too few to guess from";
  EXPECT_EQ(suggested("Betelgxxse"), "") << "two errors are not one";
}

}  // namespace
}  // namespace halvane
