#include "sim/navdata/apt_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "sim/navdata/navdata_error.h"
#include "test_files.h"

namespace {

using namespace sim::navdata;

const Airport& Find(const std::vector<Airport>& airports, std::string_view ident) {
  const auto found = std::find_if(airports.begin(), airports.end(),
                                  [&](const Airport& a) { return a.ident == ident; });
  if (found == airports.end()) throw std::runtime_error("no airport " + std::string(ident));
  return *found;
}

std::vector<Airport> ReadText(std::string_view name, const std::string& text, LoadReport& report) {
  return ReadAirports(navdata_test::WritePlain(name, text), report).airports;
}

TEST(AptReader, BundledSeattleTacomaMatchesItsSourceLines) {
  LoadReport report;
  const AirportFile file = ReadAirports(navdata_test::BundledApt(), report);
  EXPECT_EQ(report.ProblemCount(), 0u) << report.Summary();
  EXPECT_EQ(file.header.version, 1000);
  const Airport& ksea = Find(file.airports, "KSEA");
  EXPECT_EQ(ksea.name, "Seattle Tacoma Intl");
  EXPECT_EQ(ksea.kind, AirportKind::Land);
  EXPECT_EQ(ksea.city, "");
  EXPECT_TRUE(ksea.fuel1.empty() && ksea.fuel2.empty());
  EXPECT_NEAR(ksea.elevationMetres, 131.9784, 1e-9);  // 433 ft
  // The mean of the six runway end points of the three 100 rows.
  EXPECT_NEAR(ksea.position.latitude, 47.4501884833, 1e-9);
  EXPECT_NEAR(ksea.position.longitude, -122.3123203567, 1e-9);

  ASSERT_EQ(ksea.runways.size(), 3u);
  const Runway& r16l = ksea.runways[0];
  EXPECT_EQ(r16l.designation, "16L-34R");
  EXPECT_EQ(r16l.ends[0].number, "16L");
  EXPECT_EQ(r16l.ends[1].number, "34R");
  EXPECT_DOUBLE_EQ(r16l.ends[1].position.latitude, 47.43117533);
  // 11901 ft published; the ILS ISNQ of 16L is aligned at 180.343 true.
  EXPECT_NEAR(r16l.lengthMetres, 3627.4, 1.0);
  EXPECT_NEAR(r16l.trueHeading, 180.343, 0.01);
  EXPECT_DOUBLE_EQ(r16l.widthMetres, 46.02);
  EXPECT_EQ(r16l.surface, 1);   // X-Plane 2, concrete
  EXPECT_EQ(r16l.lighting, 3);  // edge lights 3
  EXPECT_FALSE(r16l.water);

  const std::vector<std::pair<FrequencyType, std::uint32_t>> expected = {
      {FrequencyType::Atis, 118000000},      {FrequencyType::Unicom, 122950000},
      {FrequencyType::Clearance, 128000000}, {FrequencyType::Ground, 121700000},
      {FrequencyType::Tower, 119900000},     {FrequencyType::Approach, 119200000},
      {FrequencyType::Approach, 120100000}};
  ASSERT_EQ(ksea.frequencies.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(ksea.frequencies[i].type, expected[i].first) << i;
    EXPECT_EQ(ksea.frequencies[i].hertz, expected[i].second) << i;
  }
  EXPECT_EQ(ksea.frequencies[2].name, "CLNC DEL");
}

TEST(AptReader, BundledSeaplaneBaseAndHeliportArePlaced) {
  LoadReport report;
  const std::vector<Airport> airports = ReadAirports(navdata_test::BundledApt(), report).airports;
  // 101   152.40 0 02   47.13570824 -122.56808730 20   47.14726508 -122.55383048
  const Airport& w37 = Find(airports, "W37");
  EXPECT_EQ(w37.kind, AirportKind::SeaplaneBase);
  EXPECT_EQ(w37.name, "[S] American Lake");
  ASSERT_EQ(w37.runways.size(), 1u);
  EXPECT_EQ(w37.runways[0].designation, "02-20");
  EXPECT_EQ(w37.runways[0].surface, 201);
  EXPECT_EQ(w37.runways[0].lighting, 1);
  EXPECT_TRUE(w37.runways[0].water);
  EXPECT_NEAR(w37.position.latitude, (47.13570824 + 47.14726508) / 2, 1e-9);
  EXPECT_NEAR(w37.position.longitude, (-122.56808730 + -122.55383048) / 2, 1e-9);
  // A heliport with one helipad: 102 H1   47.60676472 -122.33373750 ...
  const Airport& wa54 = Find(airports, "WA54");
  EXPECT_EQ(wa54.kind, AirportKind::Heliport);
  EXPECT_TRUE(wa54.runways.empty());
  EXPECT_DOUBLE_EQ(wa54.position.latitude, 47.60676472);
  EXPECT_DOUBLE_EQ(wa54.position.longitude, -122.33373750);
}

TEST(AptReader, NewerVersionsTakeDatumCityAndKilohertzFrequencies) {
  LoadReport report;
  const std::vector<Airport> airports = ReadText(
      "v1100.dat",
      navdata_test::AptText(
          "1   100 0 0 XTST Test Field\n"
          "1302 city Springfield Falls\n"
          "1302 datum_lat 10.5\n"
          "1302 datum_lon -20.25\n"
          "1302 country\n"
          "100 30.00 20 0 0.25 0 0 0 09 10.0 -20.0 0 0 1 0 0 0 27 10.0 -19.99 0 0 1 0 0 0\n"
          "100 30.00 55 0 0.25 0 2 0 18 10.1 -20.0 0 0 1 0 0 0 36 10.0 -20.0 0 0 1 0 0 0\n"
          "1050 118025 ATIS\n"
          "1056 124350 DEP\n",
          1100),
      report);
  EXPECT_EQ(report.ProblemCount(), 0u) << report.Summary();
  ASSERT_EQ(airports.size(), 1u);
  const Airport& a = airports[0];
  EXPECT_EQ(a.city, "Springfield Falls");
  EXPECT_DOUBLE_EQ(a.position.latitude, 10.5);  // the datum, not the runways
  EXPECT_DOUBLE_EQ(a.position.longitude, -20.25);
  ASSERT_EQ(a.runways.size(), 2u);
  EXPECT_EQ(a.runways[0].surface, 2);   // an asphalt shade
  EXPECT_EQ(a.runways[0].lighting, 1);  // no edge lights
  EXPECT_NEAR(a.runways[0].trueHeading, 90.0, 0.01);
  EXPECT_EQ(a.runways[1].surface, 1);  // a concrete shade
  EXPECT_EQ(a.runways[1].lighting, 3);
  EXPECT_NEAR(a.runways[1].trueHeading, 180.0, 1e-9);
  ASSERT_EQ(a.frequencies.size(), 2u);
  EXPECT_EQ(a.frequencies[0].hertz, 118025000u);
  EXPECT_EQ(a.frequencies[0].type, FrequencyType::Atis);
  EXPECT_EQ(a.frequencies[1].type, FrequencyType::Departure);
}

TEST(AptReader, SurfaceCodesOfTheWorld) {
  const std::pair<int, int> cases[] = {{1, 2},    {2, 1},    {3, 101},  {4, 103}, {5, 105},
                                       {12, 103}, {13, 201}, {14, 115}, {15, 0},  {38, 2},
                                       {39, 0},   {50, 1},   {57, 1},   {58, 0},  {0, 0}};
  std::string rows = "1 0 0 0 XSRF Surfaces\n";
  for (const auto& [xplane, expected] : cases) {
    rows += "100 20 " + std::to_string(xplane) +
            " 0 0 0 1 0 01 1.0 1.0 0 0 0 0 0 0 19 1.01 1.0 0 0 0 0 0 0\n";
  }
  LoadReport report;
  const std::vector<Airport> airports =
      ReadText("surfaces.dat", navdata_test::AptText(rows), report);
  ASSERT_EQ(airports.size(), 1u);
  ASSERT_EQ(airports[0].runways.size(), std::size(cases));
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(airports[0].runways[i].surface, cases[i].second) << "X-Plane " << cases[i].first;
  }
}

