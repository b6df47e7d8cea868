// GetICAO and SetICAO called as another module of the panel calls them.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "entry_fixture.h"

namespace skelbor_test {
namespace {

using ::testing::ElementsAre;

class IcaoExportsTest : public EntryTest {
 protected:
  // A search cursor that starts at `position` and moves left on each -1.
  void ScriptCursor(int position) {
    cursor = position;
    gps.OnReadNumber("IcaoSearchCursorPosition", [this] { return static_cast<double>(cursor); });
    gps.OnWriteNumber("IcaoSearchAdvanceCursor",
                      [this](double step) { cursor += static_cast<int>(step); });
  }
  int cursor = 0;
};

TEST_F(IcaoExportsTest, SetIcaoOnTheRunwaysPageShowsTheAirportOnPageZero) {
  gps.SetStoredNumber("FacilityValid", 1.0);
  Load();
  for (int i = 0; i < 3; ++i) Click(Button::kPage);
  panel->RunFrames(1);
  EXPECT_THAT(Cells(), ElementsAre(kHiddenLine, kHiddenLine, kHiddenLine, kHiddenLine));
  ScriptCursor(2);
  gps.ClearAccesses();
  panel->CallSetIcao("KBFI");
  EXPECT_THAT(gps.Described(),
              ElementsAre("W IcaoSearchStartCursor=A", "R IcaoSearchCursorPosition",
                          "W IcaoSearchAdvanceCursor=-1", "R IcaoSearchCursorPosition",
                          "W IcaoSearchAdvanceCursor=-1", "R IcaoSearchCursorPosition",
                          "W WaypointAirportICAO=A      KBFI", "W FacilityICAO=A      KBFI",
                          "R IcaoSearchCursorPosition", "W IcaoSearchEnterChar=KBFI"));
  panel->RunFrames(1);
  EXPECT_THAT(Cells(), ElementsAre("K", "B", "F", "I"));
}

TEST_F(IcaoExportsTest, IdentIsCutToFourCharactersAndNullActsAsEmpty) {
  struct Case {
    const char* ident;
    const char* icao;
    std::vector<std::string> cells;
    bool entered;
  };
  const Case cases[] = {
      {"KSEA", "A      KSEA", {"K", "S", "E", "A"}, true},
      {"KS", "A      KS", {"K", "S", "", ""}, true},
      {"KSEAXYZ", "A      KSEA", {"K", "S", "E", "A"}, true},
      {"", "A      ", {"", "", "", ""}, false},
      {nullptr, "A      ", {"", "", "", ""}, false},
  };
  gps.SetStoredText("IcaoSearchCurrentIcao", "A      PAKN");
  Load();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ident == nullptr ? "null" : c.ident);
    gps.ClearAccesses();
    panel->CallSetIcao(c.ident);
    const std::vector<std::string> writes = gps.Described(true);
    EXPECT_EQ(Count(writes, std::string("W FacilityICAO=") + c.icao), 1);
    EXPECT_EQ(Count(writes, std::string("W WaypointAirportICAO=") + c.icao), 1);
    EXPECT_EQ(writes.back() == std::string("W IcaoSearchEnterChar=") + std::string(c.icao + 7),
              c.entered);
    EXPECT_EQ(panel->CallGetIcao(), c.icao);
    panel->RunFrames(1);
    EXPECT_EQ(Cells(), c.cells);
  }
}

TEST_F(IcaoExportsTest, GetIcaoPassesOnTheFacilityIcao) {
  gps.SetStoredText("IcaoSearchCurrentIcao", "A      KSEA");
  Load();
  EXPECT_EQ(panel->CallGetIcao(), "A      KSEA");
  panel.reset();
  Load("", /*with_gps=*/false);
  EXPECT_EQ(panel->CallGetIcao(), "");  // the host fails on a null pointer
  panel->CallSetIcao("KSEA");
  panel->RunFrames(1);
  EXPECT_THAT(Cells(), ElementsAre("K", "S", "E", "A"));
}

// A GPS module whose search cursor never reports 0 must not hang the panel.
TEST_F(IcaoExportsTest, RewindsEndWhenTheCursorNeverReachesZero) {
  constexpr int kMostSteps = 13;  // positions an ICAO text can hold
  search.SetCursorNeverReachesZero(true);
  LoadWithSearch("[Default]\nDefaultICAO=KSEA\n[Saved]\n00=KBFI\n");
  gps.ClearAccesses();
  panel->CallSetIcao("KSFO");
  int rewinds = Count(gps.Described(true), "W IcaoSearchAdvanceCursor=-1");
  EXPECT_GT(rewinds, 0);
  EXPECT_LE(rewinds, 2 * kMostSteps);

  Click(Button::kRecall);  // the saved list opens
  gps.ClearAccesses();
  Click(Button::kRecall);  // and recalls KBFI, rewinding twice
  rewinds = Count(gps.Described(true), "W IcaoSearchAdvanceCursor=-1");
  EXPECT_GT(rewinds, 0);
  EXPECT_LE(rewinds, 2 * kMostSteps);

  for (int i = 0; i < 12; ++i) EXPECT_LE(Count(Step(), "W IcaoSearchAdvanceCursor=-1"), 1);
  panel->RunFrames(6);
}

}  // namespace
}  // namespace skelbor_test
