// ACT through the host: engaging, re-targeting and ending heading steering,
// the steering step every 5 seconds, the arrival, and the direct-to hand-over.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "commands_fixture.h"

namespace skelbor_test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

const std::string kSettings =
    "[Default]\nDefaultICAO=KSEA\nVORSearch=30000\n"
    "[Saved]\n00=EGLL\n01=LFPG\n"
    "[UserWaypoints]\n0123=Home,0.0,1.0\n";

std::vector<sim::KeyEvent> Keys(
    std::initializer_list<std::pair<std::uint32_t, std::uint32_t>> list) {
  std::vector<sim::KeyEvent> events;
  for (const auto& [id, value] : list) events.push_back({id, value});
  return events;
}

class ActTest : public CommandsTest {
 protected:
  // The aircraft at (0, 0), the airport KSEA due east (true bearing 90) 60 NM
  // away; three updates let the cycle take the facility's ident.
  void LoadAirportEast(double variation = 0.0, double heading = 0.0, double track = 0.0) {
    DescribeAirport("KSEA", 0.0, 1.0);
    Load(kSettings);
    PlaceAircraft(0.0, 0.0, heading, track);
    panel->AircraftState().magneticVariation = variation;
    panel->RunFrames(3);
    TakeKeyEvents();
  }

  // Runs frames until the steering step sends a heading; the seconds taken.
  double SecondsToFirstStep(double limit) {
    const double start = panel->SimTime();
    while (panel->SimTime() - start < limit) {
      panel->RunFrames(1);
      for (const sim::KeyEvent& event : panel->KeyEvents()) {
        if (event.id == kSetHeading) return panel->SimTime() - start;
      }
    }
    return -1.0;
  }
};

TEST_F(ActTest, EngagingSendsTheRoundedBearingAndRemembersTheAirport) {
  struct Case {
    bool master;
    bool hold;
    double variation;
    std::vector<sim::KeyEvent> keys;
  };
  for (const Case& c : {Case{false, false, 0.0,
                             Keys({{kAutopilotOn, 0}, {kHeadingHoldToggle, 0}, {kSetHeading, 90}})},
                        Case{true, false, 0.6, Keys({{kHeadingHoldToggle, 0}, {kSetHeading, 89}})},
                        Case{true, true, 0.4, Keys({{kSetHeading, 90}})},
                        Case{true, true, -1.5, Keys({{kSetHeading, 92}})}}) {
    LoadAirportEast(c.variation);
    panel->AircraftState().autopilotMaster = c.master;
    panel->AircraftState().headingHold = c.hold;
    panel->RunFrames(1);
    TakeKeyEvents();
    EXPECT_EQ(Lamp(), 512);

    Click(Button::kAct);
    EXPECT_EQ(TakeKeyEvents(), c.keys) << c.variation;
    // The heading-hold event toggles: the hold ends up on either way.
    EXPECT_TRUE(panel->AircraftState().headingHold) << c.variation;
    panel->RunFrames(1);
    EXPECT_EQ(Lamp(), 513);

    Settings expected = {
        {"Default", {{"DefaultICAO", "KSEA"}, {"VORSearch", "30000"}, {"LastICAO", "KSEA"}}},
        {"Saved", {{"00", "EGLL"}, {"01", "LFPG"}}},
        {"UserWaypoints", {{"0123", "Home,0.0,1.0"}}}};
    EXPECT_EQ(ReadSettings(), expected);
    Restart();
  }
}

TEST_F(ActTest, NoTargetMeansNoSteering) {
  struct Case {
    bool with_gps;
    double validity;
  };
  for (const Case& c : {Case{true, 0.5}, Case{true, 0.0}, Case{false, 1.0}}) {
    DescribeAirport("KSEA", 0.0, 1.0);
    gps.SetStoredNumber("FacilityValid", c.validity);
    Load(kSettings, c.with_gps);
    PlaceAircraft(0.0, 0.0);
    panel->RunFrames(3);
    TakeKeyEvents();
    Click(Button::kAct);
    panel->RunFrames(1);
    EXPECT_THAT(TakeKeyEvents(), IsEmpty()) << c.validity;
    EXPECT_EQ(Lamp(), 512);
    EXPECT_EQ(ReadSettings()["Default"].count("LastICAO"), 0u);
    Restart();
  }
}

