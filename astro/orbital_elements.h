// General Perturbations mean elements of one Earth satellite, as published in a TLE or an OMM.
#pragma once

#include <cstdint>
#include <string>

namespace halvane {

// Every field as its source publishes it; SGP4 converts units once, in its initialisation.
struct OrbitalElements {
  std::string name;                     // object name; empty for a bare two-line set
  int64_t catalogNumber = 0;            // NORAD catalogue number (Alpha-5 "A0001" is 100001)
  std::string internationalDesignator;  // "1998-067A"; empty when unknown
  double epochJulianDay = 0.0;          // UTC epoch, whole Julian day (ends in .5)
  double epochJulianDayFraction = 0.0;  // UTC epoch, fraction of the day, 0 to 1
  double meanMotion = 0.0;              // revolutions per day
  double eccentricity = 0.0;            // 0 to 1
  double inclinationDeg = 0.0;          // degrees
  double raanDeg = 0.0;                 // right ascension of the ascending node, degrees
  double argumentOfPerigeeDeg = 0.0;    // degrees
  double meanAnomalyDeg = 0.0;          // degrees
  double bstar = 0.0;                   // drag term, 1 / earth radii
  double meanMotionDot = 0.0;           // revolutions per day squared, as published (n-dot / 2)
  double meanMotionDdot = 0.0;          // revolutions per day cubed, as published (n-ddot / 6)
  char classification = 'U';            // 'U', 'C' or 'S'
  int32_t elementSetNumber = 0;
  int32_t revolutionNumber = 0;  // revolution number at epoch
};

}  // namespace halvane
