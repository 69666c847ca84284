// Readers of General Perturbations element files: TLE / 3LE and OMM as CSV, JSON and XML.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "astro/orbital_elements.h"

namespace halvane {

struct ElementsReadResult {
  std::vector<OrbitalElements> elements;
  std::vector<std::string> messages;  // one per skipped record: its line or index and field
  std::string error;                  // non-empty when no usable record was found
};

// Reads every element set of a text, whose format is recognised from its first characters:
// '<' XML, '[' or '{' JSON, a header line starting "OBJECT_NAME" (or holding "MEAN_MOTION")
// CSV, otherwise TLE / 3LE. A bad record is skipped with a message; nothing throws.
ElementsReadResult ReadOrbitalElements(std::string_view text);

// Reads a file as ReadOrbitalElements does; an unreadable file is an error naming it.
ElementsReadResult ReadOrbitalElementsFile(const std::string& path);

}  // namespace halvane
