// Delta T as the piecewise polynomials of Espenak and Meeus (2006).
#include "astro/delta_t.h"

#include "astro/calendar.h"

namespace halvane {
namespace {

constexpr double SECONDS_PER_DAY = 86400.0;

// The long-term parabola -20 + 32 u^2, u in centuries from 1820.
double LongTerm(double year) {
  const double u = (year - 1820.0) / 100.0;
  return -20.0 + 32.0 * u * u;
}

// Horner's rule on coefficients from the constant term up.
template <int N>
double Polynomial(double x, const double (&c)[N]) {
  double sum = c[N - 1];
  for (int i = N - 2; i >= 0; --i) sum = sum * x + c[i];
  return sum;
}

}  // namespace

double TerrestrialJulianDay(double jdUt) {
  // The year of Delta T is counted from J2000's noon, as the charts' times always were.
  return jdUt + DeltaT(DecimalYear(jdUt - 0.5)) / SECONDS_PER_DAY;
}

double DeltaT(double year) {
  const double y = year;
  if (y < -500.0 || y >= 2150.0) {
    if (y >= 2050.0 && y < 2150.0) return LongTerm(y) - 0.5628 * (2150.0 - y);
    return LongTerm(y);
  }
  if (y < 500.0) {
    constexpr double C[] = {10583.6,    -1014.41,    33.78311,    -5.952053,
                            -0.1798452, 0.022174192, 0.0090316521};
    return Polynomial(y / 100.0, C);
  }
  if (y < 1600.0) {
    constexpr double C[] = {1574.2,     -556.01,      71.23472,    0.319781,
                            -0.8503463, -0.005050998, 0.0083572073};
    return Polynomial((y - 1000.0) / 100.0, C);
  }
  if (y < 1700.0) {
    constexpr double C[] = {120.0, -0.9808, -0.01532, 1.0 / 7129.0};
    return Polynomial(y - 1600.0, C);
  }
  if (y < 1800.0) {
    constexpr double C[] = {8.83, 0.1603, -0.0059285, 0.00013336, -1.0 / 1174000.0};
    return Polynomial(y - 1700.0, C);
  }
  if (y < 1860.0) {
    constexpr double C[] = {13.72,       -0.332447,    0.0068612,     0.0041116,
                            -0.00037436, 0.0000121272, -0.0000001699, 0.000000000875};
    return Polynomial(y - 1800.0, C);
  }
  if (y < 1900.0) {
    constexpr double C[] = {7.62, 0.5737, -0.251754, 0.01680668, -0.0004473624, 1.0 / 233174.0};
    return Polynomial(y - 1860.0, C);
  }
  if (y < 1920.0) {
    constexpr double C[] = {-2.79, 1.494119, -0.0598939, 0.0061966, -0.000197};
    return Polynomial(y - 1900.0, C);
  }
  if (y < 1941.0) {
    constexpr double C[] = {21.20, 0.84493, -0.076100, 0.0020936};
    return Polynomial(y - 1920.0, C);
  }
  if (y < 1961.0) {
    constexpr double C[] = {29.07, 0.407, -1.0 / 233.0, 1.0 / 2547.0};
    return Polynomial(y - 1950.0, C);
  }
  if (y < 1986.0) {
    constexpr double C[] = {45.45, 1.067, -1.0 / 260.0, -1.0 / 718.0};
    return Polynomial(y - 1975.0, C);
  }
  if (y < 2005.0) {
    constexpr double C[] = {63.86, 0.3345, -0.060374, 0.0017275, 0.000651814, 0.00002373599};
    return Polynomial(y - 2000.0, C);
  }
  if (y < 2050.0) {
    constexpr double C[] = {62.92, 0.32217, 0.005589};
    return Polynomial(y - 2000.0, C);
  }
  return LongTerm(y) - 0.5628 * (2150.0 - y);
}

}  // namespace halvane
