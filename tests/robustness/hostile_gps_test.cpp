// A GPS module or simulator that reports numbers and texts no real one
// would: every frame ends at once, nothing overflows, the display shows what
// the module's one conversion rule makes of them, and no key event carries a
// garbage heading.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <limits>
#include <string>

#include "tests/commands/commands_fixture.h"

namespace skelbor_test {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kIntMax = 2147483647.0;
constexpr double kIntMin = -2147483648.0;

class HostileGpsTest : public CommandsTest {
 protected:
  // KSEA on page `page`, reached with PAGE.
  void LoadOnPage(int page) {
    DescribeAirport("KSEA", 47.449, -122.309);
    gps.SetStoredNumber("WaypointAirportLatitude", 47.449);
    gps.SetStoredNumber("WaypointAirportLongitude", -122.309);
    Load();
    panel->RunFrames(3);
    for (int press = 0; press < page; ++press) Click(Button::kPage);
    panel->RunFrames(1);
  }

  // The Navaids page showing the frequency list.
  void LoadFrequencyList() {
    LoadOnPage(2);
    Click(Button::kDown);  // VOR -> Freq
    panel->RunFrames(6);   // phase 1 reads the frequency count
  }

  int WritesOf(const std::string& name) const {
    int writes = 0;
    for (const sim::GpsAccess& access : gps.Accesses()) {
      if (access.write && access.name == name) ++writes;
    }
    return writes;
  }
};

// However many frequencies of the skipped type the GPS module reports, one
// draw steps past a bounded number of them and the frames end at once.
TEST_F(HostileGpsTest, SkippedFrequenciesAreSteppedPastAFewAtATime) {
  for (const double count : {2000000.0, kIntMax, 1e300}) {
    SCOPED_TRACE(count);
    gps.SetStoredNumber("WaypointAirportFrequenciesNumber", count);
    gps.SetStoredNumber("WaypointAirportFrequencyType", 2.0);
    LoadFrequencyList();
    const auto start = std::chrono::steady_clock::now();
    Click(Button::kNext);
    gps.ClearAccesses();
    panel->RunFrames(6);
    if (count < 1e300) {  // an empty list: nothing to step past
      EXPECT_GE(WritesOf("WaypointAirportCurrentFrequency"), 6 * 32);
    }
    EXPECT_LE(WritesOf("WaypointAirportCurrentFrequency"), 6 * 33);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    Restart();
  }
}

// A run of skipped frequencies shorter than the bound is passed in one draw,
// as before: the entry after it shows.
TEST_F(HostileGpsTest, ShortRunOfSkippedFrequenciesIsPassedInOneDraw) {
  gps.SetStoredNumber("WaypointAirportFrequenciesNumber", 40.0);
  gps.OnReadNumber("WaypointAirportFrequencyType", [this] {
    return gps.StoredNumber("WaypointAirportCurrentFrequency") < 30.0 ? 2.0 : 0.0;
  });
  LoadFrequencyList();
  Click(Button::kNext);
  panel->RunFrames(1);
  EXPECT_EQ(gps.StoredNumber("WaypointAirportCurrentFrequency"), 30.0);
  EXPECT_EQ(Line("navaidListLabel"), "Freq(31): ");
}

// Coordinates beyond the integers show 0 whole degrees, with the sign of the
// value; not a number shows as 0 too.
TEST_F(HostileGpsTest, DetailsOfCoordinatesBeyondTheIntegers) {
  struct Case {
    double lat;
    const char* degrees;
  };
  for (const Case& c : {Case{1e300, "0\xB0"}, Case{-1e300, "-0\xB0"}, Case{kNaN, "0\xB0"},
                        Case{kIntMin - 0.5, "-2147483648\xB0"}, Case{-kInfinity, "-0\xB0"}}) {
    SCOPED_TRACE(c.degrees);
    LoadOnPage(1);
    gps.SetStoredNumber("WaypointAirportLatitude", c.lat);
    panel->RunFrames(1);
    EXPECT_EQ(Line("detailsLatDegrees"), c.degrees);
    Restart();
  }
}

// Counts and lines beyond the integers read as an empty list, in the labels
// and in phase 1 of the cycle.
TEST_F(HostileGpsTest, NavaidCountsBeyondTheIntegersAreEmptyLists) {
  for (const double number : {1e300, -1e300, kNaN, kInfinity}) {
    SCOPED_TRACE(number);
    gps.SetStoredNumber("NearestVorItemsNumber", number);
    gps.SetStoredNumber("NearestVorCurrentLine", number);
    gps.SetStoredNumber("WaypointAirportFrequenciesNumber", number);
    gps.SetStoredNumber("WaypointAirportCurrentFrequency", number);
    LoadOnPage(2);
    panel->RunFrames(6);
    EXPECT_EQ(Line("navaidListLabel"), "VOR: ");
    EXPECT_EQ(Line("navaidFrequency"), " None");
    Restart();
  }
}

// Phase 1 reads the runway list: the largest current runway still numbers
// its header, and the arrows step from the integers' ends into the list.
TEST_F(HostileGpsTest, RunwayIndexesAtTheIntegersEnds) {
  gps.SetStoredNumber("WaypointAirportRunwaysNumber", 3.0);
  gps.SetStoredNumber("WaypointAirportCurrentRunway", kIntMax);
  gps.SetStoredNumber("WaypointAirportRunwaySurface", 1e300);
  gps.SetStoredText("WaypointAirportRunwayDesignation", "16L-34R");
  LoadOnPage(3);
  panel->RunFrames(6);  // phase 1 reads the current runway
  gps.SetStoredNumber("WaypointAirportCurrentRunway", kIntMax);
  panel->RunFrames(6);
  EXPECT_THAT(Line("runwayHeader"), ::testing::StartsWith("Runway("));
  Click(Button::kNext);
  EXPECT_EQ(gps.StoredNumber("WaypointAirportCurrentRunway"), 0.0);

  gps.SetStoredNumber("WaypointAirportCurrentRunway", kIntMin);
  panel->RunFrames(6);
  Click(Button::kPrevious);
  EXPECT_EQ(gps.StoredNumber("WaypointAirportCurrentRunway"), 2.0);
  gps.SetStoredNumber("WaypointAirportCurrentRunway", kIntMin);
  panel->RunFrames(6);
  Click(Button::kDown);
  EXPECT_EQ(gps.StoredNumber("WaypointAirportCurrentRunway"), 0.0);
  gps.SetStoredNumber("WaypointAirportRunwaysNumber", -1e300);
  panel->RunFrames(6);
  Click(Button::kPrevious);
  EXPECT_EQ(gps.StoredNumber("WaypointAirportCurrentRunway"), 0.0);
}

// A heading that cannot be brought into 0 to 360 steers nowhere: steering
// engages and ends as ever, but no heading is sent.
TEST_F(HostileGpsTest, GarbageHeadingsAreNeverSent) {
  for (const double variation : {kNaN, kInfinity, -kInfinity, 1e300, -1e300}) {
    SCOPED_TRACE(variation);
    LoadOnPage(0);
    PlaceAircraft(47.0, -122.0);
    panel->AircraftState().magneticVariation = variation;
    Click(Button::kAct);
    panel->RunSeconds(30);
    EXPECT_THAT(TakeValuesOf(kSetHeading), ::testing::IsEmpty());
    EXPECT_EQ(Lamp(), 513);
    Restart();
  }
}

// The window number of the icon gauge's parameter is held at the 32-bit ends
// on every platform, as a 32-bit strtol holds it.
TEST_F(HostileGpsTest, IconParameterBeyondTheIntegersIsHeldAtTheEnds) {
  struct Case {
    const char* parameter;
    std::uint32_t window;
  };
  for (const Case& c : {Case{"99999999999", 2147483647u}, Case{"-99999999999", 2147483648u},
                        Case{"2147483648", 2147483647u}, Case{"12", 12u}}) {
    SCOPED_TRACE(c.parameter);
    Load();
    sim::Gauge& icon = panel->CreateGauge("icon", c.parameter);
    panel->RunFrames(1);
    panel->ClearKeyEvents();
    icon.Click(25, 12, sim::MouseButton::kLeft);
    EXPECT_THAT(TakeKeyEvents(), ::testing::ElementsAre(sim::KeyEvent{0x103CA, c.window}));
    Restart();
  }
}

// Texts of the GPS module are copied before the module hands them on: an
// ICAO text too long for one is passed on and exported empty.
TEST_F(HostileGpsTest, OverlongIcaoTextsAreNeverPassedOn) {
  const std::string overlong(300, 'X');
  gps.SetStoredNumber("NearestVorItemsNumber", 2.0);
  gps.SetStoredText("NearestVorCurrentICAO", overlong);
  LoadOnPage(3);  // names the first nearest VOR for the ILS search
  EXPECT_EQ(gps.StoredText("WaypointVorICAO"), "");

  gps.SetStoredText("FacilityICAO", overlong);
  EXPECT_EQ(panel->CallGetIcao(), "");
  gps.SetStoredText("FacilityICAO", "A      KSEA12");  // one character more than an ICAO
  EXPECT_EQ(panel->CallGetIcao(), "");
  gps.SetStoredText("FacilityICAO", "A      KSEA1");
  EXPECT_EQ(panel->CallGetIcao(), "A      KSEA1");

  Click(Button::kPage);  // back to page 0
  gps.SetStoredText("FacilityICAO", "A      KSEA12");
  Click(Button::kAct, sim::MouseButton::kRight);
  EXPECT_EQ(gps.StoredText("FlightPlanNewWaypointICAO"), "");
}

// Characters outside the ident alphabet that the GPS module puts in an ident
// step into it: up from '?' or '@' comes 'A', down from '[' comes 'Z'.
TEST_F(HostileGpsTest, OddIdentCharactersStepIntoTheAlphabet) {
  struct Case {
    const char* icao;
    Button arrow;
    const char* published;
  };
  for (const Case& c : {Case{"A      K?EA", Button::kUp, "A      KAEA"},
                        Case{"A      K@EA", Button::kUp, "A      KAEA"},
                        Case{"A      K[EA", Button::kDown, "A      KZEA"}}) {
    gps.SetStoredText("IcaoSearchCurrentIcao", c.icao);
    Load();
    panel->RunFrames(3);
    Click(Button::kNext);  // cell 1
    Click(c.arrow, sim::MouseButton::kRight);
    EXPECT_EQ(gps.StoredText("FacilityICAO"), c.published) << c.icao;
    Restart();
  }
}

// A sim time that is not a number counts as no time passing: the idle time
// that marks the entry cursor goes on counting afterwards.
TEST_F(HostileGpsTest, SimTimeNotANumberCountsAsNoTime) {
  LoadOnPage(0);
  for (const double time : {kNaN, 1e300, -1e300, kInfinity, kNaN}) {
    panel->SetSimTime(time);
    panel->RunFrames(1);
  }
  panel->SetSimTime(100.0);
  panel->RunFrames(1);
  Click(Button::kNext);
  panel->RunFrames(1);
  EXPECT_EQ(View("airportIdentChar1").color, 0x00FFFF00u);  // marked
  panel->RunSeconds(125);
  EXPECT_EQ(View("airportIdentChar1").color, 0x00FFFFFFu);  // idle long enough
}

}  // namespace
}  // namespace skelbor_test
