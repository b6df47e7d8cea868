// User waypoints: the line parser on its own, and four typed digits looked up
// in the settings file by the update cycle.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>

#include "entry_fixture.h"
#include "module/user_waypoint_line.h"

namespace skelbor_test {
namespace {

struct LineCase {
  std::string line;
  int valid;
  UserWaypoint expected;
};

// Fields the line does not reach keep these.
constexpr UserWaypoint kBefore = {"Before", 1.0, 2.0, 3.0, 4.0};

class UserWaypointLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(UserWaypointLineTest, Parses) {
  const LineCase& c = GetParam();
  UserWaypoint waypoint = kBefore;
  EXPECT_EQ(ParseUserWaypointLine(c.line.c_str(), waypoint), c.valid);
  EXPECT_STREQ(waypoint.name, c.expected.name);
  EXPECT_DOUBLE_EQ(waypoint.lat, c.expected.lat);
  EXPECT_DOUBLE_EQ(waypoint.lon, c.expected.lon);
  EXPECT_DOUBLE_EQ(waypoint.elevation, c.expected.elevation);
  EXPECT_DOUBLE_EQ(waypoint.magVar, c.expected.magVar);
}

// Settings written by hand may indent numbers with blanks and tabs alike.
TEST(UserWaypointLine, BlanksAndTabsBeforeNumbersAreSkipped) {
  UserWaypoint waypoint = kBefore;
  EXPECT_EQ(ParseUserWaypointLine("Tabbed,\t47.5, \t-122.25,\t 100,\t\t15", waypoint), 1);
  EXPECT_DOUBLE_EQ(waypoint.lat, 47.5);
  EXPECT_DOUBLE_EQ(waypoint.lon, -122.25);
  EXPECT_DOUBLE_EQ(waypoint.elevation, 100.0);
  EXPECT_DOUBLE_EQ(waypoint.magVar, 15.0);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, UserWaypointLineTest,
    ::testing::Values(
        LineCase{"", 0, kBefore}, LineCase{"Home", 0, kBefore},
        LineCase{"Home,47.5", 0, {"Home", 1.0, 2.0, 3.0, 4.0}},
        LineCase{"Home,47.5,", 0, {"Home", 47.5, 2.0, 3.0, 4.0}},
        LineCase{"Home,47.5,-122.3", 1, {"Home", 47.5, -122.3, 0.0, 0.0}},
        LineCase{"Home,47.5,-122.3,", 1, {"Home", 47.5, -122.3, 0.0, 0.0}},
        LineCase{"Home,47.5,-122.3,120,", 1, {"Home", 47.5, -122.3, 120.0, 0.0}},
        LineCase{"Home,47.5,-122.3,120,-15.5", 1, {"Home", 47.5, -122.3, 120.0, -15.5}},
        LineCase{"Home,47.5,-122.3,120,-15.5,more", 1, {"Home", 47.5, -122.3, 120.0, -15.5}},
        LineCase{",1,2", 1, {"", 1.0, 2.0, 0.0, 0.0}},
        LineCase{std::string(40, 'N') + ",1,2",
                 1,
                 {"NNNNNNNNNNNNNNNNNNNNNNNNNNNNN", 1.0, 2.0, 0.0, 0.0}},
        // Numbers: leading blanks, the first character that does not fit
        // ends them, no number is 0, fields are cut to 11 characters.
        LineCase{"G,abc,xyz,,", 1, {"G", 0.0, 0.0, 0.0, 0.0}},
        LineCase{"G,  47.5N, -1.22e2W", 1, {"G", 47.5, -122.0, 0.0, 0.0}},
        LineCase{"G,+.5,-5.,1e+,2E-1", 1, {"G", 0.5, -5.0, 1.0, 0.2}},
        LineCase{"G,.,-,+e5,e5", 1, {"G", 0.0, 0.0, 0.0, 0.0}},
        LineCase{"G,123456789012345,1", 1, {"G", 12345678901.0, 1.0, 0.0, 0.0}},
        LineCase{"G,nan,inf,0x1A,infinity", 1, {"G", 0.0, 0.0, 0.0, 0.0}},
        LineCase{"G,1e999,-1e999,1e-999", 1, {"G", 0.0, 0.0, 0.0, 0.0}}));

class UserWaypointLookupTest : public EntryTest {
 protected:
  void LoadWaypoints(const std::string& lines) { Load("[UserWaypoints]\n" + lines); }
  void WriteWaypoints(const std::string& lines) {
    std::ofstream(panel->Library().SettingsFile(), std::ios::binary | std::ios::trunc)
        << "[UserWaypoints]\n"
        << lines;
  }
  // The name page 0 shows after typing `ident` and one update.
  std::string NameAfterTyping(const char* ident) {
    panel->CallSetIcao(ident);
    panel->RunFrames(1);
    return Line(kAirportNameLabel) == "Name:" ? Line(kAirportName) : kHiddenLine;
  }
};

TEST_F(UserWaypointLookupTest, EachNewIdentIsReadOnceWhenTyped) {
  LoadWaypoints("0123=Home,47.5,-122.3\n");
  EXPECT_EQ(NameAfterTyping("0123"), " Home");
  WriteWaypoints("0123=Away,47.5,-122.3\n");
  EXPECT_EQ(NameAfterTyping("0123"), " Home");  // retyped: not read again
  EXPECT_EQ(NameAfterTyping("0124"), kHiddenLine);
  EXPECT_EQ(NameAfterTyping("0123"), " Away");
  EXPECT_EQ(NameAfterTyping("012A"), " Away");  // not four digits: kept
}

TEST_F(UserWaypointLookupTest, DigitsTypedWithRightClicksFromAnEmptyIdent) {
  gps.SetStoredText("IcaoSearchCurrentIcao", "A      ");
  LoadWaypoints("0123=Home,47.5,-122.3\n");
  for (int cell = 0; cell < 4; ++cell) {
    for (int press = 0; press <= cell; ++press) Click(Button::kUp, sim::MouseButton::kRight);
    Click(Button::kNext);
  }
  panel->RunFrames(1);
  EXPECT_EQ(Ident(), "0123");
  EXPECT_EQ(Line(kAirportName), " Home");
}

TEST_F(UserWaypointLookupTest, LongAndMalformedLinesInTheSettingsFile) {
  struct Case {
    std::string line;
    std::string name;
  };
  const Case cases[] = {
      {"Home", kHiddenLine},
      {"Home,47.5", kHiddenLine},
      {"Home,47.5,", kHiddenLine},
      {"Home,abc,def", " Home"},
      // The value read is cut to 259 characters.
      {std::string(300, 'N') + ",47.5,-122.3", kHiddenLine},
      {"Far,47.5,-122.3," + std::string(290, '1'), " Far"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    LoadWaypoints("0123=" + c.line + "\n");
    EXPECT_EQ(NameAfterTyping("0123"), c.name);
    panel.reset();
  }
}

}  // namespace
}  // namespace skelbor_test
