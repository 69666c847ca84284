// Escaping of control characters and broken UTF-8 for terminals and traces.
#include "platform/printable_text.h"

#include <cstdint>
#include <cstdio>

namespace halvane {

namespace {

// The length of the valid UTF-8 sequence that starts bytes, or 0.
size_t Utf8Length(std::string_view bytes) {
  const auto lead = static_cast<uint8_t>(bytes[0]);
  size_t length = 0;
  uint32_t lowest = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    lowest = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    lowest = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    lowest = 0x10000;
  } else {
    return 0;
  }
  if (bytes.size() < length) return 0;
  uint32_t code = lead & (0x7F >> length);
  for (size_t i = 1; i < length; ++i) {
    const auto next = static_cast<uint8_t>(bytes[i]);
    if ((next & 0xC0) != 0x80) return 0;
    code = (code << 6) | (next & 0x3F);
  }
  const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
  if (code < lowest || code > 0x10FFFF || surrogate) return 0;
  return length;
}

bool IsC1Control(std::string_view sequence) {
  return sequence.size() == 2 && static_cast<uint8_t>(sequence[0]) == 0xC2 &&
         static_cast<uint8_t>(sequence[1]) <= 0x9F;
}

void AppendEscaped(std::string_view bytes, std::string& out) {
  for (const char c : bytes) {
    char escaped[5];
    std::snprintf(escaped, sizeof escaped, "\\x%02x", static_cast<uint8_t>(c));
    out += escaped;
  }
}

}  // namespace

std::string PrintableText(std::string_view bytes, size_t maxBytes) {
  std::string out;
  out.reserve(bytes.size() < 256 ? bytes.size() : 256);
  size_t i = 0;
  while (i < bytes.size()) {
    const auto c = static_cast<uint8_t>(bytes[i]);
    const size_t length = c < 0x80 ? 1 : Utf8Length(bytes.substr(i));
    const size_t taken = length == 0 ? 1 : length;
    if (i + taken > maxBytes) {
      out += "...";
      return out;
    }
    const std::string_view sequence = bytes.substr(i, taken);
    if (c == '\\') {
      out += "\\\\";
    } else if (length == 0 || c < 0x20 || c == 0x7F || IsC1Control(sequence)) {
      AppendEscaped(sequence, out);
    } else {
      out += sequence;
    }
    i += taken;
  }
  return out;
}

}  // namespace halvane
