// What the release kit tells people holds for the module itself: the header
// another gauge's author compiles against, and the sample settings file.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "kit/skelbor.h"
#include "tests/entry/entry_fixture.h"

namespace skelbor_test {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;

class KitTest : public EntryTest {};

TEST_F(KitTest, TheHeadersDeclarationsCallTheExportedFunctions) {
  Load();
  // As another module does it: by name from the loaded module, through the
  // header's types (on Windows a wrong calling convention unbalances the stack).
  const auto set_icao = reinterpret_cast<SkelborSetIcao>(panel->Library().Symbol("SetICAO"));
  const auto get_icao = reinterpret_cast<SkelborGetIcao>(panel->Library().Symbol("GetICAO"));
  ASSERT_NE(set_icao, nullptr);
  ASSERT_NE(get_icao, nullptr);
  gps.ClearAccesses();
  for (int i = 0; i < 3; ++i) set_icao("KSEAX");
  EXPECT_THAT(TakeWrites(), Contains("W IcaoSearchEnterChar=KSEA"));
  EXPECT_STREQ(get_icao(), "A      KSEA");
  EXPECT_EQ(get_icao(), get_icao()) << "the GPS module's own text, not a copy";
}

std::string SampleSettings() {
  std::ifstream file(SKELBOR_KIT_DIR "/skelbor.ini", std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

TEST_F(KitTest, TheSampleSettingsFileIsReadAsItsCommentsSay) {
  const std::string settings = SampleSettings();
  ASSERT_NE(settings.find("[UserWaypoints]"), std::string::npos);
  search.Install(gps);
  Load(settings);
  // The default airport is entered into the search at start-up.
  panel->RunFrames(4);
  EXPECT_EQ(IdentCells(), "KSEA");

  // The two saved airports fill the first two slots of the list.
  Click(Button::kRecall);
  panel->RunFrames(1);
  EXPECT_EQ(ModuleTest::Line("savedSlot0"), "KSEA");
  EXPECT_EQ(ModuleTest::Line("savedSlot1"), "KPDX");
  EXPECT_EQ(ModuleTest::Line("savedSlot2"), "____");
  Click(Button::kPage);  // closes the list

  // User waypoint 0001 with its elevation and variation; 0002 without them.
  struct Case {
    const char* digits;
    const char* name;
    const char* elevation;
    const char* variation;
  };
  for (const Case& c : {Case{"0001", " Home strip", " 24.0", "16.2\xB0"},
                        Case{"0002", " Lake Tapps", "  0.0", "0.0\xB0"}}) {
    SCOPED_TRACE(c.digits);
    panel->CallSetIcao(c.digits);
    panel->RunFrames(1);
    EXPECT_EQ(ModuleTest::Line("airportName"), c.name);
    Click(Button::kPage);
    panel->RunFrames(1);
    EXPECT_EQ(ModuleTest::Line("detailsElevation"), c.elevation);
    EXPECT_EQ(ModuleTest::Line("detailsMagVar"), c.variation);
    for (int i = 0; i < 4; ++i) Click(Button::kPage);
  }
}

}  // namespace
}  // namespace skelbor_test
