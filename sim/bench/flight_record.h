// A flown track as files other programs read: GPX for map programs, CSV for
// spreadsheets and plotting tools.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "sim/navdata/geo.h"

namespace bench {

// The aircraft at one moment of the flight.
struct FlightSample {
  double seconds = 0.0;  // simulated, from the start of the flight
  sim::navdata::GeoPoint position;
  double trueHeading = 0.0;
  double trueTrack = 0.0;
  double groundSpeedKnots = 0.0;
  double selectedHeading = 0.0;  // the autopilot's heading bug, magnetic
  double distanceNm = 0.0;       // to the destination
  bool steering = false;         // the autopilot's heading hold
};

struct NamedPlace {
  std::string name;
  sim::navdata::GeoPoint position;
};

// GPX 1.1: the places as waypoints and the samples as one track segment,
// timed from noon UTC of 2000-01-01 (simulated time has no date). Throws
// std::runtime_error naming the file when it cannot be written.
void WriteGpx(const std::filesystem::path& file, const std::string& track_name,
              const std::vector<NamedPlace>& places, const std::vector<FlightSample>& samples);

// One row a sample under a header row; numbers with a point, never a comma.
void WriteCsv(const std::filesystem::path& file, const std::vector<FlightSample>& samples);

}  // namespace bench
