#pragma once

// The bundled world: from the full apt.dat and nav.dat, every airport and
// navaid near a centre airport, plus the largest airports (longest runway) of
// every two-letter ICAO prefix (closed ones aside), with the ILS rows of
// those airports. Lines are copied as they stand, limited to the rows the
// world reads.

#include <cstddef>
#include <filesystem>
#include <ostream>
#include <string>

#include "sim/navdata/load_report.h"

namespace sim::navdata {

struct ExtractOptions {
  std::filesystem::path aptFile;
  std::filesystem::path navFile;
  std::filesystem::path outputDir;  // receives apt.dat.gz and nav.dat.gz
  std::string centreIdent = "KSEA";
  double radiusNm = 250.0;
  std::size_t perPrefix = 3;
};

struct ExtractSummary {
  std::size_t airportsRead = 0;
  std::size_t nearbyAirports = 0;
  std::size_t prefixes = 0;
  std::size_t prefixAirports = 0;  // chosen by prefix and not already nearby
  std::size_t navaidRows = 0;
};

// Throws NavDataError when an input cannot be read, the centre airport is
// missing, or an output cannot be written; bad input lines go to `report`.
ExtractSummary MakeExtract(const ExtractOptions& options, LoadReport& report,
                           std::ostream& progress);

}  // namespace sim::navdata
