// The module over the GPS module that answers from the bundled navigation
// data: pages of a real airport, the ICAO search and a flight under ACT.
#include "sim/worldgps/world_gps.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "sim/host/panel.h"
#include "sim/navdata/geo.h"
#include "tests/module/module_fixture.h"

namespace {

using skelbor_test::Button;
using skelbor_test::Centre;

constexpr std::uint32_t kHeadingHoldOff = 0x10117;

const sim::navdata::World& BundledWorld() {
  static const sim::navdata::World world = [] {
    sim::navdata::LoadReport report;
    return sim::navdata::World::Load(WORLD_DATA_DIR "/apt.dat.gz", WORLD_DATA_DIR "/nav.dat.gz",
                                     report);
  }();
  return world;
}

class WorldGpsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    gps = std::make_unique<sim::WorldGps>(BundledWorld());
    sim::PanelOptions options;
    options.moduleFile = SKELBOR_MODULE_FILE;
    options.gps = gps.get();
    panel = std::make_unique<sim::Panel>(options);
    gauge = &panel->CreateGauge("gps", "", sim::Panel::kGpsWindow);
    panel->SetWindowOpen(sim::Panel::kGpsWindow, true);
  }
  void TearDown() override { panel.reset(); }

  void Click(Button button, sim::MouseButton mouse = sim::MouseButton::kLeft) {
    const skelbor_test::Point point = Centre(button);
    gauge->Click(point.x, point.y, mouse);
  }

  std::string Line(std::string_view name) const { return skelbor_test::LineOf(*gauge, name); }
  std::string IdentCells() const { return skelbor_test::IdentCellsOf(*gauge); }

  const sim::navdata::Airport& Seattle() const { return *BundledWorld().FindAirport("KSEA"); }

  std::unique_ptr<sim::WorldGps> gps;
  std::unique_ptr<sim::Panel> panel;
  sim::Gauge* gauge = nullptr;
};

TEST(WorldGpsIcao, TextsAndSelection) {
  sim::WorldGps gps(BundledWorld());
  EXPECT_EQ(sim::WorldGps::AirportIcao("KSEA"), "A      KSEA");
  gps.SetText("FacilityICAO", "A      KSEA  trailing");
  EXPECT_EQ(gps.GetNumber("FacilityValid"), 1.0);
  EXPECT_EQ(gps.GetText("FacilityIdent"), "KSEA");
  gps.SetText("FacilityICAO", "A      ZZZZ");
  EXPECT_EQ(gps.GetNumber("FacilityValid"), 0.0);
  gps.SetText("FacilityICAO", "V      SEA");
  EXPECT_EQ(gps.GetNumber("FacilityValid"), 1.0);
  // An ILS is found by its airport field and its ident.
  gps.SetText("WaypointVorICAO", "V  KSEAISNQ");
  EXPECT_EQ(gps.GetText("WaypointVorName"), "ISNQ 16L");
  // The airport waypoint's type letter must be "A".
  gps.SetText("WaypointAirportICAO", "V      SEA");
  EXPECT_EQ(gps.GetText("WaypointAirportIdent"), "");
  // West variation reads as 360 - w.
  gps.SetText("FacilityICAO", "A      KSEA");
  const double variation = gps.GetNumber("FacilityMagneticVariation");
  EXPECT_GE(variation, 0.0);
  EXPECT_LT(variation, 360.0);
}

TEST(WorldGpsIcao, NearestListsFilterAndSort) {
  sim::WorldGps gps(BundledWorld());
  const sim::navdata::GeoPoint seattle = BundledWorld().FindAirport("KSEA")->position;
  gps.SetNumber("NearestVorCurrentLatitude", seattle.latitude);
  gps.SetNumber("NearestVorCurrentLongitude", seattle.longitude);
  gps.SetNumber("NearestVorMaximumItems", 20.0);
  gps.SetNumber("NearestVorMaximumDistance", 15000.0);
  gps.SetNumber("NearestVorCurrentFilter", 64.0);
  const int items = static_cast<int>(gps.GetNumber("NearestVorItemsNumber"));
  ASSERT_GE(items, 6);  // KSEA's six localizers at least
  double last = 0.0;
  for (int line = 0; line < items; ++line) {
    gps.SetNumber("NearestVorCurrentLine", line);
    const std::string icao = gps.GetText("NearestVorCurrentICAO");
    EXPECT_EQ(icao.substr(0, 3), "V  ") << icao;
    gps.SetText("WaypointVorICAO", icao);
    const sim::navdata::GeoPoint at{gps.GetNumber("WaypointVorLatitude"),
                                    gps.GetNumber("WaypointVorLongitude")};
    const double distance = sim::navdata::GreatCircleMetres(seattle, at);
    EXPECT_LE(distance, 15000.0);
    EXPECT_GE(distance, last);
    last = distance;
  }
  // Writing the same parameters again keeps the current line.
  gps.SetNumber("NearestVorCurrentLine", 2.0);
  gps.SetNumber("NearestVorCurrentFilter", 64.0);
  EXPECT_EQ(gps.GetNumber("NearestVorCurrentLine"), 2.0);
  // All but ILS: the Seattle VORTAC heads the list.
  gps.SetNumber("NearestVorCurrentFilter", 191.0);
  gps.SetNumber("NearestVorCurrentLine", 0.0);
  EXPECT_EQ(gps.GetText("NearestVorCurrentIdent"), "SEA");
  EXPECT_EQ(gps.GetText("NearestVorCurrentICAO"), "V      SEA");
}

