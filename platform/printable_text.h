// Text from arguments and files made safe to write to a terminal or a line-based trace.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace halvane {

// The longest value, in bytes of the input, that messages echo before cutting it.
constexpr size_t ECHOED_VALUE_BYTES = 120;

// bytes with every control character (C0, DEL, C1) and every byte that is not part of valid
// UTF-8 written as \xNN and a backslash as \\; printable UTF-8 passes unchanged. Input beyond
// maxBytes is dropped and "..." marks the cut (never inside a character).
std::string PrintableText(std::string_view bytes, size_t maxBytes = std::string_view::npos);

}  // namespace halvane
