#include "sim/navdata/data_header.h"

#include "sim/navdata/fields.h"
#include "sim/navdata/navdata_error.h"

namespace sim::navdata {

DataHeader ReadDataHeader(TextFile& file, std::string_view kind, bool (*accepted)(int version),
                          std::string_view acceptedVersions) {
  const std::string what = file.Name() + ": not an X-Plane " + std::string(kind) + " file: ";
  DataHeader header;
  std::string_view line;
  if (!file.NextLine(line)) throw NavDataError(what + "the file is empty");
  header.originLine = std::string(line);
  const std::string_view origin = Fields(line).Rest();
  if (!(origin.empty() || origin == "I" || origin == "A")) {
    throw NavDataError(what + "line 1 is neither I nor A");
  }
  if (!file.NextLine(line)) throw NavDataError(what + "the version line is missing");
  header.versionLine = std::string(line);
  long version = 0;
  if (!ParseNumber(Fields(line).Next(), version)) {
    throw NavDataError(what + "line 2 does not start with a version number");
  }
  if (!accepted(static_cast<int>(version))) {
    throw NavDataError(file.Name() + ": " + std::string(kind) + " version " +
                       std::to_string(version) +
                       " is not supported (readable: " + std::string(acceptedVersions) + ")");
  }
  header.version = static_cast<int>(version);
  return header;
}

}  // namespace sim::navdata
