// The lower-row commands and the list buttons through the host: a scripted
// GPS module that describes one airport, the aircraft placed by the test, the
// key events the host received and the settings file left beside the module.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "tests/module/module_fixture.h"

namespace skelbor_test {

inline constexpr std::uint32_t kAutopilotOn = 0x10100;
inline constexpr std::uint32_t kHeadingHoldToggle = 0x100BD;
inline constexpr std::uint32_t kSetHeading = 0x101FA;
inline constexpr std::uint32_t kHeadingHoldOff = 0x10117;

// section -> key -> value, as the settings file holds them now.
using Settings = std::map<std::string, std::map<std::string, std::string>>;

class CommandsTest : public ModuleTest {
 protected:
  // Ends the load and forgets everything the GPS module was told, for the
  // next case of a table.
  void Restart() {
    TearDown();
    gps = sim::ScriptedGps();
  }

  // A valid airport at (lat, lon) that the ICAO search and the facility
  // properties describe.
  void DescribeAirport(const std::string& ident, double lat, double lon) {
    gps.SetStoredText("IcaoSearchCurrentIcao", "A      " + ident);
    gps.SetStoredNumber("FacilityValid", 1.0);
    gps.SetStoredText("FacilityIdent", ident);
    gps.SetStoredText("WaypointAirportIdent", ident);
    gps.SetStoredNumber("FacilityLatitude", lat);
    gps.SetStoredNumber("FacilityLongitude", lon);
  }

  // A search cursor that moves one position per advance write and stops at 0.
  void ModelSearchCursor(double start) {
    gps.SetStoredNumber("IcaoSearchCursorPosition", start);
    gps.OnWriteNumber("IcaoSearchAdvanceCursor", [this](double step) {
      const double position = gps.StoredNumber("IcaoSearchCursorPosition") + step;
      gps.SetStoredNumber("IcaoSearchCursorPosition", position < 0 ? 0 : position);
    });
  }

  // The aircraft stands still at (lat, lon) with the autopilot on; the
  // variation is 0 unless a test sets it.
  void PlaceAircraft(double lat, double lon, double heading = 0.0, double track = 0.0) {
    sim::Aircraft& aircraft = panel->AircraftState();
    aircraft.latitude = lat;
    aircraft.longitude = lon;
    aircraft.groundSpeedKnots = 0.0;
    aircraft.trueHeading = heading;
    aircraft.trueTrack = track;
    aircraft.autopilotMaster = true;
    aircraft.headingHold = true;
  }

  std::vector<sim::KeyEvent> TakeKeyEvents() {
    std::vector<sim::KeyEvent> events = panel->KeyEvents();
    panel->ClearKeyEvents();
    return events;
  }

  // The values sent with one key event id since the last take.
  std::vector<std::uint32_t> TakeValuesOf(std::uint32_t id) {
    std::vector<std::uint32_t> values;
    for (const sim::KeyEvent& event : TakeKeyEvents()) {
      if (event.id == id) values.push_back(event.value);
    }
    return values;
  }

  // The bitmap the steering lamp shows: 512 dark, 513 red.
  int Lamp() const { return View("steeringIndicator").image; }

  bool OnSavedPage() const { return !View("savedHeader").hidden; }
  bool OnAirportPage() const { return !View("airportIdentChar0").hidden; }

  Settings ReadSettings() const {
    Settings settings;
    std::ifstream file(panel->Library().SettingsFile());
    std::string line;
    std::string section;
    while (std::getline(file, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (line.empty()) continue;
      if (line.front() == '[' && line.back() == ']') {
        section = line.substr(1, line.size() - 2);
        settings[section];
        continue;
      }
      const std::size_t equals = line.find('=');
      if (equals == std::string::npos) continue;
      settings[section][line.substr(0, equals)] = line.substr(equals + 1);
    }
    return settings;
  }
};

}  // namespace skelbor_test
