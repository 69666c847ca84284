// The IAU 1976 precession against ERFA's eraPmat76, reporting the worst error.
#include "astro/precession.h"

#include <erfa.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "astro/angles.h"

namespace halvane {
namespace {

TEST(Precession, MatrixAndB1875RotationMatchErfa) {
  double worstMatrix = 0.0;
  for (double year = 1600.0; year <= 2400.0; year += 12.5) {
    const double julianDay = JD_J2000 + (year - 2000.0) * 365.25;
    const RotationMatrix ours = PrecessionFromJ2000(julianDay);
    double theirs[3][3];
    eraPmat76(julianDay, 0.0, theirs);
    for (size_t i = 0; i < 3; ++i) {
      for (size_t k = 0; k < 3; ++k) {
        worstMatrix = std::max(worstMatrix, std::fabs(ours[i][k] - theirs[i][k]));
      }
    }
  }

  double toB1875[3][3];
  eraPmat76(JD_B1875, 0.0, toB1875);
  double worstPosition = 0.0;
  double worstRoundTrip = 0.0;
  for (double dec = -1.5; dec <= 1.5; dec += 0.1) {
    for (double ra = 0.05; ra < TWO_PI; ra += 0.3) {
      double p[3];
      eraS2c(ra, dec, p);
      double q[3];
      eraRxp(toB1875, p, q);
      double erfaRa = 0.0;
      double erfaDec = 0.0;
      eraC2s(q, &erfaRa, &erfaDec);
      double ourRa = ra;
      double ourDec = dec;
      J2000ToB1875(ourRa, ourDec);
      EXPECT_GE(ourRa, 0.0);
      EXPECT_LT(ourRa, TWO_PI);
      worstPosition = std::max(worstPosition, eraSeps(ourRa, ourDec, erfaRa, erfaDec));
      B1875ToJ2000(ourRa, ourDec);
      worstRoundTrip = std::max(worstRoundTrip, eraSeps(ourRa, ourDec, ra, dec));
    }
  }
  std::printf(
      "worst error against eraPmat76: %.3g (matrix element), %.3g rad (B1875 position); "
      "worst round trip: %.3g rad\n",
      worstMatrix, worstPosition, worstRoundTrip);
  RecordProperty("worst_error_rad", std::to_string(worstPosition));
  EXPECT_LT(worstMatrix, 1e-12);
  EXPECT_LT(worstPosition, 1e-12);
  EXPECT_LT(worstRoundTrip, 1e-12);
}

}  // namespace
}  // namespace halvane
