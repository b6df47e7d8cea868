#pragma once

#include <string>
#include <string_view>

#include "sim/navdata/text_file.h"

namespace sim::navdata {

// The two lines that open every apt.dat and nav.dat: the origin mark (I, A or
// empty) and the version line with the data's copyright notice.
struct DataHeader {
  int version = 0;
  std::string originLine;
  std::string versionLine;
};

// Reads lines 1 and 2 of `file`. Throws NavDataError naming `kind` and
// `acceptedVersions` when they are missing or the version is not accepted.
DataHeader ReadDataHeader(TextFile& file, std::string_view kind, bool (*accepted)(int version),
                          std::string_view acceptedVersions);

}  // namespace sim::navdata