TEST(WorldGpsIcao, SearchStepsAcrossIdentsInByteOrder) {
  sim::WorldGps gps(BundledWorld());
  gps.SetText("IcaoSearchStartCursor", "A");
  gps.SetText("IcaoSearchEnterChar", "KSEA");
  EXPECT_EQ(gps.GetNumber("IcaoSearchCursorPosition"), 3.0);
  EXPECT_EQ(gps.GetText("IcaoSearchCurrentIcao"), "A      KSEA");
  // KSEA is the only KSE?: the last character wraps to itself. One position
  // left, the next KS? airport in byte order, then back.
  gps.SetNumber("IcaoSearchAdvanceCharacter", 1.0);
  EXPECT_EQ(gps.GetText("IcaoSearchCurrentIcao"), "A      KSEA");
  gps.SetNumber("IcaoSearchAdvanceCursor", -1.0);
  gps.SetNumber("IcaoSearchAdvanceCharacter", 1.0);
  EXPECT_EQ(gps.GetText("IcaoSearchCurrentIcao"), "A      KSFF");
  gps.SetNumber("IcaoSearchAdvanceCharacter", -1.0);
  EXPECT_EQ(gps.GetText("IcaoSearchCurrentIcao"), "A      KSEA");
  gps.SetNumber("IcaoSearchAdvanceCharacter", -1.0);  // wraps to the last KS?
  EXPECT_EQ(gps.GetText("IcaoSearchCurrentIcao").substr(0, 10), "A      KSZ");
  gps.SetNumber("IcaoSearchAdvanceCursor", -1.0);
  // At the first position: the first airport of the next letter.
  for (int i = 0; i < 1; ++i) gps.SetNumber("IcaoSearchAdvanceCursor", -1.0);
  EXPECT_EQ(gps.GetNumber("IcaoSearchCursorPosition"), 0.0);
  gps.SetNumber("IcaoSearchAdvanceCharacter", 1.0);
  const std::string after_k = gps.GetText("IcaoSearchCurrentIcao");
  EXPECT_GT(after_k.substr(7, 1), "K");
  // Nothing begins with what was entered: the current ICAO is empty.
  gps.SetText("IcaoSearchStartCursor", "A");
  gps.SetText("IcaoSearchEnterChar", "Q~");
  EXPECT_EQ(gps.GetText("IcaoSearchCurrentIcao"), "");
}

TEST_F(WorldGpsTest, PagesShowSeattle) {
  panel->CallSetIcao("KSEA");
  panel->RunFrames(12);
  EXPECT_EQ(IdentCells(), "KSEA");
  EXPECT_NE(Line("airportName").find(Seattle().name), std::string::npos) << Line("airportName");

  Click(Button::kPage);
  panel->RunFrames(12);
  EXPECT_NE(Line("detailsIdent").find("KSEA"), std::string::npos) << Line("detailsIdent");
  EXPECT_NE(Line("detailsLatDegrees"), "(hidden)");

  Click(Button::kPage);
  panel->RunFrames(12);
  EXPECT_NE(Line("navaidIdent"), "(hidden)");
  EXPECT_FALSE(Line("navaidIdent").empty());

  Click(Button::kPage);
  std::vector<std::string> headers;
  bool ils16l = false;
  for (std::size_t i = 0; i < Seattle().runways.size(); ++i) {
    panel->RunFrames(80);  // the ILS walk visits the list two updates a line
    headers.push_back(Line("runwayHeader"));
    const std::string ils = Line("runwayIlsLine1") + "|" + Line("runwayIlsLine2");
    if (headers.back().find("16L-34R") != std::string::npos) {
      ils16l = ils.find("ISNQ 16L 110.30") != std::string::npos;
      EXPECT_TRUE(ils16l) << ils;
    }
    Click(Button::kNext);
  }
  bool found = false;
  for (const std::string& header : headers) found |= header.find("16L-34R") != std::string::npos;
  EXPECT_TRUE(found) << ::testing::PrintToString(headers);
}

