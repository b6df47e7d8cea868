// The module loaded in the host with an airport ICAO search behind the GPS
// module, the ident cells and page-0 lines as shown, and update steps run
// one at a time with the GPS accesses each of them made.
#pragma once

#include <string>
#include <vector>

#include "sim/gps/scripted_icao_search.h"
#include "tests/module/module_fixture.h"

namespace skelbor_test {

// Places in the gps gauge's element chain.
inline constexpr int kAirportEte = 49;
inline constexpr int kAirportName = 61;
inline constexpr int kAirportNameLabel = 62;
inline constexpr int kIdentCell3 = 64;  // cells 3 down to 0 follow
inline constexpr COLORREF kCursorMarkColor = 0x00FFFF00;

inline constexpr char kHiddenLine[] = "(hidden)";

class EntryTest : public ModuleTest {
 protected:
  // KBFI, KSEA, KSFO and PAKN: the search steps K -> P at the first place,
  // B -> S at the second, E -> F at the third.
  EntryTest()
      : search({{"KBFI", 47.53, -122.30},
                {"KSEA", 47.45, -122.31},
                {"KSFO", 37.62, -122.38},
                {"PAKN", 58.68, -156.65}}) {}

  void LoadWithSearch(const std::string& settings = "") {
    search.Install(gps);
    Load(settings);
  }

  std::string Line(int index) const {
    const sim::ElementView view = gauge->Elements().at(static_cast<std::size_t>(index));
    return view.hidden ? kHiddenLine : view.text;
  }

  // The four ident cells as the last frame showed them, cell 0 first.
  std::vector<std::string> Cells() const {
    return {Line(kIdentCell3 + 3), Line(kIdentCell3 + 2), Line(kIdentCell3 + 1), Line(kIdentCell3)};
  }
  std::string Ident() const {
    std::string ident;
    for (const std::string& cell : Cells()) ident += cell;
    return ident;
  }
  bool CellMarked(int cell) const {
    return gauge->Elements().at(static_cast<std::size_t>(kIdentCell3 + 3 - cell)).color ==
           kCursorMarkColor;
  }

  // One update step alone (no element callbacks), `seconds` of simulator
  // time after the last; returns the GPS accesses it made.
  std::vector<std::string> Step(double seconds = 0.1) {
    gps.ClearAccesses();
    panel->SetSimTime(panel->SimTime() + seconds);
    gauge->CallGaugeCallback(PANEL_SERVICE_PRE_UPDATE);
    return gps.Described();
  }

  // Writes of `name` among the accesses.
  static int Count(const std::vector<std::string>& accesses, const std::string& access) {
    int count = 0;
    for (const std::string& a : accesses) count += a == access ? 1 : 0;
    return count;
  }

  sim::ScriptedIcaoSearch search;
};

}  // namespace skelbor_test
