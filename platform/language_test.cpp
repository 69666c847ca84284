// The language wanted by the environment, and the translation that serves it.
#include "platform/language.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace halvane {
namespace {

std::vector<std::string> Wanted(const std::map<std::string, std::string>& variables) {
  return LanguagesFromEnvironment([&variables](const char* name) -> const char* {
    const auto found = variables.find(name);
    return found == variables.end() ? nullptr : found->second.c_str();
  });
}

TEST(Language, EnvironmentIsReadAsGettextReadsIt) {
  EXPECT_EQ(Wanted({{"LANG", "de_DE.UTF-8@euro"}}), (std::vector<std::string>{"de_DE"}));
  // LC_ALL before LC_MESSAGES before LANG; LANGUAGE's list before all of them ...
  EXPECT_EQ(Wanted({{"LANG", "fr_FR.UTF-8"},
                    {"LC_MESSAGES", "cs_CZ"},
                    {"LC_ALL", "ru_RU.UTF-8"},
                    {"LANGUAGE", "pt_BR:uk::"}}),
            (std::vector<std::string>{"pt_BR", "uk", "ru_RU"}));
  // ... except under the C locale, which means English whatever LANGUAGE says.
  EXPECT_EQ(Wanted({{"LC_ALL", "C"}, {"LANGUAGE", "de"}}), (std::vector<std::string>{"en"}));
  EXPECT_TRUE(Wanted({}).empty());
}

TEST(Language, TheFirstWantedLanguageWithATranslationIsChosen) {
  const std::vector<std::string> available = {"de", "fi", "pt_BR", "sv"};
  EXPECT_EQ(ChooseLanguage({"de_AT"}, available), "de");
  EXPECT_EQ(ChooseLanguage({"pt"}, available), "pt_BR");
  EXPECT_EQ(ChooseLanguage({"ja_JP", "sv_FI", "fi"}, available), "sv");
  EXPECT_EQ(ChooseLanguage({"en_GB", "de"}, available), "");
  EXPECT_EQ(ChooseLanguage({"ja"}, available), "");
  EXPECT_TRUE(IsRightToLeft("he_IL"));
  EXPECT_FALSE(IsRightToLeft("de"));
}

}  // namespace
}  // namespace halvane
