// Loads the module file into the substitute simulator as the simulator does
// and offers the buttons by name.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "sim/gps/scripted_gps.h"
#include "sim/host/panel.h"

namespace skelbor_test {

enum class Button {
  kLast,
  kPrevious,
  kNext,
  kDown,
  kUp,
  kPage,
  kAct,
  kBlank,
  kStore,
  kRecall,
  kClose
};

struct Point {
  int x;
  int y;
};

inline Point Centre(Button button) {
  switch (button) {
    case Button::kClose:
      return {242, 7};
    case Button::kLast:
    case Button::kPrevious:
    case Button::kNext:
    case Button::kDown:
    case Button::kUp:
      return {25 + 50 * static_cast<int>(button), 92};
    default:
      return {25 + 50 * (static_cast<int>(button) - static_cast<int>(Button::kPage)), 117};
  }
}

class ModuleTest : public ::testing::Test {
 protected:
  // Loads the module with a settings file (may be empty) and the scripted GPS
  // module (or none), then creates the gps gauge in window 225.
  void Load(const std::string& settings = "", bool with_gps = true) {
    sim::PanelOptions options;
    options.moduleFile = SKELBOR_MODULE_FILE;
    options.settings = settings;
    options.gps = with_gps ? &gps : nullptr;
    panel = std::make_unique<sim::Panel>(options);
    gauge = &panel->CreateGauge("gps", "", sim::Panel::kGpsWindow);
  }

  void TearDown() override { panel.reset(); }

  bool Click(Button button, sim::MouseButton mouse = sim::MouseButton::kLeft) {
    const Point point = Centre(button);
    return gauge->Click(point.x, point.y, mouse);
  }

  std::string TooltipOf(Button button) const {
    const Point point = Centre(button);
    return gauge->Tooltip(point.x, point.y).text;
  }

  std::vector<std::string> UpperTooltips() const {
    return {TooltipOf(Button::kLast), TooltipOf(Button::kPrevious), TooltipOf(Button::kNext),
            TooltipOf(Button::kDown), TooltipOf(Button::kUp)};
  }

  // The GPS writes since the last call, described ("W Name=value").
  std::vector<std::string> TakeWrites() {
    std::vector<std::string> writes = gps.Described(true);
    gps.ClearAccesses();
    return writes;
  }

  sim::ScriptedGps gps;
  std::unique_ptr<sim::Panel> panel;
  sim::Gauge* gauge = nullptr;
};

inline const std::vector<std::string> kEntryTooltips = {
    "Load Last Active Airport", "Previous Char Position", "Next Char Position", "Char Down",
    "Char Up"};

}  // namespace skelbor_test
