// Page 2 as read off the display: the nearest VORs and NDBs and the airport's
// frequencies, one entry at a time.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "display_fixture.h"

namespace skelbor_test {
namespace {

using ::testing::ElementsAre;

constexpr std::uint32_t kLeft = 0;
constexpr std::uint32_t kRight = 2;

const std::vector<std::string_view> kRows = {"navaidNameLabel",
                                             "navaidName",
                                             "navaidListLabel",
                                             "navaidFrequency",
                                             "navaidIdentLabel",
                                             "navaidIdent",
                                             "navaidAirportRangeLabel",
                                             "navaidAirportRange",
                                             "navaidAirportBearingLabel",
                                             "navaidAirportBearing",
                                             "navaidAircraftRangeLabel",
                                             "navaidAircraftRange",
                                             "navaidAircraftBearingLabel",
                                             "navaidAircraftBearing"};

// A GPS module with a list of frequencies, stepped through
// "WaypointAirportCurrentFrequency".
struct FrequencyList {
  std::vector<int> types;
  int current = 0;
  int writes = 0;

  void Attach(sim::ScriptedGps& gps) {
    gps.SetStoredNumber("WaypointAirportFrequenciesNumber", static_cast<double>(types.size()));
    gps.OnReadNumber("WaypointAirportCurrentFrequency", [this] { return double(current); });
    gps.OnWriteNumber("WaypointAirportCurrentFrequency", [this](double value) {
      ++writes;
      current = std::clamp(static_cast<int>(value), 0, static_cast<int>(types.size()) - 1);
    });
    gps.OnReadNumber("WaypointAirportFrequencyType", [this] { return double(types[current]); });
    gps.OnReadNumber("WaypointAirportFrequencyValue",
                     [this] { return 118000000.0 + 100000.0 * current; });
    gps.OnReadText("WaypointAirportFrequencyName",
                   [this] { return "Entry " + std::to_string(current); });
  }
};

class NavaidPageTest : public DisplayTest {
 protected:
  // The airport at (0, 0) and, in the VOR list, `count` VORs of which the GPS
  // module describes the one last named through "WaypointVorICAO".
  void LoadAirportWithVors(int count) {
    DescribeAirport("KSEA", 0.0, 0.0);
    gps.SetStoredNumber("NearestVorItemsNumber", count);
    gps.OnReadText("NearestVorCurrentICAO", [this] {
      return "V      VOR" + std::to_string(int(gps.StoredNumber("NearestVorCurrentLine")));
    });
    gps.OnReadText("NearestVorCurrentIdent", [this] {
      return "VO" + std::to_string(int(gps.StoredNumber("NearestVorCurrentLine")));
    });
    gps.SetStoredNumber("NearestVorCurrentFrequency", 113900000.0);
    gps.OnReadText("WaypointVorName",
                   [this] { return "Name of " + gps.StoredText("WaypointVorICAO"); });
    // The second VOR lies one degree east of the airport, every other one north.
    gps.OnReadNumber("WaypointVorLatitude", [this] {
      return gps.StoredText("WaypointVorICAO").ends_with("1") ? 0.0 : 1.0;
    });
    gps.OnReadNumber("WaypointVorLongitude", [this] {
      return gps.StoredText("WaypointVorICAO").ends_with("1") ? 1.0 : 0.0;
    });
    Load();
    PlaceAircraft(0.0, 0.0);
    PressPage(2);
    HoldFrames(1);  // the lines use the counts and navaid of the previous update
  }
};

TEST_F(NavaidPageTest, VorEntryShowsFrequencyIdentRangesAndBearings) {
  LoadAirportWithVors(1);
  EXPECT_THAT(Lines(kRows),
              ElementsAre("Name: ", "Name of V      VOR0", "VOR: ", "113.900 MHz", "ID: ", "VO0",
                          "From Apt - Rng: ", "60.0 NM", " Brg: ", "0.0\xB0",
                          "From Acft - Rng: ", "60.0 NM", " Brg: ", "0.0\xB0"));
  EXPECT_EQ(View("navaidFrequency").align, kRight);
  EXPECT_EQ(View("navaidAirportRange").align, kRight);
}

TEST_F(NavaidPageTest, ListLabelCountsFromOneOnlyForSeveralEntries) {
  for (const auto& [count, label] :
       {std::pair{1, "VOR: "}, std::pair{2, "VOR(1): "}, std::pair{5, "VOR(1): "}}) {
    LoadAirportWithVors(count);
    EXPECT_EQ(Line("navaidListLabel"), label) << count;
    TearDown();
  }
}

TEST_F(NavaidPageTest, NextEntryIsMeasuredAfterTheNameLineSelectsIt) {
  LoadAirportWithVors(2);
  Click(Button::kNext);
  HoldFrames(2);
  EXPECT_EQ(Line("navaidListLabel"), "VOR(2): ");
  EXPECT_EQ(Line("navaidName"), "Name of V      VOR1");
  EXPECT_EQ(Line("navaidAirportBearing"), "90.0\xB0");
  EXPECT_EQ(Line("navaidIdent"), "VO1");
}

TEST_F(NavaidPageTest, LineBeyondTheListGoesBackToTheFirst) {
  LoadAirportWithVors(5);
  gps.SetStoredNumber("NearestVorCurrentLine", 7.0);
  gps.ClearAccesses();
  HoldFrames(1);
  EXPECT_EQ(Line("navaidListLabel"), "VOR(1): ");
  const std::vector<std::string> writes = TakeWrites();
  EXPECT_NE(std::find(writes.begin(), writes.end(), "W NearestVorCurrentLine=0"), writes.end());
  EXPECT_EQ(writes.back(), "W NearestVorCurrentFilter=191");
}

TEST_F(NavaidPageTest, EmptyListsShowLabelNoneAndIdentOnly) {
  LoadAirportWithVors(0);
  EXPECT_THAT(ShownNames(), ElementsAre("navaidIdent", "navaidFrequency", "navaidListLabel"));
  EXPECT_EQ(Line("navaidFrequency"), " None");
  EXPECT_EQ(View("navaidFrequency").align, kLeft);
  Click(Button::kUp);  // NDB list, empty too
  HoldFrames(2);
  EXPECT_EQ(Line("navaidListLabel"), "NDB: ");
  Click(Button::kUp);  // frequencies: none, but the fuel lines
  HoldFrames(2);
  EXPECT_THAT(ShownNames(),
              ElementsAre("navaidAircraftRange", "navaidAircraftRangeLabel", "navaidAirportRange",
                          "navaidAirportRangeLabel", "navaidFrequency", "navaidListLabel"));
  EXPECT_THAT(Lines({"navaidListLabel", "navaidFrequency", "navaidAirportRangeLabel",
                     "navaidAirportRange", "navaidAircraftRangeLabel", "navaidAircraftRange"}),
              ElementsAre("Freq: ", " None", "AvGas:", " No", "Jet:", " No"));
}

TEST_F(NavaidPageTest, NdbShowsKilohertzAndBearingRelativeToHeading) {
  struct Case {
    double ndbLon;  // on the equator, the aircraft at (0, 0)
    double heading;
    const char* relative;
  };
  for (const Case& c : {Case{1.0, 290.0, "160.0\xB0"}, Case{-1.0, 70.0, "-160.0\xB0"},
                        Case{1.0, 45.0, "45.0\xB0"}}) {
    LoadAirportWithVors(0);
    gps.SetStoredNumber("NearestNdbItemsNumber", 1.0);
    gps.SetStoredNumber("NearestNdbCurrentFrequency", 350000.0);
    gps.SetStoredNumber("WaypointNdbLatitude", 0.0);
    gps.SetStoredNumber("WaypointNdbLongitude", c.ndbLon);
    panel->AircraftState().trueHeading = c.heading;
    Click(Button::kUp);
    HoldFrames(2);
    EXPECT_EQ(Line("navaidFrequency"), "350.0 KHz");
    EXPECT_EQ(Line("navaidAircraftBearing"), c.relative) << c.heading;
    TearDown();
  }
}

TEST_F(NavaidPageTest, MetricRangesInKilometres) {
  LoadAirportWithVors(1);
  panel->AircraftState().units = 1;
  HoldFrames(2);
  EXPECT_EQ(Line("navaidAirportRange"), "111.2 km");
  EXPECT_EQ(Line("navaidAircraftRange"), "111.2 km");
}

// Units 2 (metric with altitudes in metres) is metric for ranges too.
TEST_F(NavaidPageTest, RangesInKilometresWithAltitudesInMetres) {
  LoadAirportWithVors(1);
  panel->AircraftState().units = 2;
  HoldFrames(2);
  EXPECT_EQ(Line("navaidAirportRange"), "111.2 km");
}

TEST_F(NavaidPageTest, FrequencyListShowsValueAndFuel) {
  FrequencyList list{{1, 1}};
  list.Attach(gps);
  gps.SetStoredText("WaypointAirportFuel1", "100LL");
  LoadAirportWithVors(0);
  Click(Button::kDown);  // VOR list down to the frequencies
  HoldFrames(6);         // the cycle reads the frequency count
  EXPECT_THAT(Lines({"navaidNameLabel", "navaidName", "navaidListLabel", "navaidFrequency",
                     "navaidAirportRangeLabel", "navaidAirportRange", "navaidAircraftRangeLabel",
                     "navaidAircraftRange"}),
              ElementsAre("Name: ", "Entry 0", "Freq(1): ", "118.000 MHz", "AvGas:", " Yes",
                          "Jet:", " No"));
  EXPECT_EQ(View("navaidFrequency").align, kLeft);
  EXPECT_EQ(View("navaidAirportRange").align, kLeft);
  EXPECT_EQ(Line("navaidIdent"), kHidden);
  const auto* name = reinterpret_cast<const ELEMENT_STRING*>(View("navaidName").record);
  EXPECT_EQ(name->max_string_length, 25);
  EXPECT_EQ(name->char_width, 45);
}

TEST_F(NavaidPageTest, FrequenciesOfTypeTwoAreSteppedPastWithinTheList) {
  struct Case {
    std::vector<int> types;
    std::optional<Button> press;
    const char* label;
  };
  for (const Case& c : {Case{{1, 2, 2, 1}, Button::kNext, "Freq(4): "},
                        Case{{1, 1, 2, 1}, Button::kNext, "Freq(2): "},
                        Case{{1, 2, 2, 2}, Button::kNext, "Freq(1): "},
                        Case{{1, 1, 2, 2}, Button::kPrevious, "Freq(2): "},
                        // Entered on a skipped entry, stepping back wraps to the end.
                        Case{{2, 1, 1, 1}, std::nullopt, "Freq(4): "},
                        Case{{2, 2, 2}, Button::kNext, "Freq(2): "}}) {
    FrequencyList list{c.types};
    list.Attach(gps);
    LoadAirportWithVors(0);
    Click(Button::kDown);
    HoldFrames(6);
    if (c.press) Click(*c.press);
    HoldFrames(7);
    EXPECT_EQ(Line("navaidListLabel"), c.label) << ::testing::PrintToString(c.types);
    EXPECT_EQ(Line("navaidName"), "Entry " + std::to_string(list.current));
    TearDown();
  }
}

// A GPS module that keeps its current frequency whatever it is told ends the
// stepping at the first step: the line read back is where it started.
TEST_F(NavaidPageTest, SteppingEndsWhenTheLineReadsBackAsItStarted) {
  FrequencyList list{{2, 2, 2, 2, 2, 2, 2, 2, 2, 2}};
  list.Attach(gps);
  gps.OnReadNumber("WaypointAirportCurrentFrequency", [] { return 0.0; });
  LoadAirportWithVors(0);
  Click(Button::kDown);
  HoldFrames(6);
  for (int frame = 0; frame < 3; ++frame) {
    list.writes = 0;
    HoldFrames(1);
    EXPECT_EQ(list.writes, 1) << frame;
  }
}

TEST_F(NavaidPageTest, SteppingPastTypeTwoEndsWithinOneRoundOfTheList) {
  FrequencyList list{{2, 2, 2, 2, 2}};
  list.Attach(gps);
  // A GPS module whose current frequency never reads back as before.
  double reading = 0.0;
  gps.OnReadNumber("WaypointAirportCurrentFrequency", [&reading] { return reading += 1.0; });
  LoadAirportWithVors(0);
  Click(Button::kDown);
  for (int frame = 0; frame < 12; ++frame) {
    list.writes = 0;
    HoldFrames(1);
    EXPECT_LE(list.writes, 6) << frame;  // five steps and the reset to the first entry
  }
  EXPECT_EQ(Line("navaidListLabel").rfind("Freq(", 0), 0u);
}

}  // namespace
}  // namespace skelbor_test
