// The Greek letters of star designations: spelled out for matching names ("α" is "alpha") and
// in the three-letter forms that star lists write ("alf").
#pragma once

#include <string_view>

namespace halvane {

// Small or capital Greek letter to its name in lower case ("alpha"); empty for anything else.
std::string_view GreekLetterName(char32_t letter);
// Small or capital Greek letter to its three-letter form ("alf", "mu"); empty otherwise.
std::string_view GreekLetterAbbreviation(char32_t letter);

}  // namespace halvane
