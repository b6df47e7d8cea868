// apt.dat reader: any bytes, plain or gzip, are read or refused with
// NavDataError; nothing else escapes.
#include <cstdint>

#include "fuzz/scratch_file.h"
#include "sim/navdata/apt_reader.h"
#include "sim/navdata/navdata_error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const fuzz::ScratchFile file;
  file.Write(data, size);
  sim::navdata::LoadReport report;
  try {
    sim::navdata::ReadAirports(file.Path(), report);
  } catch (const sim::navdata::NavDataError&) {
  }
  return 0;
}
