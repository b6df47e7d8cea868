// Start-up through the host: the GPS accesses in order, the default airport
// and the nearest-search distances from the settings file.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "entry_fixture.h"

namespace skelbor_test {
namespace {

using ::testing::ElementsAre;

class StartupTest : public EntryTest {};

TEST_F(StartupTest, WithoutSettingsFileStartsAnEmptySearchAndPublishesItsResult) {
  gps.SetStoredText("IcaoSearchCurrentIcao", "A      KBFI");
  Load();
  EXPECT_THAT(gps.Described(),
              ElementsAre("W IcaoSearchStartCursor=A", "R IcaoSearchCurrentIcao",
                          "R IcaoSearchCurrentIcao", "W FacilityICAO=A      KBFI",
                          "R IcaoSearchCurrentIcao", "W WaypointAirportICAO=A      KBFI"));
}

TEST_F(StartupTest, DefaultIdentIsEnteredAndCutToFourCharacters) {
  struct Case {
    const char* setting;
    const char* entered;
  };
  for (const Case& c : {Case{"KSEA", "KSEA"}, Case{"KSEAXXYZ", "KSEA"}, Case{"ks", "ks"}}) {
    SCOPED_TRACE(c.setting);
    gps.ClearAccesses();
    gps.SetStoredText("IcaoSearchCurrentIcao", "A      KSEA");
    Load(std::string("[Default]\nDefaultICAO=") + c.setting + "\n");
    EXPECT_THAT(
        gps.Described(),
        ElementsAre("W IcaoSearchStartCursor=A", std::string("W IcaoSearchEnterChar=") + c.entered,
                    "R IcaoSearchCurrentIcao", "R IcaoSearchCurrentIcao",
                    "W FacilityICAO=A      KSEA", "R IcaoSearchCurrentIcao",
                    "W WaypointAirportICAO=A      KSEA"));
    panel.reset();
  }
}

TEST_F(StartupTest, CellsShowTheSearchResultWithTheCursorOnTheFirst) {
  LoadWithSearch("[Default]\nDefaultICAO=KSF\n");
  panel->RunFrames(1);
  EXPECT_THAT(Cells(), ElementsAre("K", "S", "F", "O"));
  EXPECT_TRUE(CellMarked(0));
  EXPECT_FALSE(CellMarked(1));
  EXPECT_EQ(search.Entered(), "KSF");
}

TEST_F(StartupTest, WithoutGpsModuleCellsAreEmpty) {
  Load("[Default]\nDefaultICAO=KSEA\n", /*with_gps=*/false);
  panel->RunFrames(1);
  EXPECT_THAT(Cells(), ElementsAre("", "", "", ""));
  EXPECT_TRUE(gps.Accesses().empty());
}

double LastWrite(const sim::ScriptedGps& gps, const std::string& name) {
  double value = -1.0;
  for (const sim::GpsAccess& access : gps.Accesses()) {
    if (access.write && access.name == name) value = access.number;
  }
  return value;
}

TEST_F(StartupTest, SearchDistancesOutsideTheirRangeBecomeTheDefault) {
  struct Case {
    const char* settings;
    double vor;
    double ndb;
  };
  const Case cases[] = {
      {"", 20000, 20000},
      {"[Default]\nVORSearch=0\nNDBSearch=1000001\n", 20000, 20000},
      {"[Default]\nVORSearch=-5\nNDBSearch=1000000\n", 20000, 1000000},
      {"[Default]\nVORSearch=1\nNDBSearch=far\n", 1, 20000},
      {"[default]\nvorsearch=35000\nndbsearch=999999\n", 35000, 999999},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.settings);
    gps.SetStoredNumber("FacilityValid", 1.0);
    Load(c.settings);
    Click(Button::kPage);
    gps.ClearAccesses();
    Click(Button::kPage);  // page 2 aims both nearest searches
    EXPECT_EQ(LastWrite(gps, "NearestVorMaximumDistance"), c.vor);
    EXPECT_EQ(LastWrite(gps, "NearestNdbMaximumDistance"), c.ndb);
    panel.reset();
  }
}

}  // namespace
}  // namespace skelbor_test
