// A settings file far larger than the module's usual one (2000 user
// waypoints, about 76 KB): every waypoint is found and every write lands,
// with nothing else in the file lost.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "tests/commands/commands_fixture.h"

namespace skelbor_test {
namespace {

class LargeSettingsTest : public CommandsTest {};

std::string ManyUserWaypoints(int count) {
  std::string settings =
      "[Default]\r\nDefaultICAO=KSEA\r\n[Saved]\r\n00=KBFI\r\n[UserWaypoints]\r\n";
  for (int i = 0; i < count; ++i) {
    char line[80];
    std::snprintf(line, sizeof line, "%04d=Waypoint number %04d,47.%04d,-122.%04d,100,15\r\n", i, i,
                  i, i);
    settings += line;
  }
  return settings;
}

TEST_F(LargeSettingsTest, LastOfTwoThousandWaypointsIsFoundAndWritesLand) {
  const std::string settings = ManyUserWaypoints(2000);
  ASSERT_GT(settings.size(), 76000u);
  gps.SetStoredNumber("FacilityValid", 0.0);
  Load(settings);
  PlaceAircraft(47.0, -122.0);
  panel->CallSetIcao("1999");
  panel->RunFrames(3);
  EXPECT_EQ(Line("airportName"), " Waypoint number 1999");

  Click(Button::kStore);  // opens the list on slot 00
  Click(Button::kStore);  // stores the waypoint there
  Click(Button::kAct);    // steers to it and remembers it

  Settings after = ReadSettings();
  EXPECT_EQ(after["Saved"]["00"], "1999");
  EXPECT_EQ(after["Default"]["LastICAO"], "1999");
  EXPECT_EQ(after["Default"]["DefaultICAO"], "KSEA");
  ASSERT_EQ(after["UserWaypoints"].size(), 2000u);
  EXPECT_EQ(after["UserWaypoints"]["0000"], "Waypoint number 0000,47.0000,-122.0000,100,15");
  EXPECT_EQ(after["UserWaypoints"]["1999"], "Waypoint number 1999,47.1999,-122.1999,100,15");
}

}  // namespace
}  // namespace skelbor_test
