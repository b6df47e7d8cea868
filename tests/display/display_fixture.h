// The gps display as a person reads it: each string element by name, its
// text when shown, and a facility the scripted GPS module describes.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "sim/host/element_names.h"
#include "tests/module/module_fixture.h"

namespace skelbor_test {

// The page an element belongs to, from its place in the chain.
inline int PageOf(int index) {
  if (index <= 16) return 4;
  if (index <= 20) return 3;
  if (index <= 34) return 2;
  if (index <= 48) return 1;
  return 0;
}

// Nautical miles per degree of arc on the module's earth (6371 km x 0.54).
inline constexpr double kNmPerDegree = 6371.0 * 0.54 * 3.141592653589793 / 180.0;

class DisplayTest : public ModuleTest {
 protected:
  std::vector<std::string> Lines(const std::vector<std::string_view>& names) const {
    std::vector<std::string> lines;
    for (std::string_view name : names) lines.push_back(Line(name));
    return lines;
  }

  // The names of the string elements shown now.
  std::vector<std::string> ShownNames() const {
    std::vector<std::string> shown;
    for (const sim::ElementView& view : gauge->Elements()) {
      if (view.type == ELEMENT_TYPE_STRING && !view.hidden) {
        shown.emplace_back(sim::kGpsElementNames[static_cast<std::size_t>(view.index)]);
      }
    }
    return shown;
  }

  // A valid airport at (lat, lon) that the ICAO search yields.
  void DescribeAirport(const std::string& ident, double lat, double lon) {
    gps.SetStoredText("IcaoSearchCurrentIcao", "A      " + ident);
    gps.SetStoredNumber("FacilityValid", 1.0);
    gps.SetStoredText("FacilityIdent", ident);
    gps.SetStoredText("WaypointAirportIdent", ident);
    gps.SetStoredNumber("FacilityLatitude", lat);
    gps.SetStoredNumber("FacilityLongitude", lon);
    gps.SetStoredNumber("WaypointAirportLatitude", lat);
    gps.SetStoredNumber("WaypointAirportLongitude", lon);
  }

  void PlaceAircraft(double lat, double lon, double knots = 0.0, double track = 0.0) {
    sim::Aircraft& aircraft = panel->AircraftState();
    aircraft.latitude = lat;
    aircraft.longitude = lon;
    aircraft.groundSpeedKnots = knots;
    aircraft.trueHeading = track;
    aircraft.trueTrack = track;
  }

  // Runs frames with the aircraft kept where it is, so that distances stay
  // fixed while its ground speed fills the module's average.
  void HoldFrames(int frames) {
    sim::Aircraft& aircraft = panel->AircraftState();
    const double lat = aircraft.latitude;
    const double lon = aircraft.longitude;
    for (int i = 0; i < frames; ++i) {
      aircraft.latitude = lat;
      aircraft.longitude = lon;
      panel->RunFrames(1);
    }
    aircraft.latitude = lat;
    aircraft.longitude = lon;
  }

  // From page 0, PAGE `presses` times, then one update shows the page.
  void PressPage(int presses) {
    for (int i = 0; i < presses; ++i) Click(Button::kPage);
    HoldFrames(2);
  }
};

}  // namespace skelbor_test
