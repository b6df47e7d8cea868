// skelbor-navdata-load: loads a world from apt.dat and nav.dat as the
// substitute simulator does, and reports what it holds, what was skipped and
// how long the load took.

#include <chrono>
#include <iostream>

#include "sim/navdata/navdata_error.h"
#include "sim/navdata/world.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: skelbor-navdata-load APT_DAT NAV_DAT\n"
                 "  loads both files (plain or gzip) with their indexes and reports\n"
                 "  the counts, the skipped lines and the load time\n";
    return 2;
  }
  using Clock = std::chrono::steady_clock;
  sim::navdata::LoadReport report;
  const Clock::time_point start = Clock::now();
  sim::navdata::World world;
  try {
    world = sim::navdata::World::Load(argv[1], argv[2], report);
  } catch (const sim::navdata::NavDataError& error) {
    std::cerr << "skelbor-navdata-load: error: " << error.what() << "\n";
    return 1;
  }
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  std::size_t runways = 0;
  std::size_t frequencies = 0;
  for (const sim::navdata::Airport& airport : world.Airports()) {
    runways += airport.runways.size();
    frequencies += airport.frequencies.size();
  }
  std::cout << world.Airports().size() << " airports, " << runways << " runways, " << frequencies
            << " frequencies, " << world.Vors().size() << " VOR-list navaids, "
            << world.Ndbs().size() << " NDBs\n"
            << report.SkippedLines() << " lines skipped, " << report.ProblemCount() << " problems\n"
            << report.Summary() << "loaded in " << seconds << " s\n";
  return 0;
}
