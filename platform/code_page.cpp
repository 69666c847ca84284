// Windows-1252 conversions for label names, in plain C++.
#include "platform/code_page.h"

#include <array>
#include <cstdint>

namespace halvane {

namespace {

constexpr char16_t UNASSIGNED = 0xFFFD;

// Code points of the bytes 0x80 to 0x9F; the rest of the page is Latin-1.
constexpr std::array<char16_t, 32> HIGH_CONTROLS = {
    0x20AC,     UNASSIGNED, 0x201A, 0x0192, 0x201E, 0x2026,     0x2020, 0x2021,
    0x02C6,     0x2030,     0x0160, 0x2039, 0x0152, UNASSIGNED, 0x017D, UNASSIGNED,
    UNASSIGNED, 0x2018,     0x2019, 0x201C, 0x201D, 0x2022,     0x2013, 0x2014,
    0x02DC,     0x2122,     0x0161, 0x203A, 0x0153, UNASSIGNED, 0x017E, 0x0178,
};

// Base letters of U+0100 to U+017F (Latin Extended-A); '*' marks the ones that need more
// than one letter or are handled elsewhere.
constexpr std::string_view LATIN_EXTENDED_A =
    "AaAaAaCcCcCcCcDd"
    "DdEeEeEeEeEeGgGg"
    "GgGgHhHhIiIiIiIi"
    "Ii**JjKkkLlLlLlL"
    "lLlNnNnNn*NnOoOo"
    "OoOoRrRrRrSsSsSs"
    "SsTtTtTtUuUuUuUu"
    "UuUuWwYyYZzZzZzs";

constexpr char REPLACEMENT = '?';

// The byte of a code point that the page holds, or 0 when it has none.
uint8_t EncodeExact(char32_t c) {
  if (c >= 0x01 && c < 0x80) return static_cast<uint8_t>(c);
  if (c >= 0xA0 && c <= 0xFF) return static_cast<uint8_t>(c);
  for (size_t i = 0; i < HIGH_CONTROLS.size(); ++i) {
    if (HIGH_CONTROLS[i] != UNASSIGNED && HIGH_CONTROLS[i] == c) {
      return static_cast<uint8_t>(0x80 + i);
    }
  }
  return 0;
}

bool IsCombiningMark(char32_t c) { return c >= 0x0300 && c <= 0x036F; }

}  // namespace

std::string_view Transliterate(char32_t c) {
  static constexpr std::string_view LETTERS =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  auto letter = [](char base) {
    const bool upper = base >= 'A' && base <= 'Z';
    const int index = upper ? base - 'A' : base - 'a' + 26;
    return LETTERS.substr(static_cast<size_t>(index), 1);
  };
  if (c >= 0x0100 && c <= 0x017F) {
    switch (c) {
      case 0x0132: return "IJ";
      case 0x0133: return "ij";
      case 0x0149: return "'n";
      default: return letter(LATIN_EXTENDED_A[c - 0x0100]);
    }
  }
  // Vietnamese letters with two marks: A a pairs, then E, I, O, U, Y.
  if (c >= 0x1EA0 && c <= 0x1EF9) {
    const bool upper = (c % 2) == 0;
    char base = 'Y';
    if (c <= 0x1EB7)
      base = 'A';
    else if (c <= 0x1EC7)
      base = 'E';
    else if (c <= 0x1ECB)
      base = 'I';
    else if (c <= 0x1EE3)
      base = 'O';
    else if (c <= 0x1EF1)
      base = 'U';
    return letter(upper ? base : static_cast<char>(base - 'A' + 'a'));
  }
  switch (c) {
    case 0x0180: return "b";
    case 0x01A0: return "O";
    case 0x01A1: return "o";
    case 0x01AF: return "U";
    case 0x01B0: return "u";
    case 0x01CD: return "A";
    case 0x01CE: return "a";
    case 0x01CF: return "I";
    case 0x01D0: return "i";
    case 0x01D1: return "O";
    case 0x01D2: return "o";
    case 0x01D3: return "U";
    case 0x01D4: return "u";
    case 0x0218: return "S";
    case 0x0219: return "s";
    case 0x021A: return "T";
    case 0x021B: return "t";
    case 0x2010:
    case 0x2011:
    case 0x2012: return "-";
    case 0x2032: return "'";
    case 0x2033: return "\"";
    default: return {};
  }
}

bool DecodeUtf8(std::string_view text, size_t& i, char32_t& c) {
  const auto byte = [&](size_t k) { return static_cast<uint8_t>(text[k]); };
  const uint8_t lead = byte(i);
  size_t length = 1;
  char32_t minimum = 0;
  if (lead < 0x80) {
    c = lead;
    ++i;
    return true;
  }
  if ((lead & 0xE0) == 0xC0) {
    length = 2, c = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, c = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, c = lead & 0x07, minimum = 0x10000;
  } else {
    ++i;
    return false;
  }
  if (text.size() - i < length) {
    ++i;
    return false;
  }
  for (size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) {
      ++i;
      return false;
    }
    c = (c << 6) | (byte(i + k) & 0x3F);
  }
  if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
    ++i;
    return false;
  }
  i += length;
  return true;
}

std::u16string Windows1252ToUtf16(const char* bytes, size_t maxBytes) {
  std::u16string text;
  if (bytes == nullptr) return text;
  for (size_t i = 0; i < maxBytes && bytes[i] != '\0'; ++i) {
    const auto byte = static_cast<uint8_t>(bytes[i]);
    const bool high = byte >= 0x80 && byte < 0xA0;
    text.push_back(high ? HIGH_CONTROLS[byte - 0x80] : static_cast<char16_t>(byte));
  }
  return text;
}

std::string Utf8ToWindows1252(std::string_view utf8, bool* lossy) {
  std::string text;
  bool changed = false;
  size_t i = 0;
  while (i < utf8.size()) {
    char32_t c = 0;
    if (!DecodeUtf8(utf8, i, c)) {
      text.push_back(REPLACEMENT);
      changed = true;
      continue;
    }
    if (const uint8_t exact = EncodeExact(c); exact != 0) {
      text.push_back(static_cast<char>(exact));
      continue;
    }
    changed = true;
    if (IsCombiningMark(c)) continue;
    const std::string_view standIn = Transliterate(c);
    text.append(standIn.empty() ? std::string_view(&REPLACEMENT, 1) : standIn);
  }
  if (lossy != nullptr) *lossy = changed;
  return text;
}

}  // namespace halvane
