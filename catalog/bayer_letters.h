// The Greek letters of the stars that have one ("α" of "α Ori"), from Names.dat, for the
// star-name layer at narrow fields.
#pragma once

#include <string>
#include <vector>

#include "catalog/sky_label_names.h"

namespace halvane {

class BayerLetters {
 public:
  // Reads namesPath unless it was the file read last time; an unreadable file gives none.
  void Load(const std::string& namesPath);
  // One a star: its letter as Names.dat writes it, at the star's place.
  const std::vector<NamedPoint>& Stars() const { return stars; }

 private:
  std::string loadedPath;
  bool loaded = false;
  std::vector<NamedPoint> stars;
};

}  // namespace halvane
