// skelbor-navdata-extract: makes the bundled navigation data extract from the
// full world files (see data/README.md for the command that made data/).

#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>

#include "sim/navdata/navdata_error.h"
#include "sim/navdata/tools/extract.h"

namespace {

constexpr const char* kUsage =
    "usage: skelbor-navdata-extract [options] FULL_APT FULL_NAV OUTPUT_DIR\n"
    "  Writes OUTPUT_DIR/apt.dat.gz and OUTPUT_DIR/nav.dat.gz: every airport and\n"
    "  navaid near the centre airport, plus the largest airports (longest runway)\n"
    "  of every two-letter ICAO prefix and their ILS rows.\n"
    "  FULL_APT, FULL_NAV: X-Plane apt.dat and nav.dat, plain or gzip.\n"
    "options:\n"
    "  --centre IDENT    centre airport (default KSEA)\n"
    "  --radius NM       radius around the centre in nautical miles (default 250)\n"
    "  --per-prefix N    largest airports kept per ICAO prefix (default 3)\n"
    "  --help            show this text\n";

int UsageError(const std::string& message) {
  std::cerr << "skelbor-navdata-extract: " << message << "\n" << kUsage;
  return 2;
}

bool ParseNumberArgument(const char* text, double& value) {
  char* end = nullptr;
  value = std::strtod(text, &end);
  return end != text && *end == '\0' && value >= 0.0;
}

}  // namespace

int main(int argc, char** argv) {
  sim::navdata::ExtractOptions options;
  std::string positional[3];
  int positionals = 0;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--help" || arg == "-h") {
      std::cout << kUsage;
      return 0;
    }
    if (arg == "--centre" || arg == "--radius" || arg == "--per-prefix") {
      if (!hasValue) return UsageError(std::string(arg) + " needs a value");
      const char* value = argv[++i];
      double number = 0.0;
      if (arg == "--centre") {
        options.centreIdent = value;
        if (options.centreIdent.empty()) return UsageError("--centre needs an airport ident");
      } else if (!ParseNumberArgument(value, number)) {
        return UsageError(std::string(arg) + " needs a number not below 0, not '" + value + "'");
      } else if (arg == "--radius") {
        options.radiusNm = number;
      } else {
        options.perPrefix = static_cast<std::size_t>(number);
      }
    } else if (arg.size() > 1 && arg[0] == '-') {
      return UsageError("unknown option " + std::string(arg));
    } else if (positionals == 3) {
      return UsageError("too many arguments");
    } else {
      positional[positionals++] = std::string(arg);
    }
  }
  if (positionals != 3) return UsageError("FULL_APT, FULL_NAV and OUTPUT_DIR are needed");
  options.aptFile = positional[0];
  options.navFile = positional[1];
  options.outputDir = positional[2];

  sim::navdata::LoadReport report;
  try {
    const sim::navdata::ExtractSummary summary =
        sim::navdata::MakeExtract(options, report, std::cout);
    std::cout << "Extract written to " << options.outputDir.string() << ": "
              << summary.nearbyAirports + summary.prefixAirports << " airports, "
              << summary.navaidRows << " navaid rows\n";
  } catch (const sim::navdata::NavDataError& error) {
    std::cerr << "skelbor-navdata-extract: error: " << error.what() << "\n";
    return 1;
  }
  if (report.ProblemCount() > 0) {
    std::cerr << "skelbor-navdata-extract: " << report.SkippedLines()
              << " bad input lines skipped:\n"
              << report.Summary();
  }
  return 0;
}
