// Bidirectional isolates for values set into right-to-left text.
#include "platform/bidi_isolate.h"

#include "platform/utf8_text.h"

namespace halvane {

namespace {

constexpr char16_t LEFT_TO_RIGHT_ISOLATE = u'\u2066';
constexpr char16_t RIGHT_TO_LEFT_ISOLATE = u'\u2067';
constexpr char16_t POP_DIRECTIONAL_ISOLATE = u'\u2069';

bool InRange(char16_t c, char16_t first, char16_t last) { return c >= first && c <= last; }

// The letters of the scripts written from right to left (Hebrew, Arabic and their
// presentation forms) and the right-to-left marks; Arabic's digits and signs are not letters.
bool IsRightToLeftLetter(char16_t c) {
  return InRange(c, u'\u05D0', u'\u05F4') || c == u'\u061C' || InRange(c, u'\u0620', u'\u064A') ||
         InRange(c, u'\u066E', u'\u06D5') || InRange(c, u'\u06FA', u'\u06FF') ||
         InRange(c, u'\u0750', u'\u077F') || InRange(c, u'\u08A0', u'\u08C9') || c == u'\u200F' ||
         InRange(c, u'\uFB1D', u'\uFDFF') || InRange(c, u'\uFE70', u'\uFEFC');
}

// Latin, Greek and Cyrillic letters and the left-to-right mark: the other letters Halvane
// writes.
bool IsLeftToRightLetter(char16_t c) {
  return InRange(c, u'A', u'Z') || InRange(c, u'a', u'z') ||
         (InRange(c, u'\u00C0', u'\u052F') && c != u'\u00D7' && c != u'\u00F7') ||
         InRange(c, u'\u1E00', u'\u1FFF') || c == u'\u200E';
}

}  // namespace

TextDirection FirstLetterDirection(std::u16string_view text) {
  for (const char16_t c : text) {
    if (IsRightToLeftLetter(c)) return TextDirection::RightToLeft;
    if (IsLeftToRightLetter(c)) return TextDirection::LeftToRight;
  }
  return TextDirection::LeftToRight;
}

void AppendIsolate(std::u16string& out, std::u16string_view text) {
  out += FirstLetterDirection(text) == TextDirection::RightToLeft ? RIGHT_TO_LEFT_ISOLATE
                                                                  : LEFT_TO_RIGHT_ISOLATE;
  out += text;
  out += POP_DIRECTIONAL_ISOLATE;
}

void AppendIsolate(std::string& out, std::string_view text) {
  out +=
      FirstLetterDirection(Utf8ToUtf16(text)) == TextDirection::RightToLeft ? "\u2067" : "\u2066";
  out += text;  // as it came, whatever its bytes
  out += "\u2069";
}

}  // namespace halvane
