// Which language the program speaks: the user's choice in Settings, else the system's
// locale as Linux programs read it.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace halvane {

// The languages the environment asks for, most wanted first, as codes like "pt_BR" or "de":
// LANGUAGE's list (unless the locale is C or POSIX, as gettext does), then the first set of
// LC_ALL, LC_MESSAGES and LANG, each without its encoding and modifier ("de_DE.UTF-8@euro"
// gives "de_DE"). "C" and "POSIX" give "en". getenv reads a variable; null when unset.
std::vector<std::string> LanguagesFromEnvironment(
    const std::function<const char*(const char*)>& getenv);

// The first of the wanted languages that one of the available codes serves: the same code,
// else the same language ("de_AT" takes "de", "pt" takes "pt_BR"); empty for English
// ("en..." wanted first, or nothing served).
std::string ChooseLanguage(const std::vector<std::string>& wanted,
                           const std::vector<std::string>& available);

// Whether the language writes from right to left (Arabic, Hebrew, Persian, Urdu).
bool IsRightToLeft(const std::string& code);

// A language Halvane is translated into: its code and its own name for itself.
struct OfferedLanguage {
  const char* code;
  const char* name;  // UTF-8
};

// The translated languages, in the order of their codes; English, the source, is not among
// them.
const std::vector<OfferedLanguage>& OfferedLanguages();

}  // namespace halvane
