// The marking functions: English until a translator is installed, and the filling of %1..%9.
#include "platform/translate.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace halvane {
namespace {

std::string Shouting(const char* source, const char* disambiguation, int n) {
  std::string text = std::string(source) + (disambiguation != nullptr ? disambiguation : "");
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return n >= 0 ? text + "#" + std::to_string(n) : text;
}

TEST(Translate, EnglishFillsCountsUntilATranslatorIsInstalled) {
  EXPECT_EQ(Words::Tr("Sunset %1"), "Sunset %1");
  EXPECT_EQ(Words::Tr("%n stars, %n shown", nullptr, 12), "12 stars, 12 shown");
  EXPECT_EQ(Words::Tr16("Zoom reset (90°)"), u"Zoom reset (90°)");

  Words::Install(Shouting);
  EXPECT_EQ(Words::Tr("new", "phase"), "NEWPHASE");
  EXPECT_EQ(Words::Tr16("%n stars", nullptr, 3), u"%N STARS#3");
  Words::Install(nullptr);
  EXPECT_EQ(Words::Tr("new", "phase"), "new");
}

TEST(Translate, FillArgsPutsEachValueWhereTheTranslationWantsIt) {
  EXPECT_EQ(FillArgs("%2 in %1, %2", {"Paris", "Tonight"}), "Tonight in Paris, Tonight");
  // A value holding a marker is not filled again; a marker without a value stays.
  EXPECT_EQ(FillArgs("%1 then %2 then %3", {"50 %2", "x"}), "50 %2 then x then %3");
  EXPECT_EQ(FillArgs("100 % lit, %", {}), "100 % lit, %");
  EXPECT_EQ(FillArgs(u"%1: %2", {u"Mars", u"не видна"}), u"Mars: не видна");
}

}  // namespace
}  // namespace halvane
