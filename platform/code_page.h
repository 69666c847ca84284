// The single-byte code page of label names (Windows-1252): decoding to UTF-16 for the
// chart, and encoding from UTF-8 with transliteration for the catalog builder.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace halvane {

// Decodes at most maxBytes bytes, stopping before the first zero byte. Every byte gives
// exactly one UTF-16 code unit, so the result never holds more than maxBytes units. The five
// byte values that the code page leaves unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) become
// U+FFFD. A null pointer gives an empty string.
std::u16string Windows1252ToUtf16(const char* bytes, size_t maxBytes);

// Encodes UTF-8 text in Windows-1252, one byte per character. A character the code page
// lacks is transliterated: accented Latin letters lose their accent, combining marks are
// dropped, a few letters become two (IJ), anything else becomes '?'. Malformed UTF-8 gives
// '?' per bad byte. The result holds no zero byte unless the input did (U+0000 maps to
// '?'). When lossy is given, it is set to whether any character was not kept as it was.
std::string Utf8ToWindows1252(std::string_view utf8, bool* lossy = nullptr);

// The plain-letter stand-in that the encoding above gives a Latin letter outside the page;
// empty when there is none.
std::string_view Transliterate(char32_t c);

// Decodes one UTF-8 sequence at text[i] and moves i past it; false, with one byte consumed,
// when the sequence is malformed, overlong or a surrogate.
bool DecodeUtf8(std::string_view text, size_t& i, char32_t& c);

}  // namespace halvane
