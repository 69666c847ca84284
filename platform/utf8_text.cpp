// UTF-8 encoding and repair.
#include "platform/utf8_text.h"

#include <cstddef>

#include "platform/code_page.h"

namespace halvane {

namespace {

constexpr char32_t REPLACEMENT_CHARACTER = 0xFFFD;

bool IsSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDFFF; }

}  // namespace

void AppendUtf8(char32_t c, std::string& text) {
  if (IsSurrogate(c) || c > 0x10FFFF) c = REPLACEMENT_CHARACTER;
  const auto put = [&text](char32_t bits) { text.push_back(static_cast<char>(bits)); };
  if (c < 0x80) {
    put(c);
  } else if (c < 0x800) {
    put(0xC0 | (c >> 6));
    put(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    put(0xE0 | (c >> 12));
    put(0x80 | ((c >> 6) & 0x3F));
    put(0x80 | (c & 0x3F));
  } else {
    put(0xF0 | (c >> 18));
    put(0x80 | ((c >> 12) & 0x3F));
    put(0x80 | ((c >> 6) & 0x3F));
    put(0x80 | (c & 0x3F));
  }
}

bool IsValidUtf8(std::string_view bytes) { return ValidUtf8(bytes) == bytes; }

std::string ValidUtf8(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size());
  size_t i = 0;
  while (i < bytes.size()) {
    char32_t c = 0;
    AppendUtf8(DecodeUtf8(bytes, i, c) ? c : REPLACEMENT_CHARACTER, text);
  }
  return text;
}

std::string Utf16ToUtf8(std::u16string_view text) {
  std::string utf8;
  utf8.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    const bool high = c >= 0xD800 && c <= 0xDBFF;
    if (high && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
    }
    AppendUtf8(c, utf8);
  }
  return utf8;
}

std::u16string Utf8ToUtf16(std::string_view text) {
  std::u16string utf16;
  utf16.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    char32_t c = 0;
    if (!DecodeUtf8(text, i, c)) c = 0xFFFD;
    if (c >= 0x10000) {
      utf16.push_back(static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)));
      utf16.push_back(static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
    } else {
      utf16.push_back(static_cast<char16_t>(c));
    }
  }
  return utf16;
}

}  // namespace halvane
