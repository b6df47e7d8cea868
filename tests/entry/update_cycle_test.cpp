// The update cycle through the host: the phase each update runs, what a
// stored phase does, simulator time, the ground-speed average and the search
// cursor following the entry cursor.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "entry_fixture.h"

namespace skelbor_test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

bool Has(const std::vector<std::string>& accesses, const std::string& access) {
  return std::find(accesses.begin(), accesses.end(), access) != accesses.end();
}

// The phase one update ran, told by the accesses only that phase makes; "-"
// for phases 0 and 4, which make none (nor does phase 1 off pages 2 and 3).
std::string PhaseSeen(const std::vector<std::string>& accesses) {
  if (Has(accesses, "W IcaoSearchMatchedIcao=0")) return "2";
  if (Has(accesses, "R FacilityIdent")) return "3";
  if (Has(accesses, "W NearestVorCurrentFilter=191")) return "5";
  if (Has(accesses, "R WaypointAirportFrequenciesNumber")) return "1";
  return "-";
}

class UpdateCycleTest : public EntryTest {
 protected:
  std::vector<std::string> Phases(int updates) {
    std::vector<std::string> phases;
    for (int i = 0; i < updates; ++i) phases.push_back(PhaseSeen(Step()));
    return phases;
  }
};

TEST_F(UpdateCycleTest, FirstUpdatesRunPhasesOneToFiveThenZero) {
  LoadWithSearch("[Default]\nDefaultICAO=KSEA\n");
  Click(Button::kPage);
  Click(Button::kPage);  // page 2, where phases 1 and 5 show
  EXPECT_THAT(Phases(12), ElementsAre("1", "2", "3", "-", "5", "-", "1", "2", "3", "-", "5", "-"));
}

TEST_F(UpdateCycleTest, LeftClickOnUpRestartsTheCycleAtPhaseZero) {
  LoadWithSearch("[Default]\nDefaultICAO=KSEA\n");
  EXPECT_THAT(Phases(2), ElementsAre("-", "2"));
  Click(Button::kUp);  // would be followed by phase 3
  EXPECT_THAT(Phases(4), ElementsAre("-", "-", "2", "3"));
}

TEST_F(UpdateCycleTest, SetIcaoMakesTheNextUpdateRefreshTheFacility) {
  LoadWithSearch("[Default]\nDefaultICAO=KSEA\n");
  EXPECT_THAT(Phases(4), ElementsAre("-", "2", "3", "-"));
  panel->CallSetIcao("KBFI");
  EXPECT_THAT(Phases(2), ElementsAre("3", "-"));
}

TEST_F(UpdateCycleTest, OtherServiceCodesChangeNothing) {
  LoadWithSearch("[Default]\nDefaultICAO=KSEA\n");
  EXPECT_THAT(Phases(1), ElementsAre("-"));
  gps.ClearAccesses();
  for (SINT32 code : {0, 1, 2, 3, 5, 7, 8, 9, 11, 12, 13, 15, 100, -1}) {
    gauge->CallGaugeCallback(code);
  }
  EXPECT_THAT(gps.Described(), IsEmpty());
  EXPECT_THAT(Phases(1), ElementsAre("2"));
}

TEST_F(UpdateCycleTest, CursorMarkEndsAfterTwoMinutesOfSimulatorTime) {
  LoadWithSearch();
  Click(Button::kNext);
  Click(Button::kPrevious);  // idle time restarts, cursor on cell 0
  panel->RunSeconds(119.0);
  EXPECT_TRUE(CellMarked(0));
  panel->RunSeconds(2.0);
  EXPECT_FALSE(CellMarked(0));
  Click(Button::kNext);
  panel->RunFrames(1);
  EXPECT_TRUE(CellMarked(1));
}

TEST_F(UpdateCycleTest, SimulatorTimeGoingBackwardsCountsAsNoTime) {
  LoadWithSearch();
  Click(Button::kNext);
  Click(Button::kPrevious);
  panel->SetSimTime(100.0);
  panel->RunFrames(1);
  EXPECT_TRUE(CellMarked(0));
  panel->SetSimTime(10.0);  // 90 seconds back: no time passes
  panel->RunFrames(1);
  panel->RunSeconds(25.0);  // 125 seconds since the press
  EXPECT_FALSE(CellMarked(0));
}

// The time en route to an airport one degree north while the aircraft, held
// in place and pointing at it, reports a constant ground speed: the average
// fills over 60 updates from zero.
TEST_F(UpdateCycleTest, GroundSpeedAverageFillsOverSixtyUpdates) {
  LoadWithSearch("[Default]\nDefaultICAO=KSEA\n");
  sim::Aircraft& aircraft = panel->AircraftState();
  constexpr double kKnots = 100.0;
  aircraft.latitude = 46.45;
  aircraft.longitude = -122.31;
  aircraft.trueHeading = 0.0;
  aircraft.trueTrack = 0.0;
  aircraft.groundSpeedKnots = kKnots;
  const double distance = 6371.0 * 0.54 * 3.141592653589793 / 180.0;  // NM in one degree
  const double metres_per_second = kKnots * 1852.0 / 3600.0;
  auto ete_after = [&](int total_updates, int& done) {
    for (; done < total_updates; ++done) {
      aircraft.latitude = 46.45;
      aircraft.longitude = -122.31;
      panel->RunFrames(1);
    }
    return Line(kAirportEte);
  };
  int done = 0;
  struct Case {
    int updates;
    double fill;
  };
  for (const Case& c : {Case{30, 0.5}, Case{60, 1.0}, Case{90, 1.0}}) {
    SCOPED_TRACE(c.updates);
    const std::string ete = ete_after(c.updates, done);
    ASSERT_EQ(ete.substr(ete.size() - 2), " M");
    const double minutes = distance / (c.fill * metres_per_second * 1.944 / 60.0);
    EXPECT_NEAR(std::stod(ete), minutes, 0.6);
  }
}

