// The bodies' names for lupdate and the translator.
#include "view/body_label.h"

#include "platform/translate.h"

namespace halvane {

std::string BodyLabel(Body body) {
  switch (body) {
    case Body::SUN: return Words::Tr("Sun");
    case Body::MOON: return Words::Tr("Moon");
    case Body::MERCURY: return Words::Tr("Mercury");
    case Body::VENUS: return Words::Tr("Venus");
    case Body::MARS: return Words::Tr("Mars");
    case Body::JUPITER: return Words::Tr("Jupiter");
    case Body::SATURN: return Words::Tr("Saturn");
    case Body::URANUS: return Words::Tr("Uranus");
    case Body::NEPTUNE: return Words::Tr("Neptune");
    //: the dwarf planet
    case Body::PLUTO: return Words::Tr("Pluto");
  }
  return "";
}

}  // namespace halvane