TEST(AptReader, PositionsAcrossTheDateLineStayThere) {
  LoadReport report;
  const std::vector<Airport> airports =
      ReadText("dateline.dat",
               navdata_test::AptText(
                   "1 0 0 0 XDLN Date Line\n"
                   "100 20 1 0 0 0 1 0 09 -16.0 179.99 0 0 0 0 0 0 27 -16.0 -179.99 0 0 0 0 0 0\n"),
               report);
  ASSERT_EQ(airports.size(), 1u);
  EXPECT_NEAR(std::abs(airports[0].position.longitude), 180.0, 1e-9);
  EXPECT_NEAR(airports[0].runways[0].trueHeading, 90.0, 0.01);
  EXPECT_NEAR(airports[0].runways[0].lengthMetres, 2140.0, 5.0);
}

TEST(AptReader, BadLinesAreSkippedCountedAndLocated) {
  const std::string text = navdata_test::AptText(
      "54 11990 TWR\n"                                        // line 4: before any airport
      "1 433 1 0 KAAA Good One\n"                             // 5
      "100 46 2 1 0 1 3 0 16L 47.4 -122.3 0 0 3 2 1 1 34R\n"  // 6: too few fields
      "100 46 2 1 0 1 3 0 16L 97.4 -122.3 0 0 3 2 1 1 34R 47.3 -122.3 0 0 3 8 1 0\n"  // 7
      "100 46 2 1 0 1 3 0 16L 47.4 -122.3 0 0 3 2 1 1 34R 47.3 -122.3 0 0 3 8 1 0\n"  // 8: good
      "53 abc GND\n"                     // 9: bad frequency
      "101 50 0 09 47.0\n"               // 10: water runway too short
      "1302 datum_lat north\n"           // 11
      "xyz 1 2 3\n"                      // 12: no row code
      "110 2 0.25 0 Taxiway\n"           // 13: not read, not counted
      "1 high 1 0 KBBB Bad Elevation\n"  // 14: bad header
      "100 46 2 1 0 1 3 0 16L 47.4 -122.3 0 0 3 2 1 1 34R 47.3 -122.3 0 0 3 8 1 0\n"  // 15
      "54 11990 TWR\n"                            // 16: of the bad airport
      "17 10 0 0 XHEL Nothing To Place\n"         // 17: no position
      "1 20 1 0 KCCC Next One\n"                  // 18
      "102 H1 47.0 -122.0 0 10 10 1 0 0 0 0\n");  // 19
  LoadReport report;
  const std::vector<Airport> airports = ReadText("bad.dat", text, report);
  ASSERT_EQ(airports.size(), 2u);
  EXPECT_EQ(airports[0].ident, "KAAA");
  EXPECT_EQ(airports[0].runways.size(), 1u);
  EXPECT_TRUE(airports[0].frequencies.empty());
  EXPECT_EQ(airports[1].ident, "KCCC");
  EXPECT_DOUBLE_EQ(airports[1].position.latitude, 47.0);

  const std::vector<std::size_t> expectedLines = {4, 6, 7, 9, 10, 11, 12, 14};
  EXPECT_EQ(report.SkippedLines(), expectedLines.size() + 1);  // and the unplaceable heliport
  ASSERT_EQ(report.FirstProblems().size(), LoadReport::kKeptProblems);
  for (std::size_t i = 0; i < expectedLines.size(); ++i) {
    EXPECT_EQ(report.FirstProblems()[i].line, expectedLines[i]) << report.FirstProblems()[i].reason;
    EXPECT_NE(report.FirstProblems()[i].file.find("bad.dat"), std::string::npos);
  }
  const std::string summary = report.Summary();
  EXPECT_NE(summary.find("bad.dat:6: land runway row: too few fields"), std::string::npos)
      << summary;
  EXPECT_NE(summary.find("bad.dat:14: airport header: bad elevation 'high'"), std::string::npos)
      << summary;
  EXPECT_NE(summary.find("... and 1 more problems"), std::string::npos) << summary;
}

