// Page 1 as read off the display: ident, name, city and country, position in
// degrees and minutes, elevation and variation.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "display_fixture.h"

namespace skelbor_test {
namespace {

using ::testing::ElementsAre;

class DetailsPageTest : public DisplayTest {
 protected:
  void LoadAirport(const std::string& ident, const std::string& city) {
    DescribeAirport(ident, 47.5, -122.3);
    gps.SetStoredText("WaypointAirportCity", city);
    gps.SetStoredText("WaypointAirportName", "Some Field");
    Load();
    PressPage(1);
  }
};

TEST_F(DetailsPageTest, DegreesCarryTheSignAndMinutesNever) {
  struct Case {
    double angle;
    const char* degrees;
    const char* minutes;
  };
  LoadAirport("KSEA", "Seattle");
  for (const Case& c : {Case{-33.95, "-33\xB0", "57.00'"}, Case{0.25, "0\xB0", "15.00'"},
                        Case{-0.25, "-0\xB0", "15.00'"}, Case{-122.4, "-122\xB0", "24.00'"},
                        Case{47.5, "47\xB0", "30.00'"}}) {
    gps.SetStoredNumber("WaypointAirportLatitude", c.angle);
    gps.SetStoredNumber("WaypointAirportLongitude", c.angle);
    HoldFrames(1);
    EXPECT_THAT(Lines({"detailsLatLabel", "detailsLatDegrees", "detailsLatMinutes",
                       "detailsLonLabel", "detailsLonDegrees", "detailsLonMinutes"}),
                ElementsAre("Lat:", c.degrees, c.minutes, "Lon:", c.degrees, c.minutes))
        << c.angle;
  }
}

TEST_F(DetailsPageTest, ElevationInFeetUnlessAltitudesAreInMetres) {
  LoadAirport("KSEA", "Seattle");
  gps.SetStoredNumber("WaypointAirportElevation", 132.0);
  for (const auto& [units, text] :
       {std::pair{0, "  433 ft"}, std::pair{1, "  433 ft"}, std::pair{2, "132.0 m"}}) {
    panel->AircraftState().units = units;
    HoldFrames(2);
    EXPECT_EQ(Line("detailsElevation"), text) << units;
  }
}

// Metres become feet with the full factor: 1000 m are 3280.84 ft.
TEST_F(DetailsPageTest, HighElevationKeepsItsFeet) {
  LoadAirport("SLLP", "La Paz");
  gps.SetStoredNumber("WaypointAirportElevation", 1000.0);
  HoldFrames(2);
  EXPECT_EQ(Line("detailsElevation"), " 3281 ft");
}

TEST_F(DetailsPageTest, VariationFoldsAbove180) {
  LoadAirport("KSEA", "Seattle");
  for (const auto& [variation, text] :
       {std::pair{350.0, "-10.0\xB0"}, std::pair{180.0, "180.0\xB0"},
        std::pair{16.0, "16.0\xB0"}}) {
    gps.SetStoredNumber("FacilityMagneticVariation", variation);
    HoldFrames(1);
    EXPECT_EQ(Line("detailsMagVar"), text) << variation;
  }
}

TEST_F(DetailsPageTest, CityTakesAsMuchOfTheCountryAsFits) {
  struct Case {
    const char* ident;
    std::string city;
    std::string shown;
  };
  const std::string c27(27, 'c');
  const std::string c28(28, 'c');
  const std::string c40(40, 'c');
  for (const Case& c :
       {Case{"UMMS", "", " , Belarus and Kaliningrad, Russ"},
        Case{"EGLL", "London", " London, United Kingdom"}, Case{"EGLL", c27, " " + c27 + ", Un"},
        Case{"EGLL", c28, " " + c28}, Case{"EGLL", c40, std::string(" ").append(c40, 0, 31)}}) {
    LoadAirport(c.ident, c.city);
    EXPECT_EQ(Line("detailsCityLabel"), "City:");
    EXPECT_EQ(Line("detailsCity"), c.shown) << c.city.size();
    TearDown();
  }
}

TEST_F(DetailsPageTest, AirportHeaderShowsIdentAndNameCutToTheElement) {
  LoadAirport("KSEA", "Seattle");
  EXPECT_EQ(Line("detailsIdent"), "KSEA:");
  EXPECT_EQ(Line("detailsName"), " Some Field");
  const std::string long_name(40, 'n');
  gps.SetStoredText("WaypointAirportName", long_name);
  HoldFrames(1);
  EXPECT_EQ(Line("detailsName"), std::string(" ").append(long_name, 0, 31));
}

TEST_F(DetailsPageTest, UserWaypointShowsItsStoredValues) {
  gps.SetStoredText("IcaoSearchCurrentIcao", "A      1234");
  Load("[UserWaypoints]\n1234=Home,47.5,-122.3,120,16\n");
  HoldFrames(3);  // the cells take the digits and the waypoint is looked up
  PressPage(1);
  EXPECT_EQ(Line("detailsIdent"), "1234:");
  EXPECT_EQ(Line("detailsName"), kHidden);
  EXPECT_THAT(Lines({"detailsCityLabel", "detailsCity"}), ElementsAre("Name:", " Home"));
  EXPECT_THAT(Lines({"detailsLatDegrees", "detailsLatMinutes", "detailsElevation",
                     "detailsLonDegrees", "detailsLonMinutes", "detailsMagVar"}),
              ElementsAre("47\xB0", "30.00'", "120.0", "-122\xB0", "18.00'", "16.0\xB0"));
}

TEST_F(DetailsPageTest, WithNothingLocatedOnlyTheLabelsShow) {
  gps.SetStoredText("IcaoSearchCurrentIcao", "A      1234");
  Load("[UserWaypoints]\n1234=Home,47.5,-122.3,120,16\n");
  HoldFrames(3);
  PressPage(1);
  // The waypoint's line disappears while the page is shown.
  gps.SetStoredText("IcaoSearchCurrentIcao", "A      9999");
  HoldFrames(6);
  EXPECT_THAT(ShownNames(), ElementsAre("detailsMagVarLabel", "detailsLonLabel",
                                        "detailsElevationLabel", "detailsLatLabel"));
}

}  // namespace
}  // namespace skelbor_test
