// Bidirectional isolates for values set into right-to-left text, so that digits and Latin
// letters keep their order in an Arabic or Hebrew sentence.
#pragma once

#include <string>
#include <string_view>

namespace halvane {

enum class TextDirection { LeftToRight, RightToLeft };

// The direction of text's first letter, letters in nested isolates included (an isolate
// cannot see into those it holds, so a value made of isolated parts would otherwise read as
// left to right); left to right when it has none, as digits and signs.
TextDirection FirstLetterDirection(std::u16string_view text);

// text between the isolate of its first letter's direction (U+2066 or U+2067) and U+2069.
void AppendIsolate(std::u16string& out, std::u16string_view text);
// AppendIsolate in UTF-8.
void AppendIsolate(std::string& out, std::string_view text);

}  // namespace halvane
