// Page 0 as read off the display: ident cells, city and name, and the way
// from the aircraft to the airport or user waypoint.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "display_fixture.h"

namespace skelbor_test {
namespace {

using ::testing::ElementsAre;

constexpr double kKnotsToMetresPerSecond = 1852.0 / 3600.0;

// Nautical miles a minute at which the module sees an aircraft close in.
double ClosingSpeed(double knots) { return knots * kKnotsToMetresPerSecond * 1.944 / 60.0; }

class AirportPageTest : public DisplayTest {
 protected:
  void LoadAirport(double lat, double lon) {
    DescribeAirport("KSEA", lat, lon);
    gps.SetStoredText("WaypointAirportCity", "Seattle");
    gps.SetStoredText("WaypointAirportName", "Seattle-Tacoma Intl");
    Load();
  }

  std::vector<std::string> Row42() const {
    return Lines({"airportBearingLabel", "airportBearing", "airportDistanceLabel",
                  "airportDistance", "airportGroundSpeedLabel", "airportGroundSpeed"});
  }
  std::vector<std::string> Row58() const {
    return Lines({"airportTrackLabel", "airportTrack", "airportRelBearingLabel",
                  "airportRelBearing", "airportEteLabel", "airportEte"});
  }
};

TEST_F(AirportPageTest, ValidAirportShowsEveryLine) {
  LoadAirport(0.0, 1.0);
  PlaceAircraft(0.0, 0.0, 120.0, 60.0);
  HoldFrames(61);  // the ground-speed average is full

  EXPECT_THAT(
      Lines({"airportIdentChar0", "airportIdentChar1", "airportIdentChar2", "airportIdentChar3"}),
      ElementsAre("K", "S", "E", "A"));
  EXPECT_EQ(Line("airportCity"), "  City: Seattle");
  EXPECT_EQ(Line("airportNameLabel"), "Airport:");
  EXPECT_EQ(Line("airportName"), " Seattle-Tacoma Intl");
  // 60.045 NM due east; 120 kt on a track of 60 close in at 1.732 NM a minute.
  EXPECT_THAT(Row42(), ElementsAre("Brg:", "90.0\xB0", "Dist:", "  60 NM", "GS:", "120 Kts"));
  EXPECT_THAT(Row58(), ElementsAre("Trk:", "60.0\xB0", "RelBrg:", "30.0\xB0", "ETE:", "  35 M"));
}

// Track and distance carry their last shown digit exactly: the radian's
// degrees and the 6371 km x 0.54 earth are not rounded.
TEST_F(AirportPageTest, TrackAndDistanceKeepTheirLastDigit) {
  LoadAirport(10.0, 0.0);  // 600.46 NM due north
  PlaceAircraft(0.0, 0.0, 0.0, 358.94);
  HoldFrames(2);
  EXPECT_EQ(Line("airportTrack"), "358.9\xB0");
  EXPECT_EQ(Line("airportDistance"), " 600 NM");
  Click(Button::kPage);
  Click(Button::kPage);  // the Navaids page: one decimal of the same distance
  gps.SetStoredNumber("NearestVorItemsNumber", 1.0);
  gps.SetStoredNumber("WaypointVorLatitude", 0.0);
  gps.SetStoredNumber("WaypointVorLongitude", 0.0);
  HoldFrames(8);
  EXPECT_EQ(Line("navaidAirportRange"), "600.5 NM");
}

// A variation the simulator gives as 0 to 360 still yields a bearing in 0 to
// 360: 10 degrees west given as 350 makes the airport due west 280.
TEST_F(AirportPageTest, VariationGivenUpTo360StillBearsWithinACircle) {
  LoadAirport(0.0, -1.0);
  PlaceAircraft(0.0, 0.0);
  panel->AircraftState().magneticVariation = 350.0;
  HoldFrames(2);
  EXPECT_EQ(Line("airportBearing"), "280.0\xB0");
}

// Rounding can carry the cosine of coincident points past 1: an aircraft on
// the airport's own position is 0 NM away at every latitude, never "nan".
TEST_F(AirportPageTest, AircraftOnTheAirportIsNoDistanceAway) {
  LoadAirport(0.0, 0.0);
  int checked = 0;
  for (int tenths = -890; tenths <= 890; tenths += 7) {
    const double lat = tenths / 10.0;
    const double lon = -122.3;
    DescribeAirport("KSEA", lat, lon);
    PlaceAircraft(lat, lon);
    HoldFrames(1);
    EXPECT_EQ(Line("airportDistance"), "   0 NM") << lat;
    ++checked;
  }
  EXPECT_GT(checked, 200);
}

TEST_F(AirportPageTest, UnitsSwitchDistanceAndSpeedButNotTime) {
  struct Case {
    int units;
    const char* distance;
    const char* speed;
  };
  for (const Case& c : {Case{0, " 100 NM", "100 Kts"}, Case{1, " 185 km", "185 km/h"},
                        Case{2, " 185 km", "185 km/h"}}) {
    LoadAirport(100.0 / kNmPerDegree, 0.0);
    PlaceAircraft(0.0, 0.0, 100.0, 0.0);
    panel->AircraftState().units = c.units;
    HoldFrames(61);
    EXPECT_EQ(Line("airportDistance"), c.distance) << c.units;
    EXPECT_EQ(Line("airportGroundSpeed"), c.speed) << c.units;
    EXPECT_EQ(Line("airportEte"), "  60 M") << c.units;
    TearDown();
  }
}

TEST_F(AirportPageTest, TimeEnRouteInMinutesBelowTwoHoursAndNoneWhenNotClosingIn) {
  struct Case {
    double knots;
    double minutes;  // at that speed straight ahead; negative: the airport is behind
    const char* ete;
  };
  for (const Case& c :
       {Case{0.0, 30.0, "N/A"}, Case{5.99, 30.0, "N/A"}, Case{6.01, 10.0, "  10 M"},
        Case{100.0, 119.4, " 119 M"}, Case{100.0, 119.9, " 120 M"}, Case{100.0, 120.1, "2.0 H"},
        Case{100.0, 150.0, "2.5 H"}, Case{100.0, -30.0, "N/A"}}) {
    const double closing = c.knots > 0 ? ClosingSpeed(c.knots) : 1.0;
    LoadAirport(c.minutes * closing / kNmPerDegree, 0.0);
    PlaceAircraft(0.0, 0.0, c.knots, 0.0);
    HoldFrames(62);
    EXPECT_EQ(Line("airportEte"), c.ete) << c.knots << " kt, " << c.minutes << " min";
    TearDown();
  }
}

TEST_F(AirportPageTest, TimeEnRouteUsesThePreviousUpdatesDistance) {
  LoadAirport(60.0 * ClosingSpeed(100.0) / kNmPerDegree, 0.0);
  PlaceAircraft(0.0, 0.0, 100.0, 0.0);
  HoldFrames(61);
  ASSERT_EQ(Line("airportEte"), "  60 M");
  gps.SetStoredNumber("FacilityLatitude", 90.0 * ClosingSpeed(100.0) / kNmPerDegree);
  HoldFrames(1);
  EXPECT_EQ(Line("airportEte"), "  60 M");
  HoldFrames(1);
  EXPECT_EQ(Line("airportEte"), "  90 M");
}

TEST_F(AirportPageTest, RelativeBearingFoldsIntoPlusMinus180) {
  struct Case {
    double airportLat;
    double variation;
    double trueTrack;
    const char* bearing;
    const char* track;
    const char* relative;
  };
  for (const Case& c : {Case{-1.0, -20.0, 350.0, "200.0\xB0", "10.0\xB0", "-170.0\xB0"},
                        Case{1.0, -10.0, 190.0, "10.0\xB0", "200.0\xB0", "170.0\xB0"},
                        Case{-1.0, 0.0, 350.0, "180.0\xB0", "350.0\xB0", "-170.0\xB0"}}) {
    LoadAirport(c.airportLat, 0.0);
    PlaceAircraft(0.0, 0.0, 0.0, c.trueTrack);
    panel->AircraftState().magneticVariation = c.variation;
    HoldFrames(2);
    EXPECT_EQ(Line("airportBearing"), c.bearing) << c.trueTrack;
    EXPECT_EQ(Line("airportTrack"), c.track) << c.trueTrack;
    EXPECT_EQ(Line("airportRelBearing"), c.relative) << c.trueTrack;
    TearDown();
  }
}

TEST_F(AirportPageTest, UserWaypointShowsItsNameAndWayWithoutCity) {
  gps.SetStoredText("IcaoSearchCurrentIcao", "A      1234");
  Load("[UserWaypoints]\n1234=Home,47.5,-122.3,120,16\n");
  PlaceAircraft(47.5, -123.3);
  HoldFrames(3);

  EXPECT_THAT(
      Lines({"airportIdentChar0", "airportIdentChar1", "airportIdentChar2", "airportIdentChar3"}),
      ElementsAre("1", "2", "3", "4"));
  EXPECT_EQ(Line("airportCity"), kHidden);
  EXPECT_EQ(View("airportCity").text, "  City: ");
  EXPECT_EQ(Line("airportNameLabel"), "Name:");
  EXPECT_EQ(Line("airportName"), " Home");
  // One degree of longitude east along 47.5 N: 40.56 NM, initial course 89.63.
  EXPECT_THAT(Row42(), ElementsAre("Brg:", "89.6\xB0", "Dist:", "  41 NM", "GS:", "  0 Kts"));
  EXPECT_EQ(Line("airportEte"), "N/A");
}

TEST_F(AirportPageTest, WithoutAirportOrUserWaypointOnlyTheCellsShow) {
  Load();
  HoldFrames(3);
  EXPECT_THAT(ShownNames(), ElementsAre("airportIdentChar3", "airportIdentChar2",
                                        "airportIdentChar1", "airportIdentChar0"));
  EXPECT_EQ(View("airportCity").text, "  City: ");
  EXPECT_EQ(View("airportEte").text, " ");
}

TEST_F(AirportPageTest, CursorCellIsCyanForTwoMinutesAfterAButton) {
  LoadAirport(1.0, 0.0);
  auto colors = [this] {
    std::vector<COLORREF> out;
    for (const char* cell :
         {"airportIdentChar0", "airportIdentChar1", "airportIdentChar2", "airportIdentChar3"}) {
      out.push_back(View(cell).color);
    }
    return out;
  };
  HoldFrames(1);
  EXPECT_THAT(colors(), ElementsAre(0x00FFFF00u, 0x00FFFFFFu, 0x00FFFFFFu, 0x00FFFFFFu));
  panel->SetSimTime(panel->SimTime() + 119.0);
  HoldFrames(1);
  EXPECT_EQ(colors()[0], 0x00FFFF00u);
  panel->SetSimTime(panel->SimTime() + 1.0);
  HoldFrames(1);
  EXPECT_THAT(colors(), ElementsAre(0x00FFFFFFu, 0x00FFFFFFu, 0x00FFFFFFu, 0x00FFFFFFu));
  Click(Button::kNext);
  HoldFrames(1);
  EXPECT_THAT(colors(), ElementsAre(0x00FFFFFFu, 0x00FFFF00u, 0x00FFFFFFu, 0x00FFFFFFu));
}

TEST_F(AirportPageTest, LongCityAndNameAreCutToTheirElements) {
  const std::string long_text = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789abcd";  // 40 characters
  DescribeAirport("KSEA", 1.0, 0.0);
  gps.SetStoredText("WaypointAirportCity", long_text);
  gps.SetStoredText("WaypointAirportName", long_text);
  Load();
  HoldFrames(1);
  EXPECT_EQ(Line("airportCity"), std::string("  City: ").append(long_text, 0, 24));
  EXPECT_EQ(Line("airportName"), std::string(" ").append(long_text, 0, 31));
}

}  // namespace
}  // namespace skelbor_test
