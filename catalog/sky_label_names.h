// The names of Labels.dat sorted into the bright stars' proper names (with each star's
// magnitude from Stars.dat) and the constellations' names, for the two name layers.
#pragma once

#include "astro/direction.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "astro/sky_places.h"
#include "catalog/catalog_records.h"
#include "catalog/data_file.h"
#include "catalog/local_sky_names.h"
#include "view/label_candidate.h"

namespace halvane {

class Projection;
struct LayerSet;

struct NamedPoint {
  double rightAscension = 0.0;  // radians, catalog frame
  double declination = 0.0;
  std::u16string name;
  int32_t magnitude = 0;  // hundredths; the star's, 0 for a constellation
};

// Read once per pair of files: a label is a star's when a star of Stars.dat stands exactly at
// its place, a deep-sky object's when its name is a catalogue number ("M31"), else a
// constellation's. Unreadable files give no names.
class SkyLabelNames {
 public:
  // Reads the files of layers unless the same files, unchanged, were read last time.
  void Load(const LayerSet& layers);
  const std::vector<NamedPoint>& Stars() const { return stars; }
  const std::vector<NamedPoint>& Constellations() const { return constellations; }
  // The magnitude (hundredths) of the named star exactly at this place; none for other places.
  std::optional<int32_t> StarMagnitudeAt(double rightAscension, double declination) const;

  // Every record of Labels.dat in file order, with StarMagnitudeAt of its place: a tap looks
  // through them all and need not read the file again.
  struct Label {
    LabelRecord record;
    std::optional<int32_t> magnitude;
    Direction direction;  // of the record's place
  };
  const std::vector<Label>& Labels() const { return labels; }

 private:
  std::string labelsPath;
  std::string starsPath;
  FileState labelsState;
  FileState starsState;
  bool loaded = false;
  std::vector<NamedPoint> stars;
  std::vector<NamedPoint> constellations;
  std::vector<Label> labels;
  std::vector<std::pair<std::pair<double, double>, int32_t>> starMagnitudes;  // sorted by place
};

// The names of the stars whose magnitude (hundredths) is at most faintest, beside their sprites.
void AddStarNames(const Projection& projection, const SkyLabelNames& names, const SkyPlaces& sky,
                  int32_t faintest, bool aboveHorizonOnly, Color color,
                  std::vector<LabelCandidate>& candidates);
// The same for any list of named stars (their Greek letters).
void AddStarNames(const Projection& projection, const std::vector<NamedPoint>& stars,
                  const SkyPlaces& sky, int32_t faintest, bool aboveHorizonOnly, Color color,
                  std::vector<LabelCandidate>& candidates);
// The constellations' names, in the language of local, centred on their label points.
void AddConstellationNames(const Projection& projection, const SkyLabelNames& names,
                           const LocalSkyNames& local, const SkyPlaces& sky, bool aboveHorizonOnly,
                           Color color, std::vector<LabelCandidate>& candidates);

// The faintest star (hundredths) the star-name layer names at a field of view (radians) and
// star-limit offset: the brightest few at 180 degrees, a magnitude more per halving of the
// field, every named star at the narrowest fields.
int32_t StarNameLimit(double fieldOfView, int32_t starLimitOffset);

}  // namespace halvane
