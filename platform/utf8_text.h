// UTF-8 text from untrusted bytes and from the UTF-16 of the label code page.
#pragma once

#include <string>
#include <string_view>

namespace halvane {

// Appends the UTF-8 form of a code point; a surrogate or a value past U+10FFFF gives U+FFFD.
void AppendUtf8(char32_t c, std::string& text);

// The bytes as valid UTF-8: each malformed byte becomes U+FFFD.
std::string ValidUtf8(std::string_view bytes);
// Whether the bytes are valid UTF-8 already: a catalog's name that is not is refused.
bool IsValidUtf8(std::string_view bytes);

// UTF-16 to UTF-8; an unpaired surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);

// UTF-8 to UTF-16; a malformed byte becomes U+FFFD.
std::u16string Utf8ToUtf16(std::string_view text);

}  // namespace halvane
