#include "catalog/element_text_kind.h"

#include "catalog/minor_body_reader.h"
#include "catalog/orbital_elements_reader.h"
#include "platform/translate.h"

namespace halvane {

ElementTextKind ClassifyElementText(std::string_view text) {
  const ElementsReadResult satellites = ReadOrbitalElements(text);
  if (!satellites.elements.empty())
    return {ElementKind::Satellites, satellites.elements.size(), {}};
  const MinorBodyReadResult bodies = ReadMinorBodyElements(text);
  if (!bodies.bodies.empty()) return {ElementKind::MinorBodies, bodies.bodies.size(), {}};
  return {ElementKind::None, 0, Words::Tr("no usable orbital elements in it")};
}

}  // namespace halvane
