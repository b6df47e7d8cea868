#include "sim/navdata/world.h"

#include <gtest/gtest.h>

#include <string>

#include "sim/navdata/navdata_error.h"
#include "test_files.h"

namespace {

using namespace sim::navdata;

Vor MakeVor(std::string ident, VorKind kind, GeoPoint position, double variation) {
  Vor vor;
  vor.ident = std::move(ident);
  vor.kind = kind;
  vor.position = position;
  vor.magneticVariation = variation;
  return vor;
}

Airport MakeAirport(std::string ident, GeoPoint position) {
  Airport airport;
  airport.ident = std::move(ident);
  airport.position = position;
  return airport;
}

TEST(World, AirportVariationComesFromTheNearestVorThatCarriesOne) {
  // An ILS, a DME and a TACAN sit closer to the airport than the VOR-DME.
  World world({MakeAirport("XAPT", {10.0, 10.0}), MakeAirport("XFAR", {-60.0, 170.0})},
              {MakeVor("ILS", VorKind::Ils, {10.0, 10.001}, 0.0),
               MakeVor("DME", VorKind::Dme, {10.0, 10.002}, 0.0),
               MakeVor("TAC", VorKind::Tacan, {10.0, 10.003}, 0.0),
               MakeVor("VDM", VorKind::VorDme, {10.0, 10.5}, -7.5),
               MakeVor("VTC", VorKind::Vortac, {10.0, 11.0}, 3.0),
               MakeVor("VOR", VorKind::Vor, {50.0, 10.0}, 12.0)},
              {});
  EXPECT_DOUBLE_EQ(world.Airports()[0].magneticVariation, -7.5);
  // However far away the nearest one is.
  EXPECT_DOUBLE_EQ(world.Airports()[1].magneticVariation, 3.0);
  // Anywhere else by the same rule.
  EXPECT_DOUBLE_EQ(world.MagneticVariationAt({50.1, 10.0}), 12.0);

  // A fixed variation replaces the estimate, and leaves the others at 0.
  world.FixMagneticVariation(20.0);
  EXPECT_DOUBLE_EQ(world.Airports()[1].magneticVariation, 20.0);
  EXPECT_DOUBLE_EQ(world.MagneticVariationAt({10.0, 10.0}), 20.0);
  EXPECT_DOUBLE_EQ(world.Vors()[1].magneticVariation, 0.0);
  const World withoutVors({MakeAirport("XAPT", {10.0, 10.0})}, {}, {});
  EXPECT_DOUBLE_EQ(withoutVors.Airports()[0].magneticVariation, 0.0);
}

TEST(World, BundledWorldLoadsCleanWithSeattleInIt) {
  LoadReport report;
  const World world = World::Load(navdata_test::BundledApt(), navdata_test::BundledNav(), report);
  EXPECT_EQ(report.ProblemCount(), 0u) << report.Summary();
  EXPECT_GT(world.Airports().size(), 1000u);
  const Airport* ksea = world.FindAirport("KSEA");
  ASSERT_NE(ksea, nullptr);
  EXPECT_EQ(ksea->ident, "KSEA");
  EXPECT_EQ(world.FindAirport("KSE"), nullptr);
  // SEATTLE VORTAC, 19.0 east, is the VOR nearest to the airport.
  EXPECT_DOUBLE_EQ(ksea->magneticVariation, 19.0);
  // The runway refresh's search: the six ILS of KSEA within 15 km.
  const auto ils = world.NearestVors(ksea->position, 15000.0, 20, VorFilterBit(VorKind::Ils));
  int ofKsea = 0;
  for (const NearestHit& hit : ils) ofKsea += world.Vors()[hit.item].airportIdent == "KSEA";
  EXPECT_EQ(ofKsea, 6);
  // The navaid page's nearest VOR, by filter 191, is SEA itself.
  const auto vors = world.NearestVors(ksea->position, 20000.0, 20, 191);
  ASSERT_FALSE(vors.empty());
  EXPECT_EQ(world.Vors()[vors[0].item].ident, "SEA");
}

TEST(World, LoadFailsClearlyOnADamagedFile) {
  const std::string good = navdata_test::ReadBytes(navdata_test::BundledApt());
  const std::filesystem::path cut =
      navdata_test::WriteBytes("cut-apt.dat.gz", good.substr(0, good.size() / 3));
  LoadReport report;
  try {
    World::Load(cut, navdata_test::BundledNav(), report);
    ADD_FAILURE() << "a truncated apt.dat.gz loaded";
  } catch (const NavDataError& error) {
    const std::string message = error.what();
    EXPECT_NE(message.find("cut-apt.dat.gz: truncated gzip data"), std::string::npos) << message;
  }
}

}  // namespace