TEST(AptReader, ValuesOutOfRangeAreBadLines) {
  const char* rows[] = {
      "100 inf 2 1 0 1 3 0 16L 47.4 -122.3 0 0 3 2 1 1 34R 47.3 -122.3 0 0 3 8 1 0",
      "100 -5 2 1 0 1 3 0 16L 47.4 -122.3 0 0 3 2 1 1 34R 47.3 -122.3 0 0 3 8 1 0",
      "100 46 2 1 0 1 3 0 16L 47.4 -180.5 0 0 3 2 1 1 34R 47.3 -122.3 0 0 3 8 1 0",
      "100 46 2 1 0 1 3 0 16L nan -122.3 0 0 3 2 1 1 34R 47.3 -122.3 0 0 3 8 1 0",
      "101 50 0 09 47.0 -122.0 27 -91.0 -122.0",
      "54 500000 TWR",  // 5 GHz in 10 kHz units
      "1054 0 TWR",
      "1054 5000000 TWR",  // 5 GHz in kHz
      "1302 datum_lon 200.0",
  };
  std::string text = "1 0 0 0 XRNG Ranges\n102 H1 1.0 2.0 0 10 10 1 0 0 0 0\n";
  for (const char* row : rows) text += std::string(row) + "\n";
  LoadReport report;
  const std::vector<Airport> airports =
      ReadText("ranges.dat", navdata_test::AptText(text, 1100), report);
  ASSERT_EQ(airports.size(), 1u);
  EXPECT_TRUE(airports[0].runways.empty());
  EXPECT_TRUE(airports[0].frequencies.empty());
  EXPECT_DOUBLE_EQ(airports[0].position.longitude, 2.0);
  EXPECT_EQ(report.SkippedLines(), std::size(rows)) << report.Summary();
}

