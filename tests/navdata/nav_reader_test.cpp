#include "sim/navdata/nav_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "sim/navdata/navdata_error.h"
#include "test_files.h"

namespace {

using namespace sim::navdata;

std::vector<const Vor*> VorsNamed(const NavaidFile& file, std::string_view ident) {
  std::vector<const Vor*> found;
  for (const Vor& vor : file.vors) {
    if (vor.ident == ident) found.push_back(&vor);
  }
  return found;
}

NavaidFile ReadText(std::string_view name, const std::string& text, LoadReport& report) {
  return ReadNavaids(navdata_test::WritePlain(name, text), report);
}

TEST(NavReader, BundledSeattleNavaidsMatchTheirSourceLines) {
  LoadReport report;
  const NavaidFile file = ReadNavaids(navdata_test::BundledNav(), report);
  EXPECT_EQ(report.ProblemCount(), 0u) << report.Summary();
  EXPECT_EQ(file.header.version, 810);

  // 3  47.43536111 -122.30961111    354 11680 130   19.0 SEA  SEATTLE VORTAC, and its DME row.
  const auto sea = VorsNamed(file, "SEA");
  ASSERT_EQ(sea.size(), 1u);
  EXPECT_EQ(sea[0]->kind, VorKind::Vortac);
  EXPECT_EQ(sea[0]->name, "SEATTLE VORTAC");
  EXPECT_EQ(sea[0]->hertz, 116800000u);
  EXPECT_DOUBLE_EQ(sea[0]->magneticVariation, 19.0);
  EXPECT_DOUBLE_EQ(sea[0]->position.latitude, 47.43536111);
  EXPECT_NEAR(sea[0]->elevationMetres, 354 * 0.3048, 1e-9);

  // 4  47.42939200 -122.30805600    338 11030  18     180.343 ISNQ KSEA 16L ILS-cat-I,
  // with its glide slope and DME-ILS rows, which add nothing of their own.
  const auto isnq = VorsNamed(file, "ISNQ");
  ASSERT_EQ(isnq.size(), 1u);
  EXPECT_EQ(isnq[0]->kind, VorKind::Ils);
  EXPECT_EQ(isnq[0]->name, "ISNQ 16L");
  EXPECT_EQ(isnq[0]->airportIdent, "KSEA");
  EXPECT_EQ(isnq[0]->runway, "16L");
  EXPECT_EQ(isnq[0]->hertz, 110300000u);
  EXPECT_DOUBLE_EQ(isnq[0]->localizerCourse, 180.343);

  // 3  49.21583333 -122.71500000      0 11240  40   17.0 YPK  PITT MEADOWS VOR: no DME.
  const auto ypk = VorsNamed(file, "YPK");
  ASSERT_EQ(ypk.size(), 1u);
  EXPECT_EQ(ypk[0]->kind, VorKind::Vor);

  // 2  49.01544444 -122.48777778      0   344  50    0.0 XX   ABBOTSFORD NDB
  const auto xx = std::find_if(file.ndbs.begin(), file.ndbs.end(),
                               [](const Ndb& n) { return n.ident == "XX"; });
  ASSERT_NE(xx, file.ndbs.end());
  EXPECT_EQ(xx->name, "ABBOTSFORD NDB");
  EXPECT_EQ(xx->hertz, 344000u);
  EXPECT_DOUBLE_EQ(xx->position.longitude, -122.48777778);
}

TEST(NavReader, KindsAndPairingOfTheOlderFormat) {
  LoadReport report;
  const NavaidFile file =
      ReadText("kinds810.dat",
               navdata_test::NavText(
                   "3  10.0 20.0 0 11000 130 -3.5 AAA  ALPHA VOR\n"
                   "12 10.01 20.0 0 11000 130 0.0 AAA  ALPHA DME\n"    // pairs: AAA is a VOR-DME
                   "12 11.0 20.0 0 11000 130 0.0 AAA  FAR AWAY DME\n"  // 60 NM away: its own DME
                   "3  12.0 20.0 0 11100 130 2.0 BBB  BRAVO VOR-DME\n"
                   "3  13.0 20.0 0 11200 130 2.0 CCC  CHARLIE VORTAC\n"
                   "12 13.0 20.0 0 11200 130 0.0 CCC  CHARLIE VORTAC\n"
                   "3  14.0 20.0 0 11300 25 0.0 DDD  DELTA VOT\n"
                   "13 15.0 20.0 0 11400 130 0.0 EEE  ECHO TACAN\n"
                   "13 16.0 20.0 0 11500 25 0.0 FFF  FOXTROT DME\n"
                   "5  17.0 20.0 0 10950 18 90.5 IGGG XGGG 09 LOC\n"
                   "12 17.0 20.0 0 10950 18 0.0 IGGG XGGG 09 DME-ILS\n"
                   "12 18.0 20.0 0 10970 18 0.0 IHHH XHHH 27 DME-ILS\n"  // no localizer: dropped
                   "6  17.0 20.0 0 10950 10 300090.5 IGGG XGGG 09 GS\n"
                   "7  17.0 20.0 0 0 0 90.5 ---- XGGG 09 OM\n"
                   "2  19.0 20.0 0 350 50 0.0 NN  NOVEMBER NDB\n"),
               report);
  EXPECT_EQ(report.ProblemCount(), 0u) << report.Summary();
  std::vector<std::string> kinds;
  for (const Vor& vor : file.vors) {
    kinds.push_back(vor.ident + ":" + std::to_string(static_cast<int>(vor.kind)) + ":" + vor.name);
  }
  EXPECT_EQ(kinds,
            (std::vector<std::string>{
                "AAA:2:ALPHA VOR", "BBB:2:BRAVO VOR-DME", "CCC:5:CHARLIE VORTAC", "DDD:7:DELTA VOT",
                "IGGG:6:IGGG 09", "AAA:3:FAR AWAY DME", "EEE:4:ECHO TACAN", "FFF:3:FOXTROT DME"}));
  EXPECT_DOUBLE_EQ(file.vors[0].magneticVariation, -3.5);
  EXPECT_EQ(file.vors[4].airportIdent, "XGGG");
  ASSERT_EQ(file.ndbs.size(), 1u);
  EXPECT_EQ(file.ndbs[0].hertz, 350000u);
}

TEST(NavReader, NewerFormatsCarryRegionFields) {
  LoadReport report;
  const NavaidFile file = ReadText(
      "kinds1150.dat",
      navdata_test::NavText(
          "2  47.0 -122.0 0 344 50 0.0 XX ENRT CY ABBOTSFORD NDB\n"
          "3  47.43536111 -122.30961111 354 11680 130 19.0 SEA ENRT K1 SEATTLE VORTAC\n"
          "12 47.43569722 -122.30999167 354 11680 130 0.0 SEA ENRT K1 SEATTLE VORTAC DME\n"
          "4  47.429392 -122.308056 338 11030 18 180.343 ISNQ KSEA K1 16L ILS-cat-I\n"
          "12 47.434333 -122.306300 369 11030 18 0.0 ISNQ KSEA K1 SEATTLE-TACOMA INTL DME-ILS\n"
          "14 47.0 -122.0 0 0 0 180.0 R16L KSEA K1 16L LPV\n",
          1150),
      report);
  EXPECT_EQ(report.ProblemCount(), 0u) << report.Summary();
  ASSERT_EQ(file.vors.size(), 2u);
  EXPECT_EQ(file.vors[0].name, "SEATTLE VORTAC");
  EXPECT_EQ(file.vors[0].kind, VorKind::Vortac);
  EXPECT_EQ(file.vors[1].name, "ISNQ 16L");
  EXPECT_EQ(file.vors[1].airportIdent, "KSEA");
  ASSERT_EQ(file.ndbs.size(), 1u);
  EXPECT_EQ(file.ndbs[0].name, "ABBOTSFORD NDB");
}

TEST(NavReader, BadLinesAreSkippedCountedAndLocated) {
  struct Case {
    const char* row;
    const char* reason;
  };
  const Case cases[] = {
      {"3  91.0 20.0 0 11000 130 0.0 AAA  ALPHA VOR", "bad position"},
      {"3  10.0 east 0 11000 130 0.0 AAA  ALPHA VOR", "bad position"},
      {"2  10.0 20.0 0 -5 50 0.0 NN  NOVEMBER NDB", "bad frequency"},
      {"3  10.0 20.0 0 500000 130 0.0 AAA  ALPHA VOR", "bad frequency"},
      {"3  10.0 20.0 0 11000 130 inf AAA  ALPHA VOR", "bad type-specific field"},
      {"3  10.0 20.0 0 11000 far 0.0 AAA  ALPHA VOR", "bad range"},
      {"3  10.0 20.0 0 11000 130 0.0", "no ident"},
      {"4  10.0 20.0 0 11000 18 90.0 IAAA XAAA", "no airport and runway"},
      {"V  10.0 20.0 0 11000 130 0.0 AAA  ALPHA VOR", "does not start with a row code"},
  };
  std::string rows = "2  1.0 1.0 0 300 50 0.0 OK  GOOD NDB\n";
  for (const Case& c : cases) rows += std::string(c.row) + "\n";
  rows += "6  10.0 20.0 0 10 300090.0 IAAA XAAA 09 GS\n";  // malformed, but not read
  LoadReport report;
  const NavaidFile file = ReadText("badnav.dat", navdata_test::NavText(rows), report);
  EXPECT_EQ(file.ndbs.size(), 1u);
  EXPECT_TRUE(file.vors.empty());
  EXPECT_EQ(report.SkippedLines(), std::size(cases));
  const std::size_t kept = std::min(std::size(cases), LoadReport::kKeptProblems);
  ASSERT_EQ(report.FirstProblems().size(), kept);
  for (std::size_t i = 0; i < kept; ++i) {
    const LoadProblem& problem = report.FirstProblems()[i];
    EXPECT_EQ(problem.line, i + 4) << cases[i].row;
    EXPECT_NE(problem.reason.find(cases[i].reason), std::string::npos) << problem.reason;
  }
}

TEST(NavReader, UnsupportedVersionIsAnError) {
  LoadReport report;
  try {
    ReadText("v900.dat", "I\n900 Version\n99\n", report);
    ADD_FAILURE() << "version 900 accepted";
  } catch (const NavDataError& error) {
    EXPECT_NE(std::string(error.what()).find("nav.dat version 900 is not supported"),
              std::string::npos)
        << error.what();
  }
}

}  // namespace
