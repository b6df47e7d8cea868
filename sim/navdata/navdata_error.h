#pragma once

#include <stdexcept>
#include <string>

namespace sim::navdata {

// A navigation data file that cannot be read at all: missing, not a data file
// of a known version, or damaged compression. Bad single lines are not errors;
// they are skipped and counted in a LoadReport.
class NavDataError : public std::runtime_error {
 public:
  explicit NavDataError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace sim::navdata
