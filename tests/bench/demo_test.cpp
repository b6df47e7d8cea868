#include "sim/bench/demo.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "tests/bench/bench_fixture.h"

namespace bench_test {
namespace {

std::string ReadFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST_F(BenchTest, TheDemoFliesToSeattleAndWritesEveryPicture) {
  bench::DemoOptions options;
  options.moduleFile = SKELBOR_MODULE_FILE;
  options.world = bench::ScriptRunner::WorldFiles::InFolder(WORLD_DATA_DIR);
  options.outFolder = folder_ / "out";
  options.scale = 1;
  std::ostringstream out;
  const auto started = std::chrono::steady_clock::now();
  const bench::DemoOutcome outcome = bench::RunDemo(options, out, nullptr);
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(60));
  const std::string text = out.str();

  // Steering ended within 2 NM of the field, the track ends there.
  ASSERT_FALSE(outcome.track.empty());
  const sim::navdata::GeoPoint seattle{47.45019, -122.31232};  // the bundled datum
  const double end_nm = sim::navdata::GreatCircleMetres(outcome.track.back(), seattle) /
                        sim::navdata::kMetresPerNauticalMile;
  EXPECT_LT(end_nm, 2.0);
  EXPECT_GT(end_nm, 1.0);
  const double start_nm = sim::navdata::GreatCircleMetres(outcome.track.front(), seattle) /
                          sim::navdata::kMetresPerNauticalMile;
  EXPECT_NEAR(start_nm, 30.0, 1.0);
  EXPECT_EQ(outcome.track.size(), static_cast<std::size_t>(outcome.flightSeconds) + 1);

  // Every page was shown with what makes it: the VOR and NDB, the
  // frequencies, the runway's ILS and the stored airport.
  for (const char* shown :
       {"Airport: Seattle Tacoma Intl", "KSEA: Seattle Tacoma Intl", "VOR: 116.800 MHz ID: SEA",
        "ID: RNT", "Name: ATIS", "ISNQ 16L 110.30", "| KSEA ____ ____"}) {
    EXPECT_NE(text.find(shown), std::string::npos) << shown << "\n" << text;
  }

  // The pictures and the log are where the demo says it wrote them.
  ASSERT_GE(outcome.files.size(), 10u);
  int pictures = 0;
  for (const std::filesystem::path& file : outcome.files) {
    EXPECT_EQ(file.parent_path(), options.outFolder);
    const std::string bytes = ReadFile(file);
    if (file.extension() == ".png") {
      ++pictures;
      EXPECT_EQ(bytes.substr(1, 3), "PNG") << file;
    }
    EXPECT_NE(text.find(file.string()), std::string::npos) << file;
  }
  EXPECT_GE(pictures, 9);

  // One log line a simulated minute from ACT on, then the end of steering.
  std::istringstream log(ReadFile(options.outFolder / "flight.log"));
  std::string line;
  std::vector<std::string> lines;
  while (std::getline(log, line)) lines.push_back(line);
  ASSERT_EQ(lines.size(), static_cast<std::size_t>(outcome.flightSeconds) / 60 + 2);
  EXPECT_EQ(lines[1].rfind("01:00  KSEA  dist ", 0), 0u) << lines[1];
  EXPECT_NE(lines[1].find("heading selected "), std::string::npos) << lines[1];
  EXPECT_NE(lines.back().find("steering ended"), std::string::npos) << lines.back();
}

int ExitStatusOf(const std::string& command) {
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(BenchTest, TheDemoFliesWhereItIsToldAndWritesTheTrackForOtherPrograms) {
  bench::DemoOptions options;
  options.moduleFile = SKELBOR_MODULE_FILE;
  options.world = bench::ScriptRunner::WorldFiles::InFolder(WORLD_DATA_DIR);
  options.outFolder = folder_ / "to portland";  // a blank in the path
  options.scale = 1;
  options.airport = "KPDX";
  options.startNm = 12.0;
  options.startBearing = 90.0;  // east of the field
  options.windFrom = 0.0;
  options.windKnots = 0.0;
  std::ostringstream out;
  const bench::DemoOutcome outcome = bench::RunDemo(options, out, nullptr);
  const sim::navdata::GeoPoint portland{45.58872, -122.5975};
  const auto nm_from_portland = [&](sim::navdata::GeoPoint point) {
    return sim::navdata::GreatCircleMetres(point, portland) / sim::navdata::kMetresPerNauticalMile;
  };
  EXPECT_NEAR(nm_from_portland(outcome.track.front()), 12.0, 0.2);
  EXPECT_GT(outcome.track.front().longitude, portland.longitude);
  EXPECT_LT(nm_from_portland(outcome.track.back()), 2.0);
  EXPECT_NE(out.str().find("12.0 NM from KPDX on a true bearing of 090"), std::string::npos);

  // The CSV: a header and a row a second, ending where steering ended.
  std::istringstream csv(ReadFile(options.outFolder / "flight.csv"));
  std::string line;
  std::vector<std::string> rows;
  while (std::getline(csv, line)) rows.push_back(line);
  ASSERT_EQ(rows.size(), outcome.samples.size() + 1);
  EXPECT_EQ(rows.front().rfind("seconds,latitude,longitude,", 0), 0u);
  EXPECT_EQ(rows[1].rfind("0,", 0), 0u) << rows[1];
  EXPECT_EQ(rows.back().back(), '0') << "the heading hold is off at the end: " << rows.back();
  EXPECT_EQ(rows[2].back(), '1') << rows[2];

  // The GPX: the airport and the start as waypoints, a point a second.
  const std::string gpx = ReadFile(options.outFolder / "flight.gpx");
  EXPECT_EQ(gpx.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<gpx version=\"1.1\"", 0), 0u);
  EXPECT_NE(gpx.find("<name>KPDX PORTLAND INTL</name>"), std::string::npos) << gpx.substr(0, 400);
  std::size_t points = 0;
  for (std::size_t at = gpx.find("<trkpt "); at != std::string::npos;
       at = gpx.find("<trkpt ", at + 1))
    ++points;
  EXPECT_EQ(points, outcome.samples.size());
  EXPECT_NE(gpx.find("<time>2000-01-01T12:01:00Z</time>"), std::string::npos);
  EXPECT_NE(gpx.find("</trkseg></trk>\n</gpx>\n"), std::string::npos);
}

TEST_F(BenchTest, TheDemoRefusesBadArgumentsClearly) {
  const std::string demo = std::string(SKELBOR_BENCH_FILE) + " demo ";
  std::ofstream(folder_ / "taken") << "a file where the folder should be";
  EXPECT_EQ(ExitStatusOf(demo + "--out taken > out.txt 2> err.txt"), 1);
  EXPECT_NE(ReadFile("err.txt").find("cannot make the folder taken: "), std::string::npos)
      << ReadFile("err.txt");
  // A world without the demo's airport fails with the reason, nothing flown.
  std::ofstream(folder_ / "apt.dat") << "I\n1000 Version\n\n99\n";
  std::ofstream(folder_ / "nav.dat") << "I\n810 Version\n99\n";
  EXPECT_EQ(ExitStatusOf(demo + "--out out --world " + folder_.string() + " > out.txt 2> err.txt"),
            1);
  EXPECT_NE(ReadFile("err.txt").find("has no KSEA"), std::string::npos) << ReadFile("err.txt");
}

}  // namespace
}  // namespace bench_test
