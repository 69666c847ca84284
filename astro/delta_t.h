// Delta T, the difference between terrestrial time and universal time, for any year.
#pragma once

namespace halvane {

// TT - UT in seconds for a decimal year (2000.5 is the middle of 2000). Finite for any finite
// year; before -500 and after 2150 it follows the long-term parabola, so far from the present it
// is an estimate (about 1.4 days at the year 8000).
// Source: Espenak and Meeus, "Polynomial expressions for Delta T", NASA Five Millennium Canon of
// Solar Eclipses (2006), with the lunar secular acceleration of -26 arcsec per century squared.
double DeltaT(double year);

// The terrestrial-time Julian day of a universal-time Julian day: jdUt plus DeltaT.
double TerrestrialJulianDay(double jdUt);

}  // namespace halvane
