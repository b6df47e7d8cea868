#pragma once

// Reading airports from an X-Plane apt.dat file (versions 1000 to 1200), plain
// or gzip-compressed: headers 1, 16, 17; runways 100 and 101; helipads 102
// (only to place heliports); frequencies 50-56 and 1050-1056; metadata 1302
// (city, datum). Every other row is not needed and passed over.

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "sim/navdata/data_header.h"
#include "sim/navdata/load_report.h"
#include "sim/navdata/model.h"

namespace sim::navdata {

bool IsReadableAptVersion(int version);

struct AirportFile {
  DataHeader header;
  std::vector<Airport> airports;  // in file order; magnetic variation not yet known (0)
};

// Called for each airport read, with the lines it was built from (header
// first, each without its line end). Costs a copy of those lines; leave it
// empty when not needed.
using AirportLinesHook =
    std::function<void(const Airport& airport, const std::vector<std::string>& lines)>;

// Throws NavDataError when the file cannot be read; bad lines are skipped and
// counted in `report`.
AirportFile ReadAirports(const std::filesystem::path& path, LoadReport& report,
                         const AirportLinesHook& hook = {});

}  // namespace sim::navdata
