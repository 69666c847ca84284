// The go-to table's lookups, and turning the view to a row.
#include "view/go_to_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "astro/angles.h"
#include "astro/observer.h"
#include "astro/sky_places.h"
#include "view/projection.h"

namespace halvane {
namespace {

TEST(GoToTable, FindsRowsByIndexAndByNameIgnoringCase) {
  for (int i = 0; i < GO_TO_ROW_COUNT; ++i) {
    ASSERT_EQ(GoToRowAt(i), &GO_TO_TABLE[i]);
    ASSERT_EQ(FindGoToRowByName(GO_TO_TABLE[i].name), &GO_TO_TABLE[i]);
  }
  const GoToRow* orion = FindGoToRowByName("oRiOn");
  ASSERT_NE(orion, nullptr);
  EXPECT_EQ(orion, &GO_TO_TABLE[59]);
  EXPECT_EQ(orion->rightAscensionHours, 5.6);
  EXPECT_EQ(FindGoToRowByName("URSA MAJOR"), &GO_TO_TABLE[82]);
  EXPECT_EQ(GoToRowAt(87)->declinationDegrees, 23.0);
  for (int32_t index : {-1, 88, 40100}) EXPECT_EQ(GoToRowAt(index), nullptr);
  for (const char* name : {"", "Ursa", "Orion ", "Ursa Majors"}) {
    EXPECT_EQ(FindGoToRowByName(name), nullptr) << name;
  }
}

TEST(GoToTable, TurnsTheViewToTheRowsPointEvenBelowTheHorizon) {
  const Observer observer;  // latitude 50
  Projection view(Rect{0, 0, 240, 294});
  view.RotateClockwise();
  const double rotation = view.GetRotation();
  const double theta = 2.0;
  for (const char* name : {"Orion", "Octans", "Ursa Minor"}) {
    const GoToRow& row = *FindGoToRowByName(name);
    view.AimAt(SkyPlaces(observer, theta), row.RightAscension(), row.Declination());
    double azimuth = 0.0;
    double altitude = 0.0;
    view.GetViewDirection(azimuth, altitude);
    double raMinusLst = 0.0;
    double declination = 0.0;
    observer.HorizontalToEquatorial(azimuth, altitude, raMinusLst, declination);
    // A round trip through two transforms: far inside a microradian.
    EXPECT_NEAR(declination, row.declinationDegrees * DEG_TO_RAD, 1e-9) << name;
    EXPECT_NEAR(std::remainder(raMinusLst + theta - row.rightAscensionHours * HOURS_TO_RAD, TWO_PI),
                0.0, 1e-9)
        << name;
    EXPECT_EQ(view.GetRotation(), rotation);
    EXPECT_EQ(altitude < 0.0, std::string(name) == "Octans");  // never rises at latitude 50
  }
  // A centre on the northern meridian is aimed at due north (it was once aimed south).
  const GoToRow& minor = *FindGoToRowByName("Ursa Minor");
  view.AimAt(SkyPlaces(observer, minor.RightAscension()), minor.RightAscension(),
             minor.Declination());
  double azimuth = 1.0;
  double altitude = 0.0;
  view.GetViewDirection(azimuth, altitude);
  EXPECT_EQ(azimuth, 0.0);
  EXPECT_NEAR(altitude, 60 * DEG_TO_RAD, 1e-12);  // 10 degrees above the pole at 50
}

}  // namespace
}  // namespace halvane
