// The field against the test values published with WMM2025 (astro/testdata, scripts/update-wmm).
#include "astro/geomagnetic_field.h"
#include "tests/support/build_paths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>
#include <string>

namespace halvane {
namespace {

TEST(GeomagneticField, MatchesTheModelsPublishedTestValues) {
  std::ifstream in(test_support::SourcePath("astro/testdata/wmm2025_test_values.csv"));
  std::string line;
  int rows = 0;
  double worstField = 0.0, worstDeclination = 0.0;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::replace(line.begin(), line.end(), ',', ' ');
    std::istringstream cells(line);
    double year, height, latitude, longitude, x, y, z, h, f, inclination, declination;
    cells >> year >> height >> latitude >> longitude >> x >> y >> z >> h >> f >> inclination >>
        declination;
    const MagneticField field = MagneticFieldAt(latitude, longitude, height, year);
    worstField = std::max({worstField, std::fabs(field.north - x), std::fabs(field.east - y),
                           std::fabs(field.down - z)});
    worstDeclination =
        std::max(worstDeclination,
                 std::fabs(MagneticDeclination(latitude, longitude, height, year) - declination));
    ++rows;
  }
  EXPECT_EQ(rows, 100);
  // The published components carry six decimals: a sum of this size agrees to well under 0.1 nT.
  EXPECT_LT(worstField, 0.1) << "worst component error, nT";
  // The published declinations are rounded to 0.01 degree.
  EXPECT_LE(worstDeclination, 0.005 + 1e-9) << "worst declination error, degrees";
}

TEST(GeomagneticField, OddInputAndYearsOutsideTheModelStayFinite) {
  EXPECT_EQ(MagneticDeclination(NAN, 10.0, 0.0, 2026.0), 0.0);
  EXPECT_EQ(MagneticDeclination(45.0, INFINITY, 0.0, 2026.0), 0.0);
  // Any year reads the field of the model's span: 1900 as its first year, 2100 as its last.
  EXPECT_DOUBLE_EQ(MagneticDeclination(48.0, 11.0, 0.0, 1900.0),
                   MagneticDeclination(48.0, 11.0, 0.0, 2024.87));
  EXPECT_DOUBLE_EQ(MagneticDeclination(48.0, 11.0, 0.0, 2100.0),
                   MagneticDeclination(48.0, 11.0, 0.0, 2029.87));
  for (const double latitude : {90.0, -90.0}) {
    EXPECT_TRUE(std::isfinite(MagneticDeclination(latitude, 0.0, 0.0, 2026.0)));
  }
}

}  // namespace
}  // namespace halvane
