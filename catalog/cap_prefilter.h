// A cheap first look at whether an equatorial position can lie in the visible cap, so that
// positions clearly outside it skip the full horizontal transform. It only ever rejects what
// the cap test itself would reject, at every latitude: near the celestial poles, the zenith and
// the cap's edge it answers "maybe" and leaves the decision to the cap test.
#pragma once

#include "view/visible_cap.h"

namespace halvane {

class Observer;

class CapPrefilter {
 public:
  // For the cap of the observer's current view; a cap wider than a hemisphere, or one whose
  // centre is not finite, gets a prefilter that never rejects.
  CapPrefilter(const Observer& observer, const VisibleCap& cap);

  // True only when (raMinusLst, declination) (radians) certainly fails cap.Contains after
  // EquatorialToHorizontal.
  bool CertainlyOutside(double raMinusLst, double declination) const;
  // True only when no point of the shorter great-circle arc between the two positions
  // (radians) lies in the cap: the arc stays within half its length of its nearer end, so both
  // ends lying further than the radius and that half from the centre is enough.
  bool ArcCertainlyOutside(double raMinusLst1, double declination1, double raMinusLst2,
                           double declination2) const;

 private:
  // The sines and cosines of an hour angle and a declination.
  struct Direction {
    double sinHour;
    double cosHour;
    double sinDeclination;
    double cosDeclination;
  };
  static Direction DirectionOf(double raMinusLst, double declination);
  bool NearZenith(const Direction& d) const;
  double CosDistance(const Direction& d) const;

  bool usable = false;
  double sinLatitude = 0.0;
  double cosLatitude = 1.0;
  double sinCentreDeclination = 0.0;
  double cosCentreDeclination = 1.0;
  double cosCentreHour = 1.0;
  double sinCentreHour = 0.0;
  double cosRadiusBound = 1.0;  // cos of the radius, lowered by a safety margin
  double cosRadius = 1.0;
  double sinRadius = 0.0;
};

}  // namespace halvane
