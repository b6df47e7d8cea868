// < > V ^ on the Navaids, Runways and Saved pages, and LAST, through the
// host: the GPS writes each press makes and the lines it selects.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "commands_fixture.h"

namespace skelbor_test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

const std::string kSettings = "[Default]\nDefaultICAO=KSEA\n[Saved]\n00=EGLL\n";

class ListSteppingTest : public CommandsTest {
 protected:
  void LoadAirport(const std::string& settings = kSettings) {
    DescribeAirport("KSEA", 47.4, -122.3);
    gps.SetStoredText("NearestVorCurrentICAO", "V  KSEA ISNQ");
    Load(settings);
    panel->RunFrames(3);
  }

  // PAGE `presses` times, then six updates: every phase of the cycle has run.
  void GoToPage(int presses) {
    for (int i = 0; i < presses; ++i) Click(Button::kPage);
    panel->RunFrames(6);
    TakeWrites();
  }

  bool ReadAfterClick(const char* name) const {
    for (const sim::GpsAccess& access : gps.Accesses()) {
      if (!access.write && access.name == name) return true;
    }
    return false;
  }
};

TEST_F(ListSteppingTest, NavaidListsWrapAtBothEnds) {
  struct Case {
    int filter;  // 0 VOR, 1 NDB
    double count;
    double line;
    Button button;
    const char* write;
  };
  const Case cases[] = {
      {0, 5, 4, Button::kNext, "W NearestVorCurrentLine=0"},
      {0, 5, 0, Button::kPrevious, "W NearestVorCurrentLine=4"},
      {0, 5, 2, Button::kNext, "W NearestVorCurrentLine=3"},
      {0, 1, 0, Button::kNext, "W NearestVorCurrentLine=0"},
      {0, 1, 0, Button::kPrevious, "W NearestVorCurrentLine=0"},
      {0, 0, 0, Button::kNext, "W NearestVorCurrentLine=0"},
      {0, 0, 0, Button::kPrevious, "W NearestVorCurrentLine=0"},
      {1, 3, 0, Button::kPrevious, "W NearestNdbCurrentLine=2"},
      {1, 3, 0, Button::kNext, "W NearestNdbCurrentLine=1"},
      {1, 0, 0, Button::kPrevious, "W NearestNdbCurrentLine=0"},
      // A count no integer holds counts as an empty list.
      {1, 1e300, 0, Button::kNext, "W NearestNdbCurrentLine=0"},
  };
  for (const Case& c : cases) {
    gps.SetStoredNumber("NearestVorItemsNumber", c.count);
    gps.SetStoredNumber("NearestVorCurrentLine", c.line);
    gps.SetStoredNumber("NearestNdbItemsNumber", c.filter == 1 ? c.count : 0.0);
    LoadAirport();
    GoToPage(2);
    if (c.filter == 1) Click(Button::kUp);
    TakeWrites();
    Click(c.button);
    EXPECT_THAT(TakeWrites(), ElementsAre(c.write)) << c.filter << " " << c.count << " " << c.line;
    Restart();
  }
}

TEST_F(ListSteppingTest, FrequencyListStepsAndSwitchingListsWritesNothing) {
  gps.SetStoredNumber("WaypointAirportFrequenciesNumber", 4);
  LoadAirport();
  GoToPage(2);
  Click(Button::kDown);                          // VOR list to frequencies
  Click(Button::kUp, sim::MouseButton::kRight);  // acts as a left click
  Click(Button::kDown);
  EXPECT_THAT(TakeWrites(), IsEmpty());
  Click(Button::kNext);
  Click(Button::kPrevious);
  Click(Button::kPrevious);
  EXPECT_THAT(TakeWrites(), ElementsAre("W WaypointAirportCurrentFrequency=1",
                                        "W WaypointAirportCurrentFrequency=0",
                                        "W WaypointAirportCurrentFrequency=3"));
}

TEST_F(ListSteppingTest, RunwaysStepAndRestartTheIlsSearch) {
  gps.SetStoredNumber("WaypointAirportRunwaysNumber", 3);
  LoadAirport();
  GoToPage(3);
  const std::vector<std::string> kLater = {"W NearestVorCurrentLine=0",
                                           "W WaypointVorICAO=V  KSEA ISNQ"};
  auto step = [&](int runway) {
    std::vector<std::string> writes = {"W WaypointAirportCurrentRunway=" + std::to_string(runway)};
    writes.insert(writes.end(), kLater.begin(), kLater.end());
    return writes;
  };
  auto down = [&](int runway) {
    return std::vector<std::string>{"W NearestVorCurrentLine=0",
                                    "W WaypointAirportCurrentRunway=" + std::to_string(runway),
                                    "W WaypointVorICAO=V  KSEA ISNQ"};
  };
  struct Case {
    Button button;
    std::vector<std::string> writes;
  };
  const Case cases[] = {
      {Button::kPrevious, step(2)}, {Button::kNext, step(0)}, {Button::kDown, down(0)},
      {Button::kUp, step(1)},       {Button::kUp, step(2)},   {Button::kUp, step(0)},
      {Button::kNext, step(1)},     {Button::kDown, down(0)}, {Button::kPrevious, step(2)},
  };
  for (const Case& c : cases) {
    Click(c.button);
    EXPECT_EQ(TakeWrites(), c.writes) << c.writes.front();
  }

  // ^ and V make the next update take the facility afresh; > and < do not.
  for (Button button : {Button::kUp, Button::kDown}) {
    Click(button);
    gps.ClearAccesses();
    panel->RunFrames(1);
    EXPECT_TRUE(ReadAfterClick("FacilityLatitude"));
  }
}

