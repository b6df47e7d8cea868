// The bench's demo: the gauge over the navigation data, every page shown and
// drawn, then a flight under the gauge's heading steering to an airport (by
// default from 30 NM south-west of Seattle-Tacoma through a crosswind), logged
// every simulated minute, written as GPX and CSV, and plotted.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "sim/bench/flight_record.h"
#include "sim/bench/script_runner.h"
#include "sim/navdata/geo.h"

namespace bench {

struct DemoOptions {
  std::filesystem::path moduleFile;
  ScriptRunner::WorldFiles world;   // the navigation data
  std::filesystem::path outFolder;  // created when missing
  std::string airport = "KSEA";     // the default airport and the destination
  double startNm = 30.0;            // the start: this far from the airport
  double startBearing = 225.0;      // on this true bearing from it
  double windFrom = 300.0;          // true
  double windKnots = 25.0;
  int scale = 2;                         // of the page pictures
  double longestFlightSeconds = 3600.0;  // simulated; the demo fails beyond it
};

struct DemoOutcome {
  std::vector<std::filesystem::path> files;   // in the order written
  std::vector<sim::navdata::GeoPoint> track;  // one point a simulated second
  std::vector<FlightSample> samples;          // the same, with what the aircraft did
  double flightSeconds = 0.0;                 // from ACT to the end of steering
  double endDistanceNm = 0.0;                 // from the airport when steering ended
};

// Runs the demo, printing what the pages show and the flight's log to `out`
// and, when `progress` is a terminal, a progress line there. Throws
// std::runtime_error when the module, the data or a file fails, or when
// steering does not end within the longest flight.
DemoOutcome RunDemo(const DemoOptions& options, std::ostream& out, std::ostream* progress);

}  // namespace bench
