// PAGE through the host: the pages it lands on, its GPS writes in order and
// the tooltips a hover shows afterwards.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "module_fixture.h"

namespace skelbor_test {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

const std::vector<std::string> kNavaidSetUp = {
    "W NearestVorCurrentLatitude=47.4",    "W NearestVorCurrentLongitude=-122.3",
    "W NearestVorMaximumItems=20",         "W NearestVorMaximumDistance=20000",
    "W NearestVorCurrentFilter=191",       "W NearestNdbCurrentLatitude=47.4",
    "W NearestNdbCurrentLongitude=-122.3", "W NearestNdbMaximumItems=20",
    "W NearestNdbMaximumDistance=20000"};

const std::vector<std::string> kRunwaySetUp = {
    "W NearestVorCurrentLatitude=47.4", "W NearestVorCurrentLongitude=-122.3",
    "W NearestVorMaximumItems=20",      "W NearestVorMaximumDistance=10000",
    "W NearestVorCurrentFilter=64",     "W WaypointAirportCurrentRunway=0",
    "W NearestVorCurrentLine=0",        "W WaypointVorICAO=V  KSEA ISNQ"};

class PageButtonTest : public ModuleTest {
 protected:
  void LoadValidFacility() {
    gps.SetStoredNumber("FacilityValid", 1.0);
    gps.SetStoredText("FacilityIdent", "KSEA");
    gps.SetStoredNumber("FacilityLatitude", 47.4);
    gps.SetStoredNumber("FacilityLongitude", -122.3);
    gps.SetStoredText("NearestVorCurrentICAO", "V  KSEA ISNQ");
    Load();
    panel->RunFrames(3);  // phase 3 takes the facility's position
    TakeWrites();
  }
};

TEST_F(PageButtonTest, ValidFacilityCyclesThroughFourPagesWithTheirSetUps) {
  LoadValidFacility();

  Click(Button::kPage);  // page 1: no set-up, the entry tooltips stay
  EXPECT_TRUE(TakeWrites().empty());
  EXPECT_EQ(UpperTooltips(), kEntryTooltips);

  Click(Button::kPage);  // page 2
  EXPECT_THAT(TakeWrites(), ElementsAreArray(kNavaidSetUp));
  EXPECT_THAT(UpperTooltips(), ElementsAre("Load Last Active Airport", "Previous Navaid",
                                           "Next Navaid", "Type: Freq", "Type: NDB"));

  Click(Button::kPage);  // page 3
  EXPECT_THAT(TakeWrites(), ElementsAreArray(kRunwaySetUp));
  EXPECT_THAT(UpperTooltips(), ElementsAre("Load Last Active Airport", "Previous Runway",
                                           "Next Runway", "Previous Runway", "Next Runway"));

  Click(Button::kPage);  // back to page 0
  EXPECT_THAT(TakeWrites(), ElementsAre("W NearestVorCurrentFilter=0"));
  EXPECT_EQ(UpperTooltips(), kEntryTooltips);
}

TEST_F(PageButtonTest, ReadsValidityTwiceAndCountsAnyNonZeroAsValid) {
  gps.SetStoredNumber("FacilityValid", 0.5);
  Load();
  gps.ClearAccesses();
  Click(Button::kPage);
  Click(Button::kPage);  // page 2 although 0.5 is not exactly 1
  std::vector<std::string> reads;
  for (const auto& access : gps.Accesses()) {
    if (access.name == "FacilityValid") reads.push_back(access.Describe());
  }
  EXPECT_EQ(reads.size(), 4u);
  EXPECT_EQ(TooltipOf(Button::kNext), "Next Navaid");
}

TEST_F(PageButtonTest, InvalidFacilityWithoutUserWaypointAlwaysLandsOnAirportPage) {
  Load();
  panel->RunFrames(2);
  for (int press = 0; press < 3; ++press) {
    TakeWrites();
    Click(Button::kPage);
    EXPECT_THAT(TakeWrites(), ElementsAre("W NearestVorCurrentFilter=0")) << press;
    EXPECT_EQ(UpperTooltips(), kEntryTooltips);
  }
}

// A user waypoint without a facility has pages 0 and 1 only: PAGE on the
// Details page comes back to the Airport page.
TEST_F(PageButtonTest, UserWaypointAlternatesBetweenAirportAndDetails) {
  Load("[UserWaypoints]\n0123=Home,0.0,1.0\n");
  panel->CallSetIcao("0123");
  panel->RunFrames(2);  // the cycle looks the waypoint up
  for (const char* shown : {"detailsIdent", "airportIdentChar0", "detailsIdent"}) {
    Click(Button::kPage);
    panel->RunFrames(1);
    EXPECT_FALSE(View(shown).hidden) << shown;
  }
}

// Landing on page 2 or 3 starts its list at the first entry, whichever the
// module stepped to before and before the cycle reads the GPS module again.
TEST_F(PageButtonTest, LandingOnAListPageStartsAtItsFirstEntry) {
  gps.SetStoredNumber("WaypointAirportRunwaysNumber", 4.0);
  gps.SetStoredNumber("WaypointAirportFrequenciesNumber", 4.0);
  LoadValidFacility();
  for (int press = 0; press < 3; ++press) Click(Button::kPage);  // page 3
  panel->RunFrames(6);                                           // phase 1 reads the count
  Click(Button::kNext);
  Click(Button::kNext);                                          // runway 3
  for (int press = 0; press < 4; ++press) Click(Button::kPage);  // round to page 3
  TakeWrites();
  Click(Button::kNext);
  EXPECT_THAT(TakeWrites(), ::testing::Contains("W WaypointAirportCurrentRunway=1"));

  for (int press = 0; press < 3; ++press) Click(Button::kPage);  // page 2
  Click(Button::kDown);                                          // the frequency list
  panel->RunFrames(6);
  Click(Button::kNext);
  Click(Button::kNext);                                          // frequency 3
  for (int press = 0; press < 4; ++press) Click(Button::kPage);  // round to page 2
  TakeWrites();
  Click(Button::kNext);
  EXPECT_THAT(TakeWrites(), ::testing::Contains("W WaypointAirportCurrentFrequency=1"));
}

TEST_F(PageButtonTest, WithoutGpsModuleWritesNothingAndRestoresEntryTooltips) {
  Load("", /*with_gps=*/false);
  for (int press = 0; press < 3; ++press) {
    Click(Button::kPage);
    EXPECT_EQ(UpperTooltips(), kEntryTooltips);
  }
  EXPECT_TRUE(gps.Accesses().empty());
}

TEST_F(PageButtonTest, NavaidTooltipsFollowTheListType) {
  LoadValidFacility();
  Click(Button::kPage);
  Click(Button::kPage);  // page 2, VOR list
  Click(Button::kUp);    // NDB list
  EXPECT_EQ(TooltipOf(Button::kDown), "Type: VOR");
  EXPECT_EQ(TooltipOf(Button::kUp), "Type: Freq");
  Click(Button::kUp);  // frequencies
  EXPECT_EQ(TooltipOf(Button::kDown), "Type: NDB");
  EXPECT_EQ(TooltipOf(Button::kUp), "Type: VOR");
  EXPECT_EQ(TooltipOf(Button::kNext), "Next Navaid");

  // Landing on page 2 again shows the tooltips of the list kept.
  Click(Button::kPage);
  Click(Button::kPage);
  Click(Button::kPage);
  Click(Button::kPage);
  EXPECT_EQ(TooltipOf(Button::kDown), "Type: NDB");
  EXPECT_EQ(TooltipOf(Button::kUp), "Type: VOR");
}

// V and ^ go round the three lists, VOR, NDB and frequencies, both ways.
TEST_F(PageButtonTest, ListTypesGoRoundBothWays) {
  LoadValidFacility();
  Click(Button::kPage);
  Click(Button::kPage);  // page 2, VOR list
  for (const Button arrow : {Button::kUp, Button::kDown}) {
    for (int press = 0; press < 3; ++press) Click(arrow);
    panel->RunFrames(1);
    EXPECT_THAT(Line("navaidListLabel"), ::testing::StartsWith("VOR")) << int(arrow);
    EXPECT_EQ(TooltipOf(Button::kUp), "Type: NDB");
  }
}

TEST_F(PageButtonTest, PageClosesTheSavedListWithoutStoring) {
  LoadValidFacility();
  Click(Button::kStore);  // opens the list on page 4
  EXPECT_EQ(TooltipOf(Button::kPrevious), "Previous Airport");
  Click(Button::kPage);
  EXPECT_EQ(UpperTooltips(), kEntryTooltips);
  Click(Button::kStore);  // opens again rather than storing
  EXPECT_EQ(TooltipOf(Button::kUp), "Line Up");
}

}  // namespace
}  // namespace skelbor_test