TEST_F(WorldGpsTest, ActSteersThroughACrosswindToSeattle) {
  const sim::navdata::Airport& seattle = Seattle();
  sim::Aircraft& aircraft = panel->AircraftState();
  // 30 NM east of the field, heading west, 20 kt from the north.
  const double east_nm = 30.0;
  aircraft.latitude = seattle.position.latitude;
  aircraft.longitude =
      seattle.position.longitude +
      east_nm / 60.0 / std::cos(seattle.position.latitude * sim::navdata::kDegreesToRadians);
  aircraft.magneticVariation = seattle.magneticVariation;
  aircraft.trueHeading = 270.0;
  aircraft.airspeedKnots = 150.0;
  aircraft.windFromDegrees = 0.0;
  aircraft.windKnots = 20.0;
  panel->CallSetIcao("KSEA");
  panel->RunFrames(12);
  Click(Button::kAct);
  panel->RunSeconds(60.0);
  EXPECT_TRUE(aircraft.autopilotMaster);
  EXPECT_TRUE(aircraft.headingHold);
  // Wind from the right: the selected heading points right of the track.
  const double selected_true = aircraft.selectedHeading + aircraft.magneticVariation;
  const double correction = std::remainder(selected_true - aircraft.TrueTrack(), 360.0);
  EXPECT_GT(correction, 4.0);
  EXPECT_LT(correction, 12.0);

  bool arrived = false;
  for (int second = 0; second < 1200 && !arrived; ++second) {
    panel->RunSeconds(1.0);
    for (const sim::KeyEvent& event : panel->KeyEvents()) arrived |= event.id == kHeadingHoldOff;
  }
  ASSERT_TRUE(arrived);
  const double left_nm =
      sim::navdata::GreatCircleMetres({aircraft.latitude, aircraft.longitude}, seattle.position) /
      sim::navdata::kMetresPerNauticalMile;
  EXPECT_LT(left_nm, 2.0);
  EXPECT_GT(left_nm, 1.0);
  EXPECT_FALSE(aircraft.headingHold);
}

TEST_F(WorldGpsTest, DirectToRecordsTheDestination) {
  panel->CallSetIcao("KSEA");
  panel->RunFrames(12);
  Click(Button::kAct, sim::MouseButton::kRight);
  EXPECT_EQ(gps->DirectToDestination(), "A      KSEA");
  ASSERT_NE(gps->DirectToAirport(), nullptr);
  EXPECT_EQ(gps->DirectToAirport()->ident, "KSEA");
}

}  // namespace

namespace {

// The heading hold turns at 3 degrees per second the shorter way, toward the
// magnetic selected heading; the wind makes the track.
TEST(FlownAircraft, TurnsTheShorterWayAndDrifts) {
  struct Case {
    double heading, selected, variation, seconds, expected;
  };
  const Case cases[] = {
      {350.0, 20.0, 0.0, 2.0, 356.0},  // right across north
      {20.0, 350.0, 0.0, 2.0, 14.0},   // left across north
      {90.0, 80.0, 15.0, 10.0, 95.0},  // reaches 80 M = 95 T and stays
      {180.0, 0.0, 0.0, 1.0, 177.0},   // exactly opposite: left, 3 degrees
  };
  for (const Case& c : cases) {
    sim::Aircraft aircraft;
    aircraft.trueHeading = c.heading;
    aircraft.selectedHeading = c.selected;
    aircraft.magneticVariation = c.variation;
    aircraft.autopilotMaster = aircraft.headingHold = true;
    aircraft.airspeedKnots = 100.0;
    for (int i = 0; i < 10; ++i) aircraft.Advance(c.seconds / 10.0);
    EXPECT_NEAR(std::remainder(aircraft.trueHeading - c.expected, 360.0), 0.0, 1e-9)
        << c.heading << " -> " << c.selected;
  }
  sim::Aircraft drifting;
  drifting.trueHeading = 270.0;
  drifting.airspeedKnots = 100.0;
  drifting.windFromDegrees = 0.0;
  drifting.windKnots = 100.0;
  drifting.Advance(1.0);
  EXPECT_NEAR(drifting.TrueTrack(), 225.0, 1e-9);
  EXPECT_NEAR(drifting.groundSpeedKnots, 100.0 * std::sqrt(2.0), 1e-9);
  // Without an airspeed nothing flies the aircraft: heading and speed stay as placed.
  sim::Aircraft placed;
  placed.trueHeading = 10.0;
  placed.groundSpeedKnots = 60.0;
  placed.autopilotMaster = placed.headingHold = true;
  placed.selectedHeading = 90.0;
  placed.Advance(1.0);
  EXPECT_EQ(placed.trueHeading, 10.0);
  EXPECT_EQ(placed.groundSpeedKnots, 60.0);
}

}  // namespace
