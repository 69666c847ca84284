// The Minor Planet Center's one-line orbit formats: comets (CometEls.txt) and minor planets
// (MPCORB.DAT and its extracts), with their packed designations.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "astro/minor_body.h"

namespace halvane {

struct MinorBodyReadResult {
  MinorBodyList bodies;
  std::vector<std::string> messages;  // one a skipped line: "line 12: eccentricity"
  std::string error;                  // non-empty when no line was usable
};

// Every line of either format, told apart line by line; blank lines and MPCORB.DAT's header
// (to its line of dashes) are passed over, any other line that is not a body is skipped with
// its number and the field that failed. At most 20 000 bodies are kept, with a message.
MinorBodyReadResult ReadMinorBodyElements(std::string_view text);
// The same of a file; a file that cannot be read gives the error.
MinorBodyReadResult ReadMinorBodyFile(const std::string& path);

// "00001" -> 1, "A0001" -> 100001, "~0000" -> 620000; empty when not a packed number.
std::optional<int64_t> UnpackNumber(std::string_view packed);
// A packed provisional designation of seven characters: "J95X00A" -> "1995 XA",
// "K07Tf8A" -> "2007 TA418"; for comets the seventh may be "0" or a fragment's lower-case
// letter ("K23A030" -> "2023 A3"). Empty when not one.
std::string UnpackProvisional(std::string_view packed);
// The first twelve columns of a comet line: "0012P" -> "12P", "    CK23A030" -> "C/2023 A3".
std::string UnpackCometDesignation(std::string_view packed);

}  // namespace halvane