TEST(AptReader, MissingEndRowIsNotedButTheDataKept) {
  LoadReport report;
  const std::vector<Airport> airports = ReadText(
      "noend.dat", "I\n1000 Version\n1 0 0 0 XEND End\n102 H1 1.0 2.0 0 10 10 1 0 0 0 0\n", report);
  EXPECT_EQ(airports.size(), 1u);
  EXPECT_EQ(report.SkippedLines(), 0u);
  ASSERT_EQ(report.ProblemCount(), 1u);
  EXPECT_NE(report.FirstProblems()[0].reason.find("closing 99 row"), std::string::npos);
}

TEST(AptReader, UnreadableHeadersAreErrors) {
  struct Case {
    const char* text;
    const char* message;
  };
  const Case cases[] = {
      {"", "the file is empty"},
      {"X\n1000 Version\n99\n", "line 1 is neither I nor A"},
      {"I\n", "the version line is missing"},
      {"I\nVersion 1000\n99\n", "does not start with a version number"},
      {"I\n850 Version\n99\n", "apt.dat version 850 is not supported (readable: 1000 to 1200)"},
      {"A\n1300 Version\n99\n", "version 1300 is not supported"},
  };
  for (const Case& c : cases) {
    const std::filesystem::path path = navdata_test::WritePlain("header.dat", c.text);
    LoadReport report;
    try {
      ReadAirports(path, report);
      ADD_FAILURE() << "no error for: " << c.text;
    } catch (const NavDataError& error) {
      EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << error.what();
    }
  }
}

TEST(AptReader, HookSeesTheLinesOfEachAirport) {
  LoadReport report;
  std::vector<std::string> seen;
  ReadAirports(
      navdata_test::WritePlain("hook.dat",
                               navdata_test::AptText("1 5 0 0 XONE One\r\n"
                                                     "110 2 0.25 0 Taxiway\n"
                                                     "102 H1 1.0 2.0 0 10 10 1 0 0 0 0\n"
                                                     "54 bad TWR\n"
                                                     "1 0 0 0 XTWO Two\n")),
      report, [&](const Airport& airport, const std::vector<std::string>& lines) {
        seen.push_back(airport.ident + ":" + std::to_string(lines.size()) + ":" + lines.front());
      });
  // XTWO has nothing to place it by; XONE keeps its header and helipad only.
  EXPECT_EQ(seen, (std::vector<std::string>{"XONE:2:1 5 0 0 XONE One"}));
}

}  // namespace