TEST_F(ActTest, SecondClickEndsSteeringAfterSwitchingTheAutopilotOn) {
  LoadAirportEast();
  Click(Button::kAct);
  panel->RunFrames(3);
  panel->AircraftState().autopilotMaster = false;
  panel->RunFrames(1);  // the module reads the master off
  TakeKeyEvents();

  Click(Button::kAct);
  EXPECT_EQ(TakeKeyEvents(), Keys({{kAutopilotOn, 0}, {kHeadingHoldOff, 0}}));
  panel->RunSeconds(6.0);
  EXPECT_THAT(TakeKeyEvents(), IsEmpty());
  EXPECT_EQ(Lamp(), 512);

  Click(Button::kAct);  // engages again, switching the hold back on
  EXPECT_EQ(TakeKeyEvents(), Keys({{kHeadingHoldToggle, 0}, {kSetHeading, 90}}));
  EXPECT_TRUE(panel->AircraftState().headingHold);
}

TEST_F(ActTest, ClickAfterAnotherIdentRetargets) {
  LoadAirportEast();
  Click(Button::kAct);
  gps.SetStoredText("FacilityIdent", "KBFI");
  gps.SetStoredNumber("FacilityLatitude", 1.0);  // due north
  gps.SetStoredNumber("FacilityLongitude", 0.0);
  panel->RunFrames(6);
  TakeKeyEvents();

  Click(Button::kAct);
  EXPECT_EQ(TakeKeyEvents(), Keys({{kSetHeading, 0}}));
  EXPECT_EQ(ReadSettings()["Default"]["LastICAO"], "KBFI");
  panel->RunFrames(1);
  EXPECT_EQ(Lamp(), 513);
}

TEST_F(ActTest, UserWaypointEngagesWithTheFirstStepTwentySecondsLater) {
  struct Case {
    bool waypoint;
    double earliest;
    double latest;
  };
  for (const Case& c : {Case{false, 0.4, 0.7}, Case{true, 19.8, 20.3}}) {
    if (c.waypoint) {
      gps.SetStoredText("IcaoSearchCurrentIcao", "A      0123");  // the digits of Home
    } else {
      DescribeAirport("KSEA", 0.0, 1.0);
    }
    Load(kSettings);
    PlaceAircraft(0.0, 0.0);
    panel->RunFrames(3);
    TakeKeyEvents();

    Click(Button::kAct);
    EXPECT_EQ(TakeKeyEvents(), Keys({{kSetHeading, 90}})) << c.waypoint;
    EXPECT_EQ(ReadSettings()["Default"]["LastICAO"], c.waypoint ? "0123" : "KSEA");
    const double seconds = SecondsToFirstStep(30.0);
    EXPECT_GT(seconds, c.earliest) << c.waypoint;
    EXPECT_LT(seconds, c.latest) << c.waypoint;
    Restart();
  }
}

TEST_F(ActTest, SteeringStepCorrectsForDriftAndRoundsTheHeading) {
  struct Case {
    const char* what;
    double heading;  // true degrees
    double track;
    double variation;
    double airportLat;
    double airportLon;
    std::vector<std::uint32_t> sent;  // headings of the first step
  };
  const Case cases[] = {
      {"drift right", 10.0, 0.0, 0.0, 0.0, 1.0, {100}},
      {"359.6 rounds to 360", 269.6, 0.0, 0.0, 0.0, 1.0, {360}},
      {"-0.2 wraps to 359.8 and rounds to 360", 9.8, 100.0, 0.0, 0.0, 1.0, {360}},
      {"370.4 wraps to 10", 280.4, 0.0, 0.0, 0.0, 1.0, {10}},
      {"track within a degree of the bearing", 90.5, 90.5, 0.0, 0.0, 1.0, {}},
      // Track 359.5 against bearing 0.4 differs by 359.1, not by 0.9.
      {"difference not wrapped", 359.1, 359.1, -0.4, 1.0, 0.0, {0}},
  };
  for (const Case& c : cases) {
    DescribeAirport("KSEA", c.airportLat, c.airportLon);
    Load(kSettings);
    PlaceAircraft(0.0, 0.0, c.heading, c.track);
    panel->AircraftState().magneticVariation = c.variation;
    panel->RunFrames(3);
    Click(Button::kAct);
    TakeKeyEvents();

    panel->RunSeconds(0.7);
    EXPECT_EQ(TakeValuesOf(kSetHeading), c.sent) << c.what;
    panel->RunSeconds(5.5);  // the next step: the heading has not changed
    EXPECT_THAT(TakeValuesOf(kSetHeading), IsEmpty()) << c.what;
    Restart();
  }
}

