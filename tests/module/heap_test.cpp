// The module allocates nothing on the heap: not at load, not for its gauges,
// not in a thousand frames, not for any button on any page.
#include <gtest/gtest.h>

#include <memory>

#include "module_fixture.h"
#include "sim/host/heap_counter.h"

namespace skelbor_test {
namespace {

class HeapTest : public ModuleTest {};

TEST_F(HeapTest, NoAllocationAcrossLoadFramesAndEveryButtonOnEveryPage) {
  if (!sim::HeapCountingAvailable()) GTEST_SKIP() << "heap count kept only in native builds";
  gps.SetStoredNumber("FacilityValid", 1.0);
  gps.SetStoredText("FacilityIdent", "KSEA");
  gps.SetStoredText("IcaoSearchCurrentIcao", "A      KSEA");
  gps.SetStoredText("WaypointAirportName", "Seattle Tacoma Intl");
  gps.SetStoredNumber("NearestVorItemsNumber", 3);
  gps.SetStoredNumber("WaypointAirportRunwaysNumber", 3);
  gps.SetStoredNumber("WaypointAirportFrequenciesNumber", 4);
  sim::ResetModuleHeapAllocations();

  Load("[Default]\nDefaultICAO=KSEA\n[UserWaypoints]\n1234=Home,47.5,-122.3\n");
  sim::Gauge& icon = panel->CreateGauge("icon", "");
  panel->AircraftState().groundSpeedKnots = 120;
  panel->AircraftState().latitude = 47.0;
  panel->RunFrames(1000);
  icon.Click(5, 5, sim::MouseButton::kLeft);

  const Button buttons[] = {Button::kLast, Button::kPrevious, Button::kNext,  Button::kDown,
                            Button::kUp,   Button::kAct,      Button::kBlank, Button::kClose};
  for (int page = 0; page < 4; ++page) {
    for (Button button : buttons) {
      Click(button);
      Click(button, sim::MouseButton::kRight);
      panel->RunFrames(3);
    }
    Click(Button::kPage);
    panel->RunFrames(3);
  }
  Click(Button::kStore);  // page 4
  for (Button button : buttons) {
    Click(button);
    panel->RunFrames(2);
  }
  Click(Button::kStore);
  Click(Button::kRecall);
  Click(Button::kRecall);
  panel->CallSetIcao("KBFI");
  panel->CallGetIcao();
  panel->RunFrames(10);
  EXPECT_EQ(sim::ModuleHeapAllocations(), 0u);
}

}  // namespace
}  // namespace skelbor_test

namespace skelbor_test {
namespace {

// The count above can fail: an allocation inside a module call is seen, one
// inside a host service the module calls is not.
TEST(HeapCounter, CountsModuleAllocationsButNotTheHostServicesTheModuleCalls) {
  if (!sim::HeapCountingAvailable()) GTEST_SKIP() << "heap count kept only in native builds";
  sim::ResetModuleHeapAllocations();
  {
    sim::ModuleCall module;
    { auto counted = std::make_unique<int>(1); }
    {
      sim::HostService host;
      auto not_counted = std::make_unique<int>(2);
    }
  }
  EXPECT_EQ(sim::ModuleHeapAllocations(), 1u);
}

}  // namespace
}  // namespace skelbor_test
