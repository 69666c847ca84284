// The satellites the program knows: every element set read from the cached and imported
// element files, each with its orbit model, found by name, catalogue number or international
// designator.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "astro/orbital_elements.h"
#include "astro/sgp4.h"

namespace halvane {

struct Satellite {
  explicit Satellite(const OrbitalElements& e) : elements(e), model(e) {}
  // The set's name, else its catalogue number: a two-line set has no name.
  std::string ShownName() const {
    return elements.name.empty() ? std::to_string(elements.catalogNumber) : elements.name;
  }
  OrbitalElements elements;
  Sgp4 model;
  bool station = false;  // a crewed station: drawn larger, listed in Tonight without a magnitude
};

class SatelliteSet {
 public:
  // Reads each file in order; a satellite met again (same catalogue number) keeps the newer
  // epoch. Unreadable files and bad records add a message each; nothing throws. Sets whose
  // model cannot start are left out with a message.
  void Load(const std::vector<std::string>& paths);
  // Adds element sets, as Load does for a file's; stations is true for the stations group.
  void Add(const std::vector<OrbitalElements>& elements, bool stations);

  const std::vector<Satellite>& All() const { return satellites; }
  bool Empty() const { return satellites.empty(); }
  const std::vector<std::string>& Messages() const { return messages; }

  // The satellite a query names: its catalogue number ("25544"), international designator
  // ("1998-067A") or name, whole or the beginning of a word ("ISS", "ZARYA"), without regard
  // to case; the first in file order on a tie. -1: none.
  int32_t Find(std::string_view query) const;

 private:
  std::vector<Satellite> satellites;
  std::vector<std::string> messages;
};

// The element files of the cache folder (ending in '/') the program reads at start: the
// downloaded groups, then every imported file, in name order. Missing ones are left out.
std::vector<std::string> SatelliteElementFiles(const std::string& cacheFolder);

}  // namespace halvane