TEST_F(ActTest, SteeringStepSwitchesTheAutopilotBackOn) {
  LoadAirportEast(0.0, 10.0, 0.0);
  Click(Button::kAct);
  panel->RunFrames(1);
  panel->AircraftState().autopilotMaster = false;
  panel->AircraftState().headingHold = false;
  TakeKeyEvents();
  panel->RunSeconds(0.7);
  EXPECT_EQ(TakeKeyEvents(),
            Keys({{kAutopilotOn, 0}, {kHeadingHoldToggle, 0}, {kSetHeading, 100}}));
  EXPECT_TRUE(panel->AircraftState().headingHold);
}

TEST_F(ActTest, SteeringEndsWithinTwoMiles) {
  struct Case {
    double miles;
    bool ends;
  };
  constexpr double kNmPerDegree = 6371.0 * 0.54 * 3.141592653589793 / 180.0;
  for (const Case& c : {Case{1.9, true}, Case{2.1, false}}) {
    DescribeAirport("KSEA", 0.0, 0.1);
    Load(kSettings);
    PlaceAircraft(0.0, 0.0);
    panel->RunFrames(3);
    Click(Button::kAct);
    panel->AircraftState().longitude = 0.1 - c.miles / kNmPerDegree;
    TakeKeyEvents();

    panel->RunSeconds(6.0);
    const std::vector<std::uint32_t> ends = TakeValuesOf(kHeadingHoldOff);
    EXPECT_EQ(ends.size(), c.ends ? 1u : 0u) << c.miles;
    EXPECT_EQ(Lamp(), c.ends ? 512 : 513) << c.miles;
    Restart();
  }
}

// After the first step the steps follow every five seconds: an aircraft
// flying past the airport needs a new heading at each of them.
TEST_F(ActTest, StepsFollowEveryFiveSeconds) {
  DescribeAirport("KSEA", 0.0, 0.1);
  Load(kSettings);
  PlaceAircraft(-0.1, 0.0, 0.0, 0.0);
  panel->AircraftState().groundSpeedKnots = 600.0;  // north, passing 6 NM west of it
  panel->RunFrames(3);
  Click(Button::kAct);
  TakeKeyEvents();
  std::vector<double> steps;
  const double start = panel->SimTime();
  while (panel->SimTime() - start < 33.0) {
    panel->RunFrames(1);
    if (!TakeValuesOf(kSetHeading).empty()) steps.push_back(panel->SimTime() - start);
  }
  ASSERT_EQ(steps.size(), 7u);
  for (std::size_t i = 1; i < steps.size(); ++i) {
    EXPECT_NEAR(steps[i] - steps[i - 1], 5.0, 0.1) << i;
  }
}

// A track more than one degree off the bearing is corrected, one within a
// degree is left alone.
TEST_F(ActTest, TrackOffByMoreThanADegreeIsCorrected) {
  struct Case {
    double track;
    std::vector<std::uint32_t> sent;
  };
  for (const Case& c : {Case{91.5, {89}}, Case{88.5, {92}}, Case{90.9, {}}, Case{89.1, {}}}) {
    DescribeAirport("KSEA", 0.0, 1.0);
    Load(kSettings);
    PlaceAircraft(0.0, 0.0, 90.0, c.track);
    panel->RunFrames(3);
    Click(Button::kAct);
    TakeKeyEvents();
    panel->RunSeconds(0.7);
    EXPECT_EQ(TakeValuesOf(kSetHeading), c.sent) << c.track;
    Restart();
  }
}

TEST_F(ActTest, RightClickHandsTheFacilityToTheFlightPlan) {
  for (double validity : {1.0, 0.0}) {
    DescribeAirport("KSEA", 0.0, 1.0);
    Load(kSettings);
    PlaceAircraft(0.0, 0.0);
    panel->RunFrames(3);
    gps.SetStoredNumber("FacilityValid", validity);
    TakeWrites();
    TakeKeyEvents();

    Click(Button::kAct, sim::MouseButton::kRight);
    EXPECT_THAT(TakeWrites(), ElementsAre("W FlightPlanNewWaypointICAO=A      KSEA",
                                          "W FlightPlanDirectToDestination=1"))
        << validity;
    panel->RunFrames(1);
    EXPECT_THAT(TakeKeyEvents(), IsEmpty());
    EXPECT_EQ(Lamp(), 512);
    Restart();
  }
}

}  // namespace
}  // namespace skelbor_test
