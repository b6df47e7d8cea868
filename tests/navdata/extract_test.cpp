#include "sim/navdata/tools/extract.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "sim/navdata/navdata_error.h"
#include "sim/navdata/world.h"
#include "test_files.h"

namespace {

using namespace sim::navdata;

World LoadBundled() {
  LoadReport report;
  return World::Load(navdata_test::BundledApt(), navdata_test::BundledNav(), report);
}

double LongestRunway(const Airport& airport) {
  double longest = 0.0;
  for (const Runway& runway : airport.runways) longest = std::max(longest, runway.lengthMetres);
  return longest;
}

// An extract of the bundled extract, small radius and one airport per
// prefix, checked against the bundled world it came from.
TEST(Extract, KeepsTheNearbyWorldAndTheLargestAirportPerPrefix) {
  ExtractOptions options;
  options.aptFile = navdata_test::BundledApt();
  options.navFile = navdata_test::BundledNav();
  options.outputDir = navdata_test::ScratchPath("extract");
  options.radiusNm = 15.0;
  options.perPrefix = 1;
  LoadReport extractReport;
  std::ostringstream progress;
  const ExtractSummary summary = MakeExtract(options, extractReport, progress);
  EXPECT_EQ(extractReport.ProblemCount(), 0u) << extractReport.Summary();
  EXPECT_NE(progress.str().find("Writing"), std::string::npos);

  const World full = LoadBundled();
  LoadReport report;
  const World extract =
      World::Load(options.outputDir / "apt.dat.gz", options.outputDir / "nav.dat.gz", report);
  EXPECT_EQ(report.ProblemCount(), 0u) << report.Summary();
  EXPECT_EQ(extract.Airports().size(), summary.nearbyAirports + summary.prefixAirports);

  const Airport* ksea = full.FindAirport("KSEA");
  const double radius = options.radiusNm * kMetresPerNauticalMile;
  std::map<std::string, const Airport*> largest;
  for (const Airport& airport : full.Airports()) {
    if (GreatCircleMetres(ksea->position, airport.position) <= radius) {
      const Airport* copy = extract.FindAirport(airport.ident);
      ASSERT_NE(copy, nullptr) << airport.ident;
      EXPECT_EQ(copy->runways.size(), airport.runways.size());
      EXPECT_EQ(copy->frequencies.size(), airport.frequencies.size());
      EXPECT_DOUBLE_EQ(copy->position.latitude, airport.position.latitude);
    }
    const std::string& id = airport.ident;
    const bool icao = id.size() == 4 && std::all_of(id.begin(), id.end(),
                                                    [](char c) { return c >= 'A' && c <= 'Z'; });
    if (!icao || LongestRunway(airport) == 0.0 || airport.name.starts_with("[X]")) continue;
    const Airport*& best = largest[id.substr(0, 2)];
    if (best == nullptr || LongestRunway(airport) > LongestRunway(*best) ||
        (LongestRunway(airport) == LongestRunway(*best) && id < best->ident)) {
      best = &airport;
    }
  }
  EXPECT_EQ(summary.prefixes, largest.size());
  for (const auto& [prefix, airport] : largest) {
    EXPECT_NE(extract.FindAirport(airport->ident), nullptr) << prefix << " " << airport->ident;
  }
  // Far from Seattle, a chosen airport keeps its ILS; other far navaids are gone.
  const Airport* egll = extract.FindAirport("EGLL");
  ASSERT_NE(egll, nullptr);
  const auto ils = extract.NearestVors(egll->position, 10000.0, 20, VorFilterBit(VorKind::Ils));
  EXPECT_FALSE(ils.empty());
  for (const NearestHit& hit : ils) EXPECT_EQ(extract.Vors()[hit.item].airportIdent, "EGLL");
  for (const Vor& vor : extract.Vors()) {
    if (vor.kind != VorKind::Ils) {
      EXPECT_LE(GreatCircleMetres(ksea->position, vor.position), radius) << vor.ident;
    }
  }
  EXPECT_TRUE(extract.NearestNdbs(egll->position, 1e6, 1).empty());
}

TEST(Extract, RefusesAMissingCentreAndOverwritingItsInput) {
  const std::filesystem::path dir = navdata_test::ScratchPath("extract-self");
  std::filesystem::create_directories(dir);
  std::filesystem::copy_file(navdata_test::BundledApt(), dir / "apt.dat.gz");
  std::filesystem::copy_file(navdata_test::BundledNav(), dir / "nav.dat.gz");
  const std::string before = navdata_test::ReadBytes(dir / "apt.dat.gz");
  struct Case {
    const char* centre;
    std::filesystem::path output;
    const char* message;
  };
  const Case cases[] = {
      {"KSEA", dir, "is the input file"},
      {"XNONE", navdata_test::ScratchPath("extract-none"), "has no airport XNONE"},
  };
  for (const Case& c : cases) {
    ExtractOptions options;
    options.aptFile = dir / "apt.dat.gz";
    options.navFile = dir / "nav.dat.gz";
    options.outputDir = c.output;
    options.centreIdent = c.centre;
    LoadReport report;
    std::ostringstream progress;
    try {
      MakeExtract(options, report, progress);
      ADD_FAILURE() << c.message;
    } catch (const NavDataError& error) {
      EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << error.what();
    }
    EXPECT_FALSE(std::filesystem::exists(c.output / "nav.dat.gz.part"));
  }
  EXPECT_EQ(navdata_test::ReadBytes(dir / "apt.dat.gz"), before);
}

}  // namespace