TEST_F(ListSteppingTest, SavedGridStepsByColumnAndLine) {
  struct Case {
    std::vector<Button> toStart;
    Button button;
    sim::MouseButton mouse;
    const char* key;
  };
  const std::vector<Button> to12 = {Button::kDown, Button::kDown, Button::kNext, Button::kNext};
  const std::vector<Button> to3 = {Button::kNext, Button::kNext, Button::kNext};
  const std::vector<Button> to14 = {Button::kPrevious};
  const auto kLeft = sim::MouseButton::kLeft;
  const auto kRight = sim::MouseButton::kRight;
  const Case cases[] = {
      {to12, Button::kDown, kLeft, "02"},  {to12, Button::kUp, kLeft, "07"},
      {to12, Button::kDown, kRight, "02"}, {to12, Button::kUp, kRight, "07"},
      {to3, Button::kUp, kLeft, "13"},     {to3, Button::kDown, kLeft, "08"},
      {to14, Button::kNext, kLeft, "00"},  {{}, Button::kPrevious, kLeft, "14"},
      {{}, Button::kUp, kLeft, "10"},      {to12, Button::kPrevious, kLeft, "11"},
  };
  for (const Case& c : cases) {
    LoadAirport();
    Click(Button::kStore);
    for (Button move : c.toStart) Click(move);
    Click(c.button, c.mouse);
    Click(Button::kStore);
    EXPECT_EQ(ReadSettings()["Saved"][c.key], "KSEA") << c.key;
    Restart();
  }
}

TEST_F(ListSteppingTest, LastLoadsTheLastActivatedIdent) {
  struct Case {
    const char* settings;
    const char* icao;
    const char* cells;
  };
  for (const Case& c : {Case{"[Default]\nLastICAO=EGLL\n", "AK1    EGLL", "EGLL"},
                        // The fourth cell keeps what it showed.
                        Case{"[Default]\nLastICAO=LGW\n", "AK1    LGW", "LGWA"},
                        // Only four characters are read.
                        Case{"[Default]\nLastICAO=EGLLX\n", "AK1    EGLL", "EGLL"},
                        Case{"", "AK1    KSEA", "KSEA"}}) {
    ModelSearchCursor(0.0);
    LoadAirport(c.settings);
    gps.SetStoredText("IcaoSearchCurrentIcao", "AK1    KSEA");
    panel->RunFrames(6);  // the search's ICAO taken over
    gps.SetStoredNumber("IcaoSearchCursorPosition", 2.0);
    TakeWrites();

    Click(Button::kLast);
    const std::string icao = c.icao;
    EXPECT_THAT(TakeWrites(),
                ElementsAre("W WaypointAirportICAO=" + icao, "W FacilityICAO=" + icao,
                            "W IcaoSearchAdvanceCursor=-1", "W IcaoSearchAdvanceCursor=-1",
                            "W IcaoSearchEnterChar=" + icao.substr(7)))
        << c.settings;
    panel->RunFrames(1);
    EXPECT_EQ(IdentCells(), c.cells) << c.settings;
    EXPECT_TRUE(OnAirportPage());
    Restart();
  }
}

TEST_F(ListSteppingTest, LastKeepsThePageAndEndsWithAStuckSearchCursor) {
  LoadAirport("[Default]\nLastICAO=EGLL\n");
  GoToPage(1);
  gps.SetStoredNumber("IcaoSearchCursorPosition", 3.0);
  gps.OnWriteNumber("IcaoSearchAdvanceCursor", [](double) {});
  Click(Button::kLast);
  std::size_t advances = 0;
  for (const std::string& write : TakeWrites()) {
    if (write.rfind("W IcaoSearchAdvanceCursor", 0) == 0) ++advances;
  }
  EXPECT_GT(advances, 0u);
  EXPECT_LE(advances, 13u);
  panel->RunFrames(1);
  EXPECT_FALSE(View("detailsIdent").hidden);
}

}  // namespace
}  // namespace skelbor_test
