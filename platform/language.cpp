// Reading the wanted language from the environment and matching it to the translations.
#include "platform/language.h"

#include <algorithm>
#include <string_view>

namespace halvane {

namespace {

// "de_DE.UTF-8@euro" -> "de_DE"; "C" and "POSIX" -> "en".
std::string Code(std::string_view locale) {
  locale = locale.substr(0, locale.find_first_of(".@"));
  if (locale == "C" || locale == "POSIX") return "en";
  return std::string(locale);
}

std::string_view LanguagePart(std::string_view code) { return code.substr(0, code.find('_')); }

}  // namespace

std::vector<std::string> LanguagesFromEnvironment(
    const std::function<const char*(const char*)>& getenv) {
  std::string locale;
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = getenv(name);
    if (value != nullptr && value[0] != '\0') {
      locale = Code(value);
      break;
    }
  }
  std::vector<std::string> wanted;
  const char* list = getenv("LANGUAGE");
  if (list != nullptr && locale != "en") {
    std::string_view rest = list;
    while (!rest.empty()) {
      const std::string_view item = rest.substr(0, rest.find(':'));
      if (!item.empty()) wanted.push_back(Code(item));
      rest.remove_prefix(std::min(rest.size(), item.size() + 1));
    }
  }
  if (!locale.empty()) wanted.push_back(locale);
  return wanted;
}

std::string ChooseLanguage(const std::vector<std::string>& wanted,
                           const std::vector<std::string>& available) {
  for (const std::string& code : wanted) {
    if (LanguagePart(code) == "en") return {};
    for (const std::string& offered : available) {
      if (offered == code) return offered;
    }
    for (const std::string& offered : available) {
      if (LanguagePart(offered) == LanguagePart(code)) return offered;
    }
  }
  return {};
}

bool IsRightToLeft(const std::string& code) {
  const std::string_view language = LanguagePart(code);
  return language == "ar" || language == "he" || language == "fa" || language == "ur";
}

const std::vector<OfferedLanguage>& OfferedLanguages() {
  static const std::vector<OfferedLanguage> languages = {{"ar", "العربية"},
                                                         {"cs", "Čeština"},
                                                         {"de", "Deutsch"},
                                                         {"es", "Español"},
                                                         {"fi", "Suomi"},
                                                         {"fr", "Français"},
                                                         {"he", "עברית"},
                                                         {"it", "Italiano"},
                                                         {"nl", "Nederlands"},
                                                         {"pl", "Polski"},
                                                         {"pt_BR", "Português (Brasil)"},
                                                         {"ru", "Русский"},
                                                         {"sv", "Svenska"},
                                                         {"uk", "Українська"}};
  return languages;
}

}  // namespace halvane
