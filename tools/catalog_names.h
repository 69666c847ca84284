// Fitting object names into the 20-byte name field of Labels.dat: Windows-1252, at most 19
// characters, zero-terminated.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "catalog/catalog_records.h"

namespace halvane {

constexpr size_t LABEL_NAME_CHARACTERS = LABEL_NAME_BYTES - 1;

struct FittedName {
  std::string text;             // Windows-1252, at most LABEL_NAME_CHARACTERS bytes
  bool transliterated = false;  // some character was not in the code page
  bool shortened = false;       // the name was longer than the field
};

// Shortens single-byte text to at most maxLength characters: whole words while they fit;
// then, when at least four letters of the next word fit, that word cut and ended by '.';
// joining words ("of", "the", "and", ...) are not left at the end. A first word that is
// alone too long is cut and ended by '.'. Text that fits is returned unchanged.
std::string ShortenName(std::string_view text, size_t maxLength);

// Encodes a UTF-8 name in Windows-1252 (transliterating) and shortens it to the field.
FittedName FitLabelName(std::string_view utf8);

// The 20 bytes of a name field: the text, a zero, then zeros to the end.
void StoreLabelName(std::string_view text, char (&field)[LABEL_NAME_BYTES]);

}  // namespace halvane
