// Loads the module file into the substitute simulator as the simulator does
// and offers the buttons by name.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "sim/gps/scripted_gps.h"
#include "sim/host/element_names.h"
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

inline constexpr char kHidden[] = "(hidden)";

// The gps gauge's elements as a person reads them: by name.
inline int IndexOf(std::string_view name) {
  if (const auto index = sim::GpsElementIndex(name)) return static_cast<int>(*index);
  ADD_FAILURE() << "no element " << name;
  return 0;
}

inline sim::ElementView ViewOf(const sim::Gauge& gauge, std::string_view name) {
  return gauge.Elements().at(static_cast<std::size_t>(IndexOf(name)));
}

// What a string element shows, or kHidden.
inline std::string LineOf(const sim::Gauge& gauge, std::string_view name) {
  const sim::ElementView view = ViewOf(gauge, name);
  return view.hidden ? kHidden : view.text;
}

// The four ident cells of the entry line, left to right.
inline std::string IdentCellsOf(const sim::Gauge& gauge) {
  return LineOf(gauge, "airportIdentChar0") + LineOf(gauge, "airportIdentChar1") +
         LineOf(gauge, "airportIdentChar2") + LineOf(gauge, "airportIdentChar3");
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

  sim::ElementView View(std::string_view name) const { return ViewOf(*gauge, name); }
  std::string Line(std::string_view name) const { return LineOf(*gauge, name); }
  std::string IdentCells() const { return IdentCellsOf(*gauge); }

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
