// The bench's demo: the gauge over the navigation data, every page shown and
// drawn, then a flight under the gauge's heading steering from about 30 NM
// south-west of Seattle-Tacoma through a crosswind, logged every simulated
// minute and plotted.
#pragma once

#include <filesystem>
#include <ostream>
#include <vector>

#include "sim/bench/script_runner.h"
#include "sim/navdata/geo.h"

namespace bench {

struct DemoOptions {
  std::filesystem::path moduleFile;
  ScriptRunner::WorldFiles world;        // the navigation data
  std::filesystem::path outFolder;       // created when missing
  int scale = 2;                         // of the page pictures
  double longestFlightSeconds = 3600.0;  // simulated; the demo fails beyond it
};

struct DemoOutcome {
  std::vector<std::filesystem::path> files;   // in the order written
  std::vector<sim::navdata::GeoPoint> track;  // one point a simulated second
  double flightSeconds = 0.0;                 // from ACT to the end of steering
  double endDistanceNm = 0.0;                 // from the airport when steering ended
};

// Runs the demo, printing what the pages show and the flight's log to `out`
// and, when `progress` is a terminal, a progress line there. Throws
// std::runtime_error when the module, the data or a file fails, or when
// steering does not end within the longest flight.
DemoOutcome RunDemo(const DemoOptions& options, std::ostream& out, std::ostream* progress);

}  // namespace bench
