#pragma once

// Reading radio navaids from an X-Plane nav.dat file (versions 810, 1100,
// 1150, 1200), plain or gzip-compressed: NDB 2, VOR 3, ILS localizer 4,
// localizer 5 and DME 12/13 make the world; markers, glide slopes and the
// newer approach rows are read only as rows (for tools) and not kept.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "sim/navdata/data_header.h"
#include "sim/navdata/load_report.h"
#include "sim/navdata/model.h"

namespace sim::navdata {

bool IsReadableNavVersion(int version);

// One nav.dat data row in the terms common to every type. The views point
// into the parsed line.
struct NavRow {
  int type = 0;
  GeoPoint position;
  double elevationFeet = 0.0;
  long frequency = 0;  // as in the file: kHz for NDBs, 10 kHz units otherwise
  double field = 0.0;  // slaved variation, bearing or DME bias, by type
  std::string_view ident;
  std::string_view airport;  // ILS components and ILS DMEs; empty otherwise
  std::string_view runway;   // ILS components (and ILS DMEs of the older format)
  std::string_view name;
};

// Parses one data row (not the header, not the 99 end row) of a nav.dat of
// `version`. Returns why the row is bad, or the empty text when `row` holds it.
std::string ParseNavRow(std::string_view line, int version, NavRow& row);

struct NavaidFile {
  DataHeader header;
  std::vector<Vor> vors;  // the nearest-VOR list's members, kinds as in VorKind
  std::vector<Ndb> ndbs;
};

// Throws NavDataError when the file cannot be read; bad lines are skipped and
// counted in `report`.
NavaidFile ReadNavaids(const std::filesystem::path& path, LoadReport& report);

}  // namespace sim::navdata