TEST_F(UpdateCycleTest, SearchCursorFollowsTheEntryCursorOnePlacePerUpdate) {
  LoadWithSearch();
  for (int i = 0; i < 3; ++i) Click(Button::kNext);  // entry cursor on cell 3
  for (int place = 1; place <= 3; ++place) {
    EXPECT_EQ(Count(Step(), "W IcaoSearchAdvanceCursor=1"), 1);
    EXPECT_EQ(search.Cursor(), place);
  }
  EXPECT_THAT(Step(), ElementsAre("R IcaoSearchCursorPosition", "R IcaoSearchCursorPosition"));

  Click(Button::kNext);  // wraps to cell 0
  for (int place = 2; place >= 0; --place) {
    const std::vector<std::string> accesses = Step();
    EXPECT_EQ(Count(accesses, "W IcaoSearchAdvanceCursor=-1"), 1);
    EXPECT_EQ(Count(accesses, "W IcaoSearchAdvanceCursor=1"), 0);
    EXPECT_EQ(search.Cursor(), place);
  }
  const std::vector<std::string> settled = Step();
  EXPECT_EQ(Count(settled, "W IcaoSearchAdvanceCursor=-1"), 0);
  EXPECT_EQ(Count(settled, "W IcaoSearchAdvanceCursor=1"), 0);
}

}  // namespace
}  // namespace skelbor_test

namespace skelbor_test {
namespace {

// Phase 5 aims the GPS module's nearest searches at the facility with the
// page's own limits: the Navaids page's from the settings file, the Runways
// page's fixed for the ILS search.
TEST_F(UpdateCycleTest, PhaseFiveAimsTheSearchesOfThePageShown) {
  struct Case {
    int presses;
    std::vector<std::string> writes;
  };
  const Case cases[] = {
      {2,
       {"W NearestVorCurrentLatitude=47.45", "W NearestVorCurrentLongitude=-122.31",
        "W NearestVorMaximumItems=20", "W NearestVorMaximumDistance=12345",
        "W NearestVorCurrentFilter=191", "W NearestNdbCurrentLatitude=47.45",
        "W NearestNdbCurrentLongitude=-122.31", "W NearestNdbMaximumItems=20",
        "W NearestNdbMaximumDistance=23456"}},
      {3,
       {"W NearestVorCurrentLatitude=47.45", "W NearestVorCurrentLongitude=-122.31",
        "W NearestVorMaximumItems=20", "W NearestVorMaximumDistance=15000",
        "W NearestVorCurrentFilter=64"}},
  };
  for (const Case& c : cases) {
    gps = sim::ScriptedGps();
    LoadWithSearch("[Default]\nDefaultICAO=KSEA\nVORSearch=12345\nNDBSearch=23456\n");
    gps.SetStoredNumber("FacilityValid", 1.0);
    gps.SetStoredNumber("FacilityLatitude", 47.45);
    gps.SetStoredNumber("FacilityLongitude", -122.31);
    for (int i = 0; i < 4; ++i) Step();  // phase 3 takes the facility's position
    for (int press = 0; press < c.presses; ++press) Click(Button::kPage);
    Step();  // phase 5
    std::vector<std::string> writes;
    for (const sim::GpsAccess& access : gps.Accesses()) {
      if (access.write && access.name.rfind("Nearest", 0) == 0) writes.push_back(access.Describe());
    }
    // On page 3 the runway refresh of the same update follows.
    if (writes.size() > c.writes.size()) writes.resize(c.writes.size());
    EXPECT_EQ(writes, c.writes) << c.presses;
    panel.reset();
  }
}

// The first update after the gauge starts counts from the simulator's time
// at that moment, not from zero.
TEST_F(UpdateCycleTest, TimeCountsFromTheStartOfTheGauge) {
  search.Install(gps);
  sim::PanelOptions options;
  options.moduleFile = SKELBOR_MODULE_FILE;
  options.gps = &gps;
  options.startTime = 5000.0;
  panel = std::make_unique<sim::Panel>(options);
  gauge = &panel->CreateGauge("gps", "", sim::Panel::kGpsWindow);
  panel->RunFrames(2);
  EXPECT_TRUE(CellMarked(0));  // no two minutes have passed
}

// PAGE counts as a button press: the cursor is marked again when the pages
// come round to the Airport page.
TEST_F(UpdateCycleTest, PageRestartsTheIdleTime) {
  LoadWithSearch("[Default]\nDefaultICAO=KSEA\n");
  gps.SetStoredNumber("FacilityValid", 1.0);
  panel->RunSeconds(130.0);
  EXPECT_FALSE(CellMarked(0));
  for (int press = 0; press < 4; ++press) Click(Button::kPage);  // back to page 0
  panel->RunFrames(1);
  EXPECT_TRUE(CellMarked(0));
}

}  // namespace
}  // namespace skelbor_test
