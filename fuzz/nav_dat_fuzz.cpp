// nav.dat reader: any bytes, plain or gzip, are read or refused with
// NavDataError; each row is also parsed alone in every readable version.
#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "fuzz/scratch_file.h"
#include "sim/navdata/nav_reader.h"
#include "sim/navdata/navdata_error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const fuzz::ScratchFile file;
  file.Write(data, size);
  sim::navdata::LoadReport report;
  try {
    sim::navdata::ReadNavaids(file.Path(), report);
  } catch (const sim::navdata::NavDataError&) {
  }
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::string_view line = text.substr(0, text.find('\n'));
  for (const int version : {810, 1100, 1150, 1200}) {
    sim::navdata::NavRow row;
    sim::navdata::ParseNavRow(line, version, row);
  }
  return 0;
}
