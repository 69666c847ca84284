// The ecliptic's turn into the catalog's frame, of J2000 and of the date.
#include "astro/ecliptic.h"

#include <gtest/gtest.h>

#include <cmath>

#include "astro/angles.h"
#include "astro/sidereal_time.h"

namespace halvane {
namespace {

// The solstice point lies at 6 hours and the obliquity north; the ecliptic of J2000's date is
// the J2000 one; a century later the equinox has slid back along it by the precession of
// 5029 arcseconds (IAU 2006, general precession in longitude).
TEST(Ecliptic, TurnsLongitudesIntoTheCatalogOfJ2000AndOfTheDate) {
  const Rotation j2000 = EclipticToCatalog(false, JD_J2000);
  const Direction solstice = j2000.Apply({0.0, 1.0, 0.0});
  EXPECT_NEAR(solstice.x, 0.0, 1e-15);
  EXPECT_NEAR(std::asin(solstice.z) * RAD_TO_ARCSEC, 84381.406, 0.001);

  const Rotation ofJ2000 = EclipticToCatalog(true, JD_J2000);
  for (const Direction d : {Direction{1, 0, 0}, Direction{0, 1, 0}, Direction{0, 0, 1}}) {
    EXPECT_NEAR(Dot(ofJ2000.Apply(d), j2000.Apply(d)), 1.0, 1e-14);
  }

  const Rotation later = EclipticToCatalog(true, JD_J2000 + 36525.0);
  const Direction equinox = j2000.ApplyInverse(later.Apply({1.0, 0.0, 0.0}));
  EXPECT_NEAR(std::atan2(equinox.y, equinox.x) * RAD_TO_ARCSEC, -5029.0, 2.0);
}

}  // namespace
}  // namespace halvane
