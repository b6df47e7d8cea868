// STO and RCL through the host: the saved list opens with either, STO then
// stores the current ident under the selected line's key, RCL recalls it.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "commands_fixture.h"

namespace skelbor_test {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

const std::string kSettings =
    "[Default]\nDefaultICAO=KSEA\nLastICAO=KBFI\n"
    "[Saved]\n00=EGLL\n01=LFPG\n14=RJTT\n"
    "[UserWaypoints]\n0123=Home,0.0,1.0\n";

const Settings kStored = {{"Default", {{"DefaultICAO", "KSEA"}, {"LastICAO", "KBFI"}}},
                          {"Saved", {{"00", "EGLL"}, {"01", "LFPG"}, {"14", "RJTT"}}},
                          {"UserWaypoints", {{"0123", "Home,0.0,1.0"}}}};

class SavedListTest : public CommandsTest {
 protected:
  void LoadAirport() {
    DescribeAirport("KSEA", 47.4, -122.3);
    Load(kSettings);
    panel->RunFrames(3);  // the cycle takes the facility's ident
  }

  std::vector<std::string> AdvanceWrites(const std::vector<std::string>& writes) {
    std::vector<std::string> advances;
    for (const std::string& write : writes) {
      if (write.rfind("W IcaoSearchAdvanceCursor", 0) == 0) advances.push_back(write);
    }
    return advances;
  }
};

TEST_F(SavedListTest, StoreWritesTheSelectedLineAndKeepsEveryOtherKey) {
  struct Case {
    std::vector<Button> moves;
    const char* key;
  };
  for (const Case& c : {Case{{Button::kDown, Button::kDown}, "10"},
                        Case{{Button::kNext, Button::kNext, Button::kNext}, "03"}, Case{{}, "00"},
                        Case{{Button::kPrevious}, "14"}}) {
    LoadAirport();
    Click(Button::kStore);
    panel->RunFrames(1);
    EXPECT_TRUE(OnSavedPage());
    for (Button move : c.moves) Click(move);
    Click(Button::kStore);
    panel->RunFrames(1);
    EXPECT_TRUE(OnAirportPage()) << c.key;
    EXPECT_EQ(TooltipOf(Button::kPrevious), "Previous Airport");  // kept from the list

    Settings expected = kStored;
    expected["Saved"][c.key] = "KSEA";
    EXPECT_EQ(ReadSettings(), expected) << c.key;
    Restart();
  }
}

TEST_F(SavedListTest, StoreWithoutAFacilityWritesAnEmptyValue) {
  Load(kSettings);
  panel->RunFrames(3);
  Click(Button::kStore);
  Click(Button::kNext);
  Click(Button::kNext);
  Click(Button::kStore);
  Settings expected = kStored;
  expected["Saved"]["02"] = "";
  EXPECT_EQ(ReadSettings(), expected);
}

TEST_F(SavedListTest, RecallTwiceRecallsLineZeroOntoTheEntryLine) {
  ModelSearchCursor(0.0);
  LoadAirport();
  Click(Button::kNext);  // the entry cursor to the third cell
  Click(Button::kNext);
  panel->RunFrames(3);  // the search cursor follows it to 2
  TakeWrites();

  Click(Button::kRecall);
  panel->RunFrames(1);
  EXPECT_TRUE(OnSavedPage());
  EXPECT_EQ(Line("savedSlot0"), "EGLL");
  TakeWrites();
  Click(Button::kRecall);
  EXPECT_THAT(TakeWrites(),
              ElementsAre("W IcaoSearchAdvanceCursor=-1", "W IcaoSearchAdvanceCursor=-1",
                          "W IcaoSearchEnterChar=EGLL", "W FacilityICAO=A      EGLL",
                          "W WaypointAirportICAO=A      EGLL"));
  panel->RunFrames(1);
  EXPECT_TRUE(OnAirportPage());
  EXPECT_EQ(IdentCells(), "EGLL");
  EXPECT_EQ(UpperTooltips(), kEntryTooltips);
  EXPECT_EQ(ReadSettings(), kStored);

  // The entry cursor is back on the first cell: the search cursor stays at 0.
  panel->RunFrames(6);
  EXPECT_THAT(AdvanceWrites(TakeWrites()), IsEmpty());
}

// RCL takes the recalled airport's position at once: the Navaids page
// opened right after it searches around that airport, before any update.
TEST_F(SavedListTest, RecallTakesThePositionOfTheRecalledAirport) {
  LoadAirport();
  gps.SetStoredNumber("FacilityLatitude", 51.47);  // EGLL, as the GPS module now says
  gps.SetStoredNumber("FacilityLongitude", -0.45);
  Click(Button::kRecall);
  Click(Button::kRecall);
  gps.ClearAccesses();
  Click(Button::kPage);
  Click(Button::kPage);
  EXPECT_THAT(gps.Described(true), Contains("W NearestVorCurrentLatitude=51.47"));
  EXPECT_THAT(gps.Described(true), Contains("W NearestNdbCurrentLongitude=-0.45"));
}

// The arrows move the selection through the 3 x 5 grid, wrapping at its
// edges; the selected slot is cyan and an empty one shows "____".
TEST_F(SavedListTest, ArrowsWalkTheGridAndWrap) {
  LoadAirport();
  Click(Button::kStore);
  panel->RunFrames(1);
  EXPECT_THAT(Line("savedSlot0"), "EGLL");
  EXPECT_THAT(Line("savedSlot2"), "____");
  struct Step {
    Button arrow;
    int selected;
  };
  const Step steps[] = {
      {Button::kNext, 1},  {Button::kPrevious, 0},  {Button::kPrevious, 14}, {Button::kNext, 0},
      {Button::kDown, 5},  {Button::kDown, 10},     {Button::kDown, 0},      {Button::kUp, 10},
      {Button::kUp, 5},    {Button::kUp, 0},        {Button::kUp, 10},       {Button::kPrevious, 9},
      {Button::kDown, 14}, {Button::kPrevious, 13}, {Button::kNext, 14},     {Button::kUp, 9},
      {Button::kUp, 4},    {Button::kUp, 14},
  };
  for (const Step& step : steps) {
    Click(step.arrow);
    panel->RunFrames(1);
    std::vector<int> cyan;
    for (int slot = 0; slot < 15; ++slot) {
      if (View("savedSlot" + std::to_string(slot)).color == 0x00FFFF00u) cyan.push_back(slot);
    }
    EXPECT_THAT(cyan, ElementsAre(step.selected)) << "after " << static_cast<int>(step.arrow);
  }
}

TEST_F(SavedListTest, StoreThenRecallRecallsWithoutStoring) {
  LoadAirport();
  Click(Button::kStore);
  Click(Button::kNext);  // line 1
  TakeWrites();
  Click(Button::kRecall);
  EXPECT_THAT(TakeWrites(), ElementsAre("W IcaoSearchEnterChar=LFPG", "W FacilityICAO=A      LFPG",
                                        "W WaypointAirportICAO=A      LFPG"));
  panel->RunFrames(1);
  EXPECT_EQ(IdentCells(), "LFPG");
  EXPECT_EQ(ReadSettings(), kStored);
}

TEST_F(SavedListTest, RecallEndsWhenTheSearchCursorNeverReachesZero) {
  LoadAirport();
  gps.SetStoredNumber("IcaoSearchCursorPosition", 3.0);
  gps.OnWriteNumber("IcaoSearchAdvanceCursor", [](double) {});  // never moves
  Click(Button::kRecall);
  TakeWrites();
  Click(Button::kRecall);
  const std::vector<std::string> writes = TakeWrites();
  const std::size_t advances = AdvanceWrites(writes).size();
  EXPECT_GT(advances, 0u);
  EXPECT_LE(advances, 2u * 13u);
  EXPECT_THAT(writes, Contains("W WaypointAirportICAO=A      EGLL"));
  panel->RunFrames(1);
  EXPECT_EQ(IdentCells(), "EGLL");
}

TEST_F(SavedListTest, RecallWithoutGpsModuleStillFillsTheEntryLine) {
  Load(kSettings, /*with_gps=*/false);
  panel->RunFrames(3);
  Click(Button::kRecall);
  Click(Button::kPrevious);  // line 14
  Click(Button::kRecall);
  panel->RunFrames(1);
  EXPECT_TRUE(OnAirportPage());
  EXPECT_EQ(IdentCells(), "RJTT");
  EXPECT_THAT(gps.Accesses(), IsEmpty());
}

}  // namespace
}  // namespace skelbor_test
