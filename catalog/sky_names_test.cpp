// Find's names from the shipped Labels.dat, the constellations and the bodies.
#include "catalog/sky_names.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/support/build_paths.h"
#include "view/go_to_table.h"

namespace halvane {
namespace {

TEST(SkyNames, ShippedNamesCompleteFromTheirBeginnings) {
  const SkyNames names = LoadSkyNames(test_support::SourcePath("data/Labels.dat"));
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

  const SkyNames withoutLabels = LoadSkyNames(test_support::SourcePath("data/missing.dat"));
  EXPECT_TRUE(withoutLabels.labels.empty());
  EXPECT_EQ(withoutLabels.index.Entries().size(), SOLAR_SYSTEM_BODIES.size() + GO_TO_ROW_COUNT);
}

}  // namespace
}  // namespace halvane
