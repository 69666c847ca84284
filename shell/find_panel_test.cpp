// Find's names and the panel's object without a window, on the real catalogs: completions with
// a named satellite first, the suggestion for a typing error, the marked place followed when the
// panel's object changes, and a satellite found again after its list is read anew.
#include "shell/find_panel.h"

#include <gtest/gtest.h>

#include "catalog/orbital_elements_reader.h"
#include "tests/support/build_paths.h"

namespace halvane {
namespace {

constexpr char STATION_ELEMENTS[] =
    "ISS (ZARYA)\n"
    "1 25544U 98067A   26342.50000000  .00012000  00000-0  15000-3 0  9994\n"
    "2 25544  51.6400 300.0000 0003000  80.0000 120.0000 15.50000000123451\n";

TEST(FindPanel, CompletesSuggestsAndFollowsThePanelsObject) {
  LayerSet layers;
  layers.UseDataFolder(test_support::SourcePath("data/"));
  const Moment moment;
  FindPanel panel;
  const SkyNames& names = panel.GetSkyNames(layers, moment);
  EXPECT_EQ(&panel.GetSkyNames(layers, moment), &names) << "read once";

  const std::vector<std::u16string> vega = panel.Complete(names, nullptr, u"veg");
  ASSERT_FALSE(vega.empty());
  EXPECT_EQ(vega.front(), u"Vega");
  SatelliteSet stations;
  stations.Add(ReadOrbitalElements(STATION_ELEMENTS).elements, true);
  const std::vector<std::u16string> iss = panel.Complete(names, &stations, u"zarya");
  ASSERT_FALSE(iss.empty());
  EXPECT_EQ(iss.front(), u"ISS (ZARYA)");
  // A two-line set has no name: Find offers and turns to it by its number.
  SatelliteSet unnamed;
  unnamed.Add(ReadOrbitalElements(std::string(STATION_ELEMENTS).substr(12)).elements, false);
  const std::vector<std::u16string> byNumber = panel.Complete(names, &unnamed, u"25544");
  ASSERT_FALSE(byNumber.empty());
  EXPECT_EQ(byNumber.front(), u"25544");
  const std::optional<NamedRef> numbered = panel.Resolve(names, &unnamed, byNumber.front());
  ASSERT_TRUE(numbered.has_value());
  EXPECT_EQ(numbered->object.source, ObjectSource::Satellite);
  EXPECT_EQ(panel.Suggest(names, u"Betelguese"), u"Betelgeuse");
  EXPECT_EQ(panel.Suggest(names, u"Qqqqqqqq"), u"");

  EXPECT_FALSE(panel.MarkedPlace(names, moment).has_value()) << "no panel yet";
  const std::optional<NamedRef> vegaRef = panel.Resolve(names, &stations, u"Vega");
  ASSERT_TRUE(vegaRef.has_value());
  panel.SetPanelObject(*vegaRef);
  ASSERT_TRUE(panel.MarkedPlace(names, moment).has_value());
  EXPECT_NEAR(panel.MarkedPlace(names, moment)->rightAscension, 4.87, 0.01);
  panel.SetPanelObject(*panel.Resolve(names, &stations, u"Sirius"));
  ASSERT_TRUE(panel.MarkedPlace(names, moment).has_value());
  EXPECT_NEAR(panel.MarkedPlace(names, moment)->declination, -0.292, 0.002);

  // A satellite has no fixed place; after its list is read anew it is found again by name.
  const std::optional<NamedRef> station = panel.Resolve(names, &stations, u"zarya");
  ASSERT_TRUE(station.has_value());
  EXPECT_EQ(station->object.source, ObjectSource::Satellite);
  panel.SetPanelObject(*station);
  EXPECT_FALSE(panel.MarkedPlace(names, moment).has_value());
  SatelliteSet reread;
  reread.Add(ReadOrbitalElements(STATION_ELEMENTS).elements, true);
  reread.Add(ReadOrbitalElements(STATION_ELEMENTS).elements, true);
  panel.FindPanelObjectAgain(names, &reread);
  ASSERT_TRUE(panel.GetPanelObject().has_value());
  EXPECT_EQ(panel.GetPanelObject()->name, "ISS (ZARYA)");
  panel.FindPanelObjectAgain(names, nullptr);
  EXPECT_FALSE(panel.GetPanelObject().has_value()) << "gone with its list";

  panel.SetFoundName(u"Vega");
  EXPECT_EQ(panel.TakeFoundName(), u"Vega");
  EXPECT_EQ(panel.GetFoundName(), u"") << "taken once";
}

}  // namespace
}  // namespace halvane
