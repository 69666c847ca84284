// SGP4 initialisation and the near-Earth propagation.
#include "astro/sgp4.h"

namespace halvane {

Sgp4::Sgp4(const OrbitalElements& elements) : elements_(elements) {}

Sgp4Error Sgp4::InitError() const { return initError_; }

Sgp4Error Sgp4::Propagate(double, TemeState&) const { return Sgp4Error::MeanMotion; }

double Sgp4::EpochJulianDay() const {
  return elements_.epochJulianDay + elements_.epochJulianDayFraction;
}

double Sgp4::MinutesSince(double julianDayUtc) const {
  return ((julianDayUtc - elements_.epochJulianDay) - elements_.epochJulianDayFraction) * 1440.0;
}

}  // namespace halvane
