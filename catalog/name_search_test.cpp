// Name folding (case, accents, punctuation, other scripts, bad bytes) and the ranking of
// completions.
#include "catalog/name_search.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace halvane {
namespace {

TEST(NameSearch, FoldingIgnoresCaseAccentsAndPunctuation) {
  const FoldedName saoPaulo = FoldName("São Paulo");
  EXPECT_EQ(saoPaulo.text, "saopaulo");
  EXPECT_EQ(saoPaulo.wordStarts, (std::vector<uint16_t>{0, 3}));
  EXPECT_EQ(FoldName("M31 Andromeda Gal.").text, "m31andromedagal");
  EXPECT_EQ(FoldName("  Pearce's Star ").wordStarts, (std::vector<uint16_t>{0, 6, 7}));
  EXPECT_EQ(FoldName("Ærøskøbing Straße").text, "aeroskobingstrasse");
  EXPECT_EQ(FoldName("Łódź").text, "lodz");
  EXPECT_EQ(FoldName("Hà Nội").text, "hanoi");
  EXPECT_EQ(FoldName("Sa\xCC\x83o").text, "sao");  // a combining tilde
  EXPECT_EQ(FoldName("Ar Rām wa Ḑāḩiyat").text.substr(0, 5), "arram");
  EXPECT_EQ(FoldName("МОСКВА").text, "москва");
  EXPECT_EQ(FoldName("東京").text, "東京");
  // Malformed bytes separate words and vanish; nothing folds to nothing.
  const FoldedName bad = FoldName("a\xFF\xC3z\xE2\x82");
  EXPECT_EQ(bad.text, "az");
  EXPECT_EQ(bad.wordStarts, (std::vector<uint16_t>{0, 1}));
  EXPECT_TRUE(FoldName(" -,. ").wordStarts.empty());
}

std::vector<std::string> Names(const NameIndex& index, std::string_view query, size_t limit = 10) {
  std::vector<std::string> names;
  for (const NameMatch& match : index.Complete(query, limit)) {
    names.push_back(index.Entries()[match.entry].name);
  }
  return names;
}

TEST(NameSearch, CompletesPrefixesOfNamesAndWordsBestFirst) {
  const NameIndex index({
      {"Paulo Afonso", NameKind::City, 0, 100000},
      {"São Paulo", NameKind::City, 1, 12000000},
      {"São Paulo de Olivença", NameKind::City, 2, 20000},
      {"Paul", NameKind::City, 3, 15000},
      {"Santos", NameKind::City, 4, 400000},
      {"Paulo Paulo", NameKind::City, 5, 15000},
      {"M31 Andromeda Gal.", NameKind::Label, 0, 0},
      {"Andromeda", NameKind::Constellation, 0, 1},
  });
  // Exact, then whole-name prefixes by weight, then word prefixes by weight; one match
  // per entry even when two words match.
  EXPECT_EQ(Names(index, "PAUL"), (std::vector<std::string>{"Paul", "Paulo Afonso", "Paulo Paulo",
                                                            "São Paulo", "São Paulo de Olivença"}));
  const std::vector<NameMatch> paul = index.Complete("paul", 10);
  EXPECT_EQ(paul[0].quality, MatchQuality::Exact);
  EXPECT_EQ(paul[1].quality, MatchQuality::NamePrefix);
  EXPECT_EQ(paul[3].quality, MatchQuality::WordPrefix);
  EXPECT_EQ(Names(index, "sao"), (std::vector<std::string>{"São Paulo", "São Paulo de Olivença"}));
  EXPECT_EQ(Names(index, "sao-paulo d"), (std::vector<std::string>{"São Paulo de Olivença"}));
  EXPECT_EQ(Names(index, "s", 2), (std::vector<std::string>{"São Paulo", "Santos"}));
  EXPECT_EQ(Names(index, "m 31"), (std::vector<std::string>{"M31 Andromeda Gal."}));
  EXPECT_EQ(Names(index, "andro"), (std::vector<std::string>{"Andromeda", "M31 Andromeda Gal."}));
  EXPECT_TRUE(Names(index, "paulx").empty());
  EXPECT_TRUE(Names(index, "").empty());
  EXPECT_TRUE(Names(index, " ' ").empty());
  EXPECT_TRUE(Names(index, "paul", 0).empty());
  EXPECT_TRUE(NameIndex().Complete("a", 5).empty());
}

}  // namespace
}  // namespace halvane
