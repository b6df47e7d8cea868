// The ident cells on page 0: < and > move the cursor, a left click on V or ^
// steps through the GPS module's search, a right click steps locally.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "entry_fixture.h"

namespace skelbor_test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class IcaoEntryTest : public EntryTest {
 protected:
  void RightClick(Button button) { Click(button, sim::MouseButton::kRight); }
  // Runs `updates` frames; returns how often phase 2 took the search over.
  int TakeOvers(int updates) {
    gps.ClearAccesses();
    panel->RunFrames(updates);
    return Count(gps.Described(), "W IcaoSearchMatchedIcao=0");
  }
};

TEST_F(IcaoEntryTest, CursorWrapsAroundTheFourCells) {
  LoadWithSearch();
  const int expected[] = {1, 2, 3, 0};
  for (int cell : expected) {
    Click(Button::kNext);
    panel->RunFrames(1);
    EXPECT_TRUE(CellMarked(cell)) << cell;
  }
  Click(Button::kPrevious);
  panel->RunFrames(1);
  EXPECT_TRUE(CellMarked(3));
  EXPECT_FALSE(CellMarked(0));
}

TEST_F(IcaoEntryTest, LeftClickStepsTheSearchAndTakesItsAirportAtOnce) {
  LoadWithSearch();  // the search points at KBFI
  gps.ClearAccesses();
  Click(Button::kUp);
  EXPECT_THAT(gps.Described(),
              ElementsAre("W IcaoSearchAdvanceCharacter=1", "R IcaoSearchCurrentIcao",
                          "W FacilityICAO=A      PAKN", "W WaypointAirportICAO=A      PAKN"));
  panel->RunFrames(1);
  EXPECT_EQ(Ident(), "PAKN");

  gps.ClearAccesses();
  Click(Button::kDown);
  EXPECT_THAT(gps.Described(),
              ElementsAre("W IcaoSearchAdvanceCharacter=-1", "R IcaoSearchCurrentIcao",
                          "W FacilityICAO=A      KBFI", "W WaypointAirportICAO=A      KBFI"));

  Click(Button::kNext);
  panel->RunFrames(1);  // the search cursor follows to the second place
  Click(Button::kUp);
  panel->RunFrames(1);
  EXPECT_EQ(Ident(), "KSEA");
  Click(Button::kUp);  // past the last second letter back to the first
  panel->RunFrames(1);
  EXPECT_EQ(Ident(), "KBFI");
}

TEST_F(IcaoEntryTest, TakeOverIsOffAfterRightClicksAndLeftVUntilLeftUp) {
  LoadWithSearch("[Default]\nDefaultICAO=KSEA\n");
  RightClick(Button::kUp);
  EXPECT_EQ(TakeOvers(6), 0);
  EXPECT_EQ(Ident(), "LSEA");  // the local edit stays

  Click(Button::kUp);  // on again
  EXPECT_EQ(TakeOvers(6), 1);
  RightClick(Button::kDown);
  EXPECT_EQ(TakeOvers(6), 0);

  Click(Button::kDown);  // a left V keeps it off
  EXPECT_EQ(TakeOvers(6), 0);
  Click(Button::kUp);
  EXPECT_EQ(TakeOvers(6), 1);
}

// From a text whose ident is empty, the byte under the cursor is the text's
// terminator: it steps like a blank.
TEST_F(IcaoEntryTest, RightClicksCycleThroughBlankDigitsAndLetters) {
  const std::string alphabet = " 0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
  struct Case {
    Button button;
    std::string expected;
  };
  const std::string up = alphabet.substr(1) + " 0";
  const std::string down = std::string(alphabet.rbegin(), alphabet.rend()) + "Z";
  for (const Case& c : {Case{Button::kUp, up}, Case{Button::kDown, down}}) {
    gps.SetStoredText("IcaoSearchCurrentIcao", "A      ");
    Load();
    std::string seen;
    for (std::size_t i = 0; i < c.expected.size(); ++i) {
      RightClick(c.button);
      panel->RunFrames(1);
      seen += Cells()[0];
    }
    EXPECT_EQ(seen, c.expected);
    EXPECT_EQ(gps.StoredText("FacilityICAO"), "A      " + c.expected.substr(c.expected.size() - 1));
    panel.reset();
  }
}

TEST_F(IcaoEntryTest, RightClickOnTheTerminatorGrowsTheIdentByOneCharacter) {
  struct Case {
    Button button;
    const char* published;
  };
  for (const Case& c : {Case{Button::kUp, "A      KSE0"}, Case{Button::kDown, "A      KSEZ"}}) {
    gps.SetStoredText("IcaoSearchCurrentIcao", "A      KSE");
    Load();
    Click(Button::kPrevious);  // cell 3, the terminator
    gps.ClearAccesses();
    RightClick(c.button);
    EXPECT_THAT(gps.Described(), ElementsAre(std::string("W FacilityICAO=") + c.published,
                                             std::string("W WaypointAirportICAO=") + c.published));
    panel->RunFrames(1);
    EXPECT_EQ(Ident(), std::string(c.published).substr(7));
    panel.reset();
  }
}

// A shorter ICAO taken over leaves the longer one's bytes behind its end; an
// edit on the terminator joins to the ident what the cells show, and nothing
// that they do not.
TEST_F(IcaoEntryTest, EditedTextEndsAfterTheLastShownCharacter) {
  struct Case {
    const char* longer;
    const char* shorter;
    int cell;
    Button button;
    const char* published;
  };
  for (const Case& c : {Case{"A      KSEA", "A      KS", 2, Button::kUp, "A      KS0A"},
                        Case{"A      KSEA", "A      KS", 2, Button::kDown, "A      KSZA"},
                        Case{"A      KSEAX", "A      KSE", 3, Button::kUp, "A      KSE0"},
                        Case{"A      KSEAX", "A      KS", 2, Button::kUp, "A      KS0A"}}) {
    SCOPED_TRACE(std::string(c.shorter) + " cell " + std::to_string(c.cell));
    gps.SetStoredText("IcaoSearchCurrentIcao", c.longer);
    Load();
    gps.SetStoredText("IcaoSearchCurrentIcao", c.shorter);
    panel->RunFrames(2);  // phase 2 takes the shorter one over
    for (int k = 0; k < c.cell; ++k) Click(Button::kNext);
    RightClick(c.button);
    EXPECT_EQ(gps.StoredText("FacilityICAO"), c.published);
    panel.reset();
  }
}

TEST_F(IcaoEntryTest, OnTheDetailsPageTheArrowsChangeNothing) {
  LoadWithSearch("[Default]\nDefaultICAO=KSEA\n");
  Click(Button::kPage);
  gps.ClearAccesses();
  for (Button button : {Button::kPrevious, Button::kNext, Button::kDown, Button::kUp}) {
    Click(button);
    RightClick(button);
  }
  EXPECT_THAT(gps.Described(), IsEmpty());
  for (int i = 0; i < 3; ++i) Click(Button::kPage);
  panel->RunFrames(1);
  EXPECT_EQ(Ident(), "KSEA");
  EXPECT_TRUE(CellMarked(0));
}

}  // namespace
}  // namespace skelbor_test
