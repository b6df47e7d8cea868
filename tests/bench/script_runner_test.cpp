#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "tests/bench/bench_fixture.h"

namespace bench_test {
namespace {

TEST_F(BenchTest, ExampleScriptsHoldTheirExpectations) {
  int scripts = 0;
  for (const auto& entry : std::filesystem::directory_iterator(BENCH_EXAMPLES_DIR)) {
    if (entry.path().extension() != ".skb") continue;
    ++scripts;
    std::ifstream file(entry.path());
    std::stringstream text;
    text << file.rdbuf();
    EXPECT_EQ(Run(text.str()), bench::kAllHeld) << entry.path() << "\n" << out_.str() << err_.str();
    EXPECT_EQ(out_.str().find("FAIL"), std::string::npos) << entry.path();
  }
  EXPECT_GE(scripts, 2);
  EXPECT_TRUE(std::filesystem::exists(folder_ / "scripted_airport.png"));
}

TEST_F(BenchTest, FaultyLinesStopTheRunWithTheirNumber) {
  struct Case {
    std::string script;
    int line;
    std::string reason;
  };
  const std::vector<Case> cases = {
      {"# comment\n\nfly away\n", 3, "\"fly\" is not a command"},
      {"world moon\n", 1, "usage: world"},
      {"world nowhere.dat nav.dat\n", 1, "no navigation data file \"nowhere.dat\""},
      {"load\nworld builtin\n", 2, "before load"},
      {"world cut.dat cut.dat\nload\n", 2, "the navigation data: "},
      {"gps scripted\nload\nflightplan\n", 3, "keeps no flight plan"},
      {"aircraft 95 0 0 100\n", 1, "-90 to 90 degrees latitude"},
      {"aircraft 47 -122 0 -1\n", 1, "knots from 0 to 2000"},
      {"wind 270 -5\n", 1, "wind knots from 0 to 500"},
      {"gps sideways\n", 1, "usage: gps"},
      {"gpsset FacilityValid 1\n", 1, "needs gps scripted"},
      {"gps scripted\ngpsset FacilityValid one\n", 2, "\"one\" is not a number"},
      {"aircraft 47 -122 0\n", 1, "usage: aircraft"},
      {"units 3\n", 1, "from 0 to 2"},
      {"frames 3\n", 1, "needs the module loaded first"},
      {"load\nsetting Default DefaultICAO KSEA\n", 2, "before load"},
      {"load\ngps absent\n", 2, "before load"},
      {"load\nload\n", 2, "loaded already"},
      {"load\nframes -1\n", 2, "not a whole number"},
      {"load\nclick HELP\n", 2, "unknown button \"HELP\""},
      {"load\nclick PAGE right hold 3\n", 2, "only the left button"},
      {"load\nclick PAGE twice\n", 2, "usage: click"},
      {"load\nexpect airportColour KSEA\n", 2, "no element \"airportColour\""},
      {"load\nexpect-color airportCity white\n", 2, "not a colour"},
      {"load\nexpect-key 103CA 225\n", 2, "not a key event id"},
      {"load\npng out.png 0\n", 2, "from 1 to 16"},
  };
  std::ofstream("cut.dat") << "not navigation data\n";
  for (const Case& c : cases) {
    EXPECT_EQ(Run(c.script), bench::kBadScript) << c.script;
    const std::string err = err_.str();
    EXPECT_EQ(err.rfind("test.skb:" + std::to_string(c.line) + ": ", 0), 0u) << c.script << err;
    EXPECT_NE(err.find(c.reason), std::string::npos) << c.script << err;
  }
}

TEST_F(BenchTest, FailedExpectationsAreEachReportedAndTheRunGoesOn) {
  const std::string script =
      std::string(kSeattle) +
      "expect airportName Seattle-Tacoma Intl\n"  // 14: the text has a leading blank
      "hidden airportCity\n"                      // 15
      "expect-color airportIdentChar0 ffffff\n"   // 16
      "expect detailsIdent KSEA:\n"               // 17
      "expect-key 0x10100 0\n"                    // 18
      "expect steeringIndicator 1\n"              // 19
      "expect airportName  Seattle-Tacoma Intl\n"
      "expect-color airportIdentChar0 00FFFF\n"
      "geticao\n";
  EXPECT_EQ(Run(script), bench::kExpectationFailed) << err_.str();
  const std::string out = out_.str();
  for (const char* fail :
       {"FAIL test.skb:14: expect airportName Seattle-Tacoma Intl: shows \" Seattle-Tacoma "
        "Intl\"\n",
        "FAIL test.skb:15: hidden airportCity: shown with \"  City: Seattle\"\n",
        "FAIL test.skb:16: expect-color airportIdentChar0 ffffff: drawn in 00ffff\n",
        "FAIL test.skb:17: expect detailsIdent KSEA:: hidden\n",
        "FAIL test.skb:18: expect-key 0x10100 0: no key events since the last `keys`\n",
        "FAIL test.skb:19: expect steeringIndicator 1: shows 0\n"}) {
    EXPECT_NE(out.find(fail), std::string::npos) << fail << "\n" << out;
  }
  EXPECT_EQ(out.find("FAIL test.skb:2"), std::string::npos) << out;
  EXPECT_NE(out.find("A      KSEA\n"), std::string::npos) << out;  // the run went on
}

TEST_F(BenchTest, ScreenKeysAndSettingsPrintAsUtf8) {
  const std::string script =
      "gps scripted\n"
      "gpstext IcaoSearchCurrentIcao A      LFPG\n"
      "gpsset FacilityValid 1\n"
      "gpstext WaypointAirportIdent LFPG\n"
      "gpstext WaypointAirportCity Orléans\n"
      "setting UserWaypoints 1234 Café\n"
      "aircraft 49.0 2.5 0 0\n"
      "load 7\n"
      "frames 3\n"
      "screen\n"
      "click CLOSE\n"
      "keys\n"
      "keys\n"
      "click ICON\n"
      "expect-key 0x103CA 7\n"
      "keys\n"
      "ini\n";
  EXPECT_EQ(Run(script), bench::kAllHeld) << out_.str() << err_.str();
  const std::string out = out_.str();
  EXPECT_NE(out.find("airportCity\tffffff\t  City: Orléans\n"), std::string::npos) << out;
  EXPECT_NE(out.find("airportTrack\tffffff\t0.0°\n"), std::string::npos) << out;
  EXPECT_NE(out.find("steeringIndicator\t0\n"), std::string::npos) << out;
  // The close box and the icon toggle window 7; each event printed once.
  EXPECT_NE(out.find("0x103CA\tPANEL_ID_TOGGLE\t7\n0x103CA\tPANEL_ID_TOGGLE\t7\n[UserWaypoints]"),
            std::string::npos)
      << out;
  EXPECT_NE(out.find("1234=Café\n"), std::string::npos) << out;
}

TEST_F(BenchTest, TheWorldFliesTheWindAndAFixedVariationHoldsEverywhere) {
  const std::string setup =
      "setting Default DefaultICAO KSEA\n"
      "aircraft 47.1 -122.7 0 100\n"
      "wind 270 20\n";
  const std::string pages =
      "load\n"
      "seconds 2\n"
      "aircraft?\n"
      "flightplan\n"
      "click ACT right\n"
      "flightplan\n"
      "click PAGE\n"
      "frames 3\n";
  // Heading north, the wind from the west: the track drifts right.
  ASSERT_EQ(Run(setup + "magvar -12.5\n" + pages + "expect detailsMagVar -12.5°\n"),
            bench::kAllHeld)
      << out_.str() << err_.str();
  const std::string out = out_.str();
  EXPECT_NE(out.find("heading 0.0 track 11.3 groundspeed 102.0 kt\n"), std::string::npos) << out;
  EXPECT_NE(out.find("no direct-to destination\ndirect to KSEA Seattle Tacoma Intl at 47.45"),
            std::string::npos)
      << out;
  EXPECT_EQ(runner_->LoadedPanel()->AircraftState().magneticVariation, -12.5);

  // Without magvar the aircraft carries the world's estimate where it flies.
  ASSERT_EQ(Run(setup + pages + "seconds 60\n"), bench::kAllHeld) << err_.str();
  const sim::Aircraft& aircraft = runner_->LoadedPanel()->AircraftState();
  const double estimate =
      runner_->LoadedWorld()->MagneticVariationAt({aircraft.latitude, aircraft.longitude});
  EXPECT_NE(estimate, 0.0);
  EXPECT_EQ(aircraft.magneticVariation, estimate);
  EXPECT_EQ(runner_->LoadedWorldGps()->DirectToDestination(), "A      KSEA");
}

int ExitStatusOf(const std::string& command) {
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(BenchTest, TheCommandLineExitsWithTheRunsStatus) {
  const std::string bench = std::string(SKELBOR_BENCH_FILE) + " run ";
  {
    std::ofstream failing("failing.skb");
    failing << "load\nexpect airportCity Nowhere\n";
  }
  EXPECT_EQ(ExitStatusOf(bench + "failing.skb > out.txt 2>&1"), 1);
  EXPECT_EQ(ExitStatusOf(bench + "missing.skb 2> err.txt"), 2);
  std::ifstream err("err.txt");
  std::string message;
  std::getline(err, message);
  EXPECT_NE(message.find("cannot read missing.skb"), std::string::npos) << message;
  EXPECT_EQ(ExitStatusOf(bench + std::string(BENCH_EXAMPLES_DIR) + "/no_gps_module.skb > out.txt"),
            0);
  EXPECT_EQ(ExitStatusOf(std::string(SKELBOR_BENCH_FILE) + " fly 2> err.txt"), 2);
}

}  // namespace
}  // namespace bench_test
