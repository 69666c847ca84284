// Shortening names to the 19 characters of a label.
#include "tools/catalog_names.h"

#include <gtest/gtest.h>

namespace halvane {
namespace {

TEST(ShortenName, KeepsWholeWordsCutsOnlyWithAFullStopAndNeverEndsOnAJoiningWord) {
  struct Case {
    const char* name;
    const char* expected;
  };
  const Case cases[] = {
      {"Bidelman's Peculiar", "Bidelman's Peculiar"},         // exactly 19: unchanged
      {"Deneb Kaitos Shemali", "Deneb Kaitos Shema."},        // room for 5 letters of the next
      {"Polaris Galacticus Borealis", "Polaris Galacticus"},  // too little room to cut
      {"Revenant of the Swan", "Revenant"},                   // not "Revenant of the"
      {"Tweedledee and Tweedledum", "Tweedledee"},
      {"Supercalifragilisticexpialidocious", "Supercalifragilist."},
      {"  Spaced   Out   Name  With  Gaps", "Spaced Out Name"},
  };
  for (const Case& c : cases) {
    const std::string shortened = ShortenName(c.name, LABEL_NAME_CHARACTERS);
    EXPECT_EQ(shortened, c.expected) << c.name;
    EXPECT_LE(shortened.size(), LABEL_NAME_CHARACTERS) << c.name;
  }
}

TEST(FitLabelName, TransliteratesBeforeMeasuringSoAccentsCostOneCharacter) {
  // 19 characters, three of them two bytes in UTF-8: fits without shortening.
  const FittedName accented = FitLabelName("R\xC3\xB6salia G\xC3\xA9nevi\xC3\xA8ve x");
  EXPECT_FALSE(accented.shortened);
  EXPECT_FALSE(accented.transliterated);
  EXPECT_EQ(accented.text, "R\xF6salia G\xE9nevi\xE8ve x");
}

}  // namespace
}  // namespace halvane
