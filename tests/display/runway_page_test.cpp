// Page 3 as read off the display, and which elements show after a page
// change.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "display_fixture.h"

namespace skelbor_test {
namespace {

using ::testing::ElementsAre;

class RunwayPageTest : public DisplayTest {
 protected:
  void LoadRunways(int count, double direction, double variation) {
    DescribeAirport("KSEA", 47.4, -122.3);
    gps.SetStoredNumber("FacilityMagneticVariation", variation);
    gps.SetStoredNumber("WaypointAirportRunwaysNumber", count);
    gps.SetStoredText("WaypointAirportRunwayDesignation", "16L-34R");
    gps.SetStoredNumber("WaypointAirportRunwayDirection", direction);
    gps.SetStoredNumber("WaypointAirportRunwayLength", 3000.0);
    gps.SetStoredNumber("WaypointAirportRunwayWidth", 45.0);
    gps.SetStoredNumber("WaypointAirportRunwaySurface", 2.0);
    Load();
    PressPage(1);  // the details page shows the variation the runway page applies
    PressPage(2);
    HoldFrames(6);  // the cycle reads the runway count
  }
};

TEST_F(RunwayPageTest, HeaderNumbersSeveralRunwaysAndAppliesTheVariation) {
  struct Case {
    int count;
    double direction;
    double variation;
    const char* header;
  };
  for (const Case& c : {Case{1, 163.0, 0.0, "Runway: 16L-34R  Dir: 163.0\xB0"},
                        Case{3, 163.0, 0.0, "Runway(1): 16L-34R  Dir: 163.0\xB0"},
                        Case{1, 355.0, 10.0, "Runway: 16L-34R  Dir: 5.0\xB0"},
                        Case{1, 3.0, 350.0, "Runway: 16L-34R  Dir: 353.0\xB0"},
                        Case{1, 350.0, 10.0, "Runway: 16L-34R  Dir: 360.0\xB0"},
                        // Far outside any circle: folded at once, not by steps.
                        Case{1, 1e300, 0.0, "Runway: 16L-34R  Dir: "}}) {
    LoadRunways(c.count, c.direction, c.variation);
    EXPECT_EQ(Line("runwayHeader").substr(0, std::string(c.header).size()), c.header)
        << c.direction;
    TearDown();
  }
}

// A direction a whole number of turns past north reads 360, as north itself
// does; one a whole number of turns below it reads 0.
TEST_F(RunwayPageTest, WholeTurnsFoldToThe360OrTheZeroTheyCameFrom) {
  for (const auto& [direction, header] : {std::pair{710.0, "Runway: 16L-34R  Dir: 360.0\xB0"},
                                          std::pair{-730.0, "Runway: 16L-34R  Dir: 0.0\xB0"}}) {
    LoadRunways(1, direction, 10.0);
    EXPECT_EQ(Line("runwayHeader"), header) << direction;
    TearDown();
  }
}

TEST_F(RunwayPageTest, NextRunwayCountsOn) {
  LoadRunways(3, 163.0, 0.0);
  Click(Button::kNext);
  HoldFrames(1);
  EXPECT_EQ(Line("runwayHeader"), "Runway(2): 16L-34R  Dir: 163.0\xB0");
}

TEST_F(RunwayPageTest, DimensionsInFeetOrMetresCutToTheLine) {
  struct Case {
    int units;
    double length;
    double width;
    double surface;
    const char* line;
  };
  for (const Case& c : {Case{0, 3000.0, 45.0, 2.0, "9843 ft   x   148 ft  Surf: Asph"},
                        Case{0, 600.0, 20.0, 101.0, "1969 ft   x   66 ft  Surf: Grass"},
                        Case{1, 3000.0, 45.0, 2.0, "3000 m   x   45 m  Surf: Asphalt"},
                        Case{2, 300.0, 10.0, 101.0, "300 m   x   10 m  Surf: Grass"}}) {
    LoadRunways(1, 163.0, 0.0);
    panel->AircraftState().units = c.units;
    gps.SetStoredNumber("WaypointAirportRunwayLength", c.length);
    gps.SetStoredNumber("WaypointAirportRunwayWidth", c.width);
    gps.SetStoredNumber("WaypointAirportRunwaySurface", c.surface);
    HoldFrames(2);
    EXPECT_EQ(Line("runwayDimensions"), c.line) << c.units;
    TearDown();
  }
}

TEST_F(RunwayPageTest, EndLinesShowWhatTheRefreshComposed) {
  gps.SetStoredNumber("WaypointAirportRunwayLighting", 3.0);
  LoadRunways(1, 163.0, 0.0);
  EXPECT_THAT(Lines({"runwayIlsLine1", "runwayIlsLine2"}), ElementsAre("Lights: Full Time", ""));
}

TEST_F(RunwayPageTest, PageChangeHidesTheOldPageAtTheNextUpdate) {
  DescribeAirport("KSEA", 47.4, -122.3);
  Load();
  HoldFrames(3);
  struct Step {
    Button button;
    int page;
  };
  int shownPage = 0;
  for (const Step& step :
       {Step{Button::kPage, 1}, Step{Button::kPage, 2}, Step{Button::kPage, 3},
        Step{Button::kPage, 0}, Step{Button::kStore, 4}, Step{Button::kPage, 0}}) {
    Click(step.button);
    for (const std::string& name : ShownNames()) {
      EXPECT_EQ(PageOf(IndexOf(name)), shownPage) << "before the update: " << name;
    }
    HoldFrames(1);
    shownPage = step.page;
    EXPECT_FALSE(ShownNames().empty()) << step.page;
    for (const sim::ElementView& view : gauge->Elements()) {
      if (view.type != ELEMENT_TYPE_STRING) continue;
      if (PageOf(view.index) == step.page) continue;
      EXPECT_TRUE(view.hidden) << sim::kGpsElementNames[static_cast<std::size_t>(view.index)]
                               << " on page " << step.page;
      EXPECT_EQ(view.text, " ") << sim::kGpsElementNames[static_cast<std::size_t>(view.index)]
                                << " on page " << step.page;
    }
  }
}

}  // namespace
}  // namespace skelbor_test
