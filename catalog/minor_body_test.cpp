// Comets and asteroids from the Minor Planet Center's lines: the readers, packed designations,
// and the places and magnitudes of two-body motion against PyEphem 4.1.4's (its own two-body
// solver and Earth; scripts/make-minor-body-reference prints the numbers below).
//
// The lines: Ceres, Pallas and C/1995 O1 are the MPC's lines as quoted in python3-skyfield 1.45's
// tests (skyfield/tests/test_keplerlib.py, MIT licence); C/1999 J2 and C/2004 S1 are the MPC's
// elements quoted in python3-ephem 4.1.4's tests (ephem/tests/test_bodies.py, LGPL 3), set here
// in CometEls.txt's columns.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "astro/angles.h"
#include "astro/delta_t.h"
#include "astro/minor_body.h"
#include "astro/vsop87.h"
#include "catalog/minor_body_reader.h"
#include "catalog/sky_names.h"
#include "catalog/sky_target.h"
#include "tests/support/build_paths.h"

namespace halvane {
namespace {

constexpr char CERES[] =
    "00001    3.4   0.15 K205V 162.68631   73.73161   80.28698   10.58862  0.0775571  0.21406009 "
    "  2.7676569  0 MPO492748  6751 115 1801-2019 0.60 M-v 30h Williams   0000      (1) Ceres    "
    "          20190915";
constexpr char PALLAS[] =
    "00002    4.11  0.15 K221L 272.47992  310.69724  172.91658   34.92531  0.2299930  0.21366046 "
    "  2.7711069  0 MPO681823  8875 119 1804-2022 0.58 M-c 28k Pan        0000      (2) Pallas   "
    "          20220105";
constexpr char HALE_BOPP[] =
    "    CJ95O010  1997 03 29.6333  0.916241  0.994928  130.6448  283.3593   88.9908  20200224  "
    "-2.0  4.0  C/1995 O1 (Hale-Bopp)                                    MPC106342";
constexpr char SKIFF[] =
    "    CJ99J020  2000 04 05.7769  7.110858  1.002879  127.1286   50.0353   86.3277            "
    " 2.0  4.0  C/1999 J2 (Skiff)";
constexpr char VAN_NESS[] =
    "    CK04S010  2004 12 08.9212  0.681783  1.000000   92.8155   19.2198  114.6676            "
    "16.5  4.0  C/2004 S1 (Van Ness)";

MinorBodyElements ReadOne(const std::string& line) {
  const MinorBodyReadResult read = ReadMinorBodyElements(line);
  EXPECT_EQ(read.bodies.size(), 1u) << line;
  return read.bodies.empty() ? MinorBodyElements{} : read.bodies.front();
}

TEST(MinorBodyReader, ReadsBothFormatsUnpacksDesignationsAndSkipsBadLines) {
  EXPECT_EQ(UnpackProvisional("J95X00A"), "1995 XA");
  EXPECT_EQ(UnpackProvisional("K07Tf8A"), "2007 TA418");
  EXPECT_EQ(UnpackProvisional("K26A03B"), "2026 AB3");
  EXPECT_EQ(UnpackProvisional("K23A030"), "2023 A3");
  EXPECT_EQ(UnpackProvisional("K23A03b"), "2023 A3-B");
  EXPECT_EQ(UnpackProvisional("K2!A03B"), "");
  EXPECT_EQ(UnpackNumber("00001"), 1);
  EXPECT_EQ(UnpackNumber("A0001"), 100001);
  EXPECT_EQ(UnpackNumber("a0001"), 360001);
  EXPECT_EQ(UnpackNumber("~0000"), 620000);
  EXPECT_EQ(UnpackNumber("~000z"), 620061);
  EXPECT_FALSE(UnpackNumber("0001"));
  EXPECT_EQ(UnpackCometDesignation("0012P"), "12P");
  EXPECT_EQ(UnpackCometDesignation("    CK23A030"), "C/2023 A3");
  EXPECT_EQ(UnpackCometDesignation("    PK19L02D"), "P/2019 LD2");

  const MinorBodyElements ceres = ReadOne(CERES);
  EXPECT_EQ(ceres.kind, MinorBodyKind::Asteroid);
  EXPECT_EQ(ceres.number, 1);
  EXPECT_EQ(ceres.designation, "1");
  EXPECT_EQ(ceres.name, "(1) Ceres");
  EXPECT_EQ(ceres.label, "Ceres");
  EXPECT_DOUBLE_EQ(ceres.epoch, 2459000.5);  // K205V: 2020 May 31.0
  EXPECT_DOUBLE_EQ(ceres.absoluteMagnitude, 3.4);
  EXPECT_NEAR(ceres.perihelionDistance, 2.7676569 * (1 - 0.0775571), 1e-12);
  const MinorBodyElements comet = ReadOne(HALE_BOPP);
  EXPECT_EQ(comet.kind, MinorBodyKind::Comet);
  EXPECT_EQ(comet.designation, "C/1995 O1");
  EXPECT_EQ(comet.label, "Hale-Bopp");
  EXPECT_NEAR(comet.perihelionTime, 2450537.1333, 1e-6);
  EXPECT_DOUBLE_EQ(comet.epoch, 2458903.5);
  EXPECT_NEAR(comet.inclination * RAD_TO_DEG, 88.9908, 1e-12);
  std::string periodic(HALE_BOPP);
  periodic.replace(0, 12, "0012P       ");
  periodic.replace(102, 21, "12P/Pons-Brooks      ");
  const MinorBodyElements pons = ReadOne(periodic);
  EXPECT_EQ(pons.designation, "12P");
  EXPECT_EQ(pons.label, "Pons-Brooks");

  // Each damage names its line and field; the good lines around it stay.
  std::string badE(HALE_BOPP), badDay(HALE_BOPP), badEpoch(CERES), badName(CERES);
  badE.replace(41, 8, "0.99x928");
  badDay.replace(22, 7, "99.0000");
  badEpoch.replace(20, 5, "K20ZV");
  badName.replace(0, 5, "0#001");
  const std::string text = "MPCORB header\n-------\n" + std::string(CERES) + "\n" + badE + "\n\n" +
                           badDay + "\r\n" + badEpoch + "\n" + badName + "\nrubbish\n" +
                           std::string(SKIFF) + "\n" + std::string(PALLAS, 60);
  const MinorBodyReadResult read = ReadMinorBodyElements(text);
  ASSERT_EQ(read.bodies.size(), 2u);
  EXPECT_EQ(read.bodies[1].label, "Skiff");
  const std::vector<std::string> expected = {"line 4: eccentricity",
                                             "line 6: perihelion time",
                                             "line 7: epoch",
                                             "line 8: designation",
                                             "line 9: not a comet or minor-planet line",
                                             "line 11: not a comet or minor-planet line"};
  EXPECT_EQ(read.messages, expected);
  EXPECT_TRUE(read.error.empty());
  EXPECT_FALSE(ReadMinorBodyElements("nothing here\n").error.empty());
}

struct Reference {
  const char* line;
  double jdUt;
  double raHours, decDegrees, magnitude, sunDistance, distance;
};

// Geocentric astrometric places, J2000. The parabola's reference is the hyperbola of
// e = 1.0000001 (see scripts/make-minor-body-reference), 0.05 arcsecond from it.
TEST(MinorBodyPlaces, AsteroidNearParabolicParabolicAndHyperbolicCometsMatchAReference) {
  const Reference references[] = {
      {CERES, 2459017.5, 23.1437383, -17.323382, 8.79, 2.977056, 2.558253},
      {CERES, 2459184.5, 22.6337175, -20.331318, 9.05, 2.968698, 2.895247},
      {HALE_BOPP, 2450508.5, 21.5081057, 34.447308, -0.98, 1.047273, 1.457992},
      {HALE_BOPP, 2450553.5, 3.6674513, 35.037484, -1.26, 0.961651, 1.517727},
      {SKIFF, 2451544.5, 16.4400354, 34.922272, 14.90, 7.137733, 7.473974},
      {SKIFF, 2451696.5, 15.7247965, 36.873097, 14.61, 7.120114, 6.562569},
      {VAN_NESS, 2453310.5, 19.1041174, 13.293066, 15.51, 1.019123, 0.610728},
      {VAN_NESS, 2453385.5, 16.7584547, -10.910358, 17.31, 1.007337, 1.431591},
  };
  for (const Reference& ref : references) {
    const MinorBodyElements body = ReadOne(ref.line);
    const double jdTt = TerrestrialJulianDay(ref.jdUt);
    const HeliocentricState earth = PlanetState(Planet::EARTH, jdTt);
    const MinorBodyPlace place =
        MinorBodyPlaceFrom(body, {earth.position[0], earth.position[1], earth.position[2]}, jdTt);
    ASSERT_TRUE(place.available);
    const double dRa = std::remainder(place.rightAscension - ref.raHours * HOURS_TO_RAD, TWO_PI);
    const double separation = std::hypot(dRa * std::cos(place.declination),
                                         place.declination - ref.decDegrees * DEG_TO_RAD);
    EXPECT_LT(separation * RAD_TO_ARCSEC, 2.0) << body.name << " " << ref.jdUt;
    EXPECT_NEAR(place.magnitude, ref.magnitude, 0.02) << body.name << " " << ref.jdUt;
    // The reference keeps distances in single precision.
    EXPECT_NEAR(place.sunDistance, ref.sunDistance, 5e-6) << body.name;
    EXPECT_NEAR(place.distance, ref.distance, 5e-6) << body.name;
  }
}

// Find reaches a body by any word of its list's name, ranks it above stars and places it
// where the moment has it; without elements, the bright asteroids' names stand in unplaced.
TEST(MinorBodyNames, FindTurnsToCometsAndAsteroidsByTheirNames) {
  // Names only: Hale-Bopp's elements under other comets' designations.
  std::string pons(HALE_BOPP), atlas(HALE_BOPP);
  pons.replace(0, 12, "0012P       ").replace(102, 21, "12P/Pons-Brooks      ");
  atlas.replace(0, 12, "    CK23A030").replace(102, 21, "C/2023 A3 (Tsuchinshan-ATLAS)");
  const std::string text = std::string(CERES) + "\n" + PALLAS + "\n" + pons + "\n" + atlas;
  const auto bodies = std::make_shared<const MinorBodyList>(ReadMinorBodyElements(text).bodies);
  ASSERT_EQ(bodies->size(), 4u);
  const Moment moment(CalendarTime{2020, 6, 3, 17, 0, 0, 0, 0}, Observer(0.0, 51.5), false, bodies);
  const SkyNames names = LoadSkyNames(test_support::SourcePath("data/Labels.dat"),
                                      test_support::SourcePath("data/Names.dat"), "", bodies.get());
  const struct {
    const char* query;
    const char* found;
  } cases[] = {{"Ceres", "(1) Ceres"},
               {"1", "(1) Ceres"},
               {"(1) Ceres", "(1) Ceres"},
               {"pallas", "(2) Pallas"},
               {"12P", "12P/Pons-Brooks"},
               {"Pons-Brooks", "12P/Pons-Brooks"},
               {"C/2023 A3", "C/2023 A3 (Tsuchinshan-ATLAS)"}};
  for (const auto& c : cases) {
    const std::optional<NamedRef> target = ResolveName(names, c.query);
    ASSERT_TRUE(target.has_value()) << c.query;
    EXPECT_EQ(target->name, c.found) << c.query;
    EXPECT_EQ(NameOf(names, target->object, moment), c.found) << c.query;
    EXPECT_TRUE(PlaceOf(names, target->object, moment).has_value());
  }
  const ObjectRef ceres = ResolveName(names, "Ceres")->object;
  EXPECT_EQ(PlaceOf(names, ceres, moment)->rightAscension,
            moment.GetMinorBodies()[0].rightAscension);

  const SkyNames none = LoadSkyNames("", "", "", nullptr);
  const std::optional<NamedRef> hint = ResolveName(none, "Vesta");
  ASSERT_TRUE(hint.has_value());
  EXPECT_EQ(hint->name, "(4) Vesta");
  EXPECT_EQ(NameOf(none, hint->object, Moment()), "(4) Vesta");
  EXPECT_FALSE(PlaceOf(none, hint->object, Moment()).has_value());
}

}  // namespace
}  // namespace halvane
