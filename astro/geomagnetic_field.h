// The Earth's main magnetic field from the World Magnetic Model 2025 (NOAA NCEI), for turning a
// compass heading into a true one.
#pragma once

namespace halvane {

// The field in the observer's local frame, nanotesla: north, east and down along the ellipsoid's
// normal (the model's X, Y, Z).
struct MagneticField {
  double north;
  double east;
  double down;
};

// The WMM2025 field at a geodetic place and date: latitude in degrees (-90..90, north positive),
// longitude in degrees EAST positive, height above the WGS 84 ellipsoid in km, decimal year. The
// year is held within the model's five years (2024.87 to 2029.87): a compass reads today's field
// whatever date a chart shows, and the secular change is not fit to run further. Non-finite
// input gives a field of zeros.
// Source: Chulliat et al., The US/UK World Magnetic Model for 2025-2030: Technical Report,
// NOAA NCEI (2024), equations 7 to 17.
MagneticField MagneticFieldAt(double latitude, double longitudeEast, double heightKm, double year);

// Magnetic declination (the compass's north east of true north), degrees in (-180, 180]; 0 where
// the horizontal field vanishes or the input is not finite. Arguments as MagneticFieldAt's.
double MagneticDeclination(double latitude, double longitudeEast, double heightKm, double year);

}  // namespace halvane
