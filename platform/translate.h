// The program's words in the user's language, without Qt: texts are marked with Words::Tr
// (translated where they are used) or Words::Mark (kept in a table, translated when shown),
// and lupdate collects them all under the one context "Words". Until the Qt part installs a
// translator, every text is its English source.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace halvane {

struct Words {
  // The translation of a UTF-8 source text: disambiguation tells apart equal sources of
  // different meaning; n >= 0 picks the plural form and replaces "%n" with n.
  using Translator = std::string (*)(const char* source, const char* disambiguation, int n);

  // Source text to UTF-8 in the user's language; see Translator.
  static std::string Tr(const char* source, const char* disambiguation = nullptr, int n = -1);
  // Tr in UTF-16, for the window's texts.
  static std::u16string Tr16(const char* source, const char* disambiguation = nullptr, int n = -1);
  // Marks a text that a table keeps for lupdate; Tr translates it where it is shown.
  static constexpr const char* Mark(const char* source) { return source; }

  // The translator every later Tr uses; null gives the English source again. Called by the
  // Qt part at start, before any thread that might translate.
  static void Install(Translator translator);

  // How the user's language writes a number with so many decimals ("1,5") and a time of day
  // ("8:15 PM"), and whether it writes from right to left; null members give the English
  // forms "1.5" and "20:15".
  struct Writing {
    std::string (*number)(double value, int decimals) = nullptr;
    std::string (*clock)(int hour, int minute) = nullptr;
    bool rightToLeft = false;
  };
  static void InstallWriting(Writing writing);
  static std::string Number(double value, int decimals);
  static std::string Clock(int hour, int minute);
  static bool RightToLeft();
};

// pattern with "%1" to "%9" replaced by the arguments in turn, so that a translation may put
// them in its own order. A missing argument leaves its marker; "%%" is not special. In a
// right-to-left language each value is a bidirectional isolate (platform/bidi_isolate.h), so
// that its digits and Latin letters ("49°41′ N", "2026-03-11") keep their order in the sentence.
std::string FillArgs(std::string_view pattern, std::initializer_list<std::string_view> args);
// FillArgs in UTF-16.
std::u16string FillArgs(std::u16string_view pattern,
                        std::initializer_list<std::u16string_view> args);

// text as an isolate in a right-to-left language, else unchanged: for a value written
// without FillArgs, such as an angle's digits beside a word of the language.
std::string Isolated(std::string_view text);

// Phrases written on one line, two spaces apart, empty ones left out. In a right-to-left
// language the line reads from the right and each phrase is an isolate, so that a phrase
// in Latin letters or digits keeps its own order.
std::u16string JoinPhrases(std::initializer_list<std::u16string_view> phrases);

}  // namespace halvane
