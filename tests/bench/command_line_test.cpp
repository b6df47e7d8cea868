// skelbor-bench as people and programs use it: its arguments, a script piped
// in one command at a time, the conventions of script files, JSON output and
// the reasons a module cannot load.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/bench/bench_fixture.h"
#include "tests/bench/bench_process.h"

namespace bench_test {
namespace {

namespace fs = std::filesystem;

struct Outcome {
  int status;
  std::string out;
  std::string err;
};

Outcome Bench(std::vector<std::string> arguments, const std::string& input = "") {
  arguments.insert(arguments.begin(), SKELBOR_BENCH_FILE);
  BenchProcess bench(arguments);
  bench.Send(input);
  Outcome outcome{};
  outcome.status = bench.Finish(&outcome.out, &outcome.err);
  return outcome;
}

TEST_F(BenchTest, ArgumentsAreParsedAndEveryWrongOneIsNamed) {
  struct Case {
    std::vector<std::string> arguments;
    int status;
    std::string said;  // on stdout for status 0, on stderr otherwise
  };
  fs::create_directories("empty");
  const std::vector<Case> cases = {
      {{"--help"}, 0, "Usage: skelbor-bench [OPTIONS] SUBCOMMAND"},
      {{"-h"}, 0, "demo"},
      {{"--version"}, 0, std::string("skelbor-bench ") + SKELBOR_VERSION + "\n"},
      {{"demo", "--help"}, 0, "--airport ICAO"},
      {{"demo", "--airport", "ksea", "--out", "lower case"}, 0, "default airport KSEA"},
      {{"run", "--help"}, 0, "--json"},
      {{}, 2, "A subcommand is required"},
      {{"fly"}, 2, "\"fly\" is not a command (demo, run, serve)"},
      {{"demo", "--bogus"}, 2, "--bogus"},
      {{"demo", "--out"}, 2, "--out"},
      {{"demo", "--start", "30"}, 2, "--start: \"30\" is not NM/BEARING"},
      {{"demo", "--wind", "300/-5"}, 2, "--wind: \"300/-5\" is not FROM/KNOTS"},
      {{"demo", "--airport", "SEATTLE"}, 2, "--airport: \"SEATTLE\" is not an airport ident"},
      {{"demo", "--world", "empty"}, 2, "--world: no apt.dat(.gz) and nav.dat(.gz)"},
      {{"run"}, 2, "SCRIPT is required"},
      {{"run", "a.skb", "b.skb"}, 2, "b.skb"},
      {{"run", "missing.skb"}, 2, "cannot read missing.skb"},
  };
  for (const Case& c : cases) {
    const Outcome outcome = Bench(c.arguments);
    std::string command;
    for (const std::string& argument : c.arguments) command += " " + argument;
    EXPECT_EQ(outcome.status, c.status) << command << "\n" << outcome.err;
    const std::string& said = c.status == 0 ? outcome.out : outcome.err;
    EXPECT_NE(said.find(c.said), std::string::npos) << command << "\n" << said;
    EXPECT_EQ(c.status == 0 ? outcome.err : outcome.out, "") << command;
  }
}

TEST_F(BenchTest, RunFromStandardInputAnswersEachCommandAsItComes) {
  BenchProcess bench({SKELBOR_BENCH_FILE, "run", "-"});
  // Each answer must come before the next command is sent: a bench that
  // buffered its output would leave the test waiting here.
  bench.Send(kSeattle);
  bench.Send("tooltip PAGE\n");
  EXPECT_EQ(bench.ReadLine(), "Next Page");
  bench.Send("geticao\n");
  EXPECT_EQ(bench.ReadLine(), "A      KSEA");
  bench.Send("click CLOSE\nkeys\n");
  EXPECT_EQ(bench.ReadLine(), "0x103CA\tPANEL_ID_TOGGLE\t225");
  bench.Send("expect airportCity Nowhere\n");
  const auto fail = bench.ReadLine();
  ASSERT_TRUE(fail.has_value());
  EXPECT_EQ(fail->rfind("FAIL stdin:18: expect airportCity Nowhere: shows ", 0), 0u) << *fail;
  bench.Send("click ACT\nexpect-key AUTOPILOT_ON 0\n");
  // A typing error is reported, and the session goes on.
  bench.Send("clikc PAGE\n");
  bench.Send("geticao\n");
  EXPECT_EQ(bench.ReadLine(), "A      KSEA");
  std::string out;
  std::string err;
  EXPECT_EQ(bench.Finish(&out, &err), 2);
  EXPECT_NE(err.find("stdin:21: \"clikc\" is not a command\n"), std::string::npos) << err;
  EXPECT_NE(err.find("1 expectation held, 1 failed\n"), std::string::npos) << err;
}

TEST_F(BenchTest, AScriptFileIsReadAsItsAuthorMeantIt) {
  // A BOM, Windows line ends, paths beside the script, messages naming it.
  fs::create_directories("flights/data");
  fs::copy_file(fs::path(WORLD_DATA_DIR) / "apt.dat.gz", "flights/data/apt.dat.gz");
  fs::copy_file(fs::path(WORLD_DATA_DIR) / "nav.dat.gz", "flights/data/earth_nav.dat.gz");
  std::ofstream("flights/flight.skb", std::ios::binary)
      << "\xEF\xBB\xBFworld data/apt.dat.gz data/earth_nav.dat.gz\r\n"
         "setting Default DefaultICAO KSEA\r\n"
         "load\r\n"
         "seconds 2\r\n"
         "expect airportName  Seattle Tacoma Intl\r\n"
         "expect-color airportIdentChar0 00ffff\r\n"
         "png face.png\r\n"
         "expect airportName  Somewhere Else\r\n";
  const Outcome outcome = Bench({"run", "flights/flight.skb"});
  EXPECT_EQ(outcome.status, 1) << outcome.err;
  EXPECT_TRUE(fs::is_regular_file("flights/face.png"));
  EXPECT_FALSE(fs::exists("face.png"));
  EXPECT_NE(outcome.out.find("FAIL flights/flight.skb:8: expect airportName  Somewhere Else: "),
            std::string::npos)
      << outcome.out;
  EXPECT_EQ(outcome.err, "2 expectations held, 1 failed\n");

  std::ofstream("flights/broken.skb") << "load\nframes many\n";
  const Outcome broken = Bench({"run", "flights/broken.skb"});
  EXPECT_EQ(broken.status, 2);
  EXPECT_EQ(broken.err.rfind("flights/broken.skb:2: \"many\" is not a whole number", 0), 0u)
      << broken.err;
}

TEST_F(BenchTest, JsonLinesForPrograms) {
  const Outcome outcome = Bench({"run", "--json", "-"}, std::string(kSeattle) +
                                                            "tooltip PAGE\n"
                                                            "tooltip CLOSE\n"
                                                            "click CLOSE\n"
                                                            "keys\n"
                                                            "aircraft?\n"
                                                            "screen\n");
  ASSERT_EQ(outcome.status, 0) << outcome.err;
  std::istringstream lines(outcome.out);
  std::string line;
  std::vector<std::string> all;
  while (std::getline(lines, line)) {
    EXPECT_TRUE(line.starts_with("{") && line.ends_with("}")) << line;
    all.push_back(line);
  }
  ASSERT_GE(all.size(), 6u);
  EXPECT_EQ(all[0], R"({"button":"PAGE","tooltip":"Next Page"})");
  EXPECT_EQ(all[1], R"({"button":"CLOSE","helpId":43911})");
  EXPECT_EQ(all[2], R"({"id":"0x103CA","name":"PANEL_ID_TOGGLE","value":225})");
  EXPECT_EQ(all[3].rfind(R"({"lat":47.00)", 0), 0u) << all[3];
  EXPECT_TRUE(all[3].ends_with(R"(,"heading":0.0,"track":0.0,"groundspeedKnots":120.0})"))
      << all[3];
  EXPECT_NE(
      outcome.out.find(R"({"element":"airportCity","color":"ffffff","text":"  City: Seattle"})"),
      std::string::npos)
      << outcome.out;
  EXPECT_EQ(all.back(), R"({"element":"steeringIndicator","icon":0})");

  const Outcome plan = Bench({"run", "--json", "-"}, "load\nflightplan\n");
  EXPECT_EQ(plan.out, "{\"directTo\":null}\n") << plan.err;
}

TEST_F(BenchTest, AModuleThatCannotLoadIsNamedWithTheReasonAndLeavesNothingBehind) {
  std::ofstream("windows.gau", std::ios::binary) << "MZ\x90" << std::string(200, '\0');
  fs::create_directories("alone");
  fs::copy_file(SKELBOR_MODULE_FILE, "alone/skelbor.gau");
  std::ofstream("text.gau") << "not a module at all\n";
  struct Case {
    std::string module;
    std::string reason;
  };
  // The bench gets a temporary folder of its own: other programs' leftovers in
  // the shared one (a process killed elsewhere, a reused process id) are not its.
  const fs::path scratch = fs::absolute("tmp");
  fs::create_directories(scratch);
  const char* shared = std::getenv("TMPDIR");
  const std::string restore = shared != nullptr ? shared : "";
  setenv("TMPDIR", scratch.c_str(), 1);
  for (const Case& c : std::vector<Case>{
           {"windows.gau", "windows.gau: a Windows DLL: the bench loads the native build"},
           {"alone/skelbor.gau", "alone/skelbor.gau: 256.bmp must be beside the module"},
           {"missing.gau", "missing.gau: no such file"},
           {"text.gau", "text.gau: not a shared object"},
       }) {
    BenchProcess bench({SKELBOR_BENCH_FILE, "run", "--module", c.module, "-"});
    bench.Send("load\n");
    std::string err;
    EXPECT_EQ(bench.Finish(nullptr, &err), 2) << c.module;
    EXPECT_NE(err.find("stdin:1: cannot load the module " + c.reason), std::string::npos) << err;
    for (const auto& entry : fs::directory_iterator(scratch)) ADD_FAILURE() << entry.path();
  }
  if (shared != nullptr)
    setenv("TMPDIR", restore.c_str(), 1);
  else
    unsetenv("TMPDIR");
}

TEST_F(BenchTest, TheNavaidsMayBeNamedAsXPlaneNamesThem) {
  struct Case {
    std::vector<std::string> files;
    std::string apt;
    std::string nav;
  };
  const std::vector<Case> cases = {
      {{"apt.dat", "nav.dat"}, "apt.dat", "nav.dat"},
      {{"apt.dat.gz", "nav.dat.gz", "nav.dat"}, "apt.dat.gz", "nav.dat.gz"},
      {{"apt.dat", "earth_nav.dat"}, "apt.dat", "earth_nav.dat"},
      {{"apt.dat.gz", "earth_nav.dat.gz"}, "apt.dat.gz", "earth_nav.dat.gz"},
      {{"apt.dat", "nav.dat", "earth_nav.dat"}, "apt.dat", "nav.dat"},
  };
  for (const Case& c : cases) {
    fs::remove_all("world");
    fs::create_directories("world");
    for (const std::string& file : c.files) std::ofstream("world/" + file) << "x";
    const auto world = bench::ScriptRunner::WorldFiles::InFolder("world");
    EXPECT_TRUE(world.Exist());
    EXPECT_EQ(world.apt.filename(), c.apt);
    EXPECT_EQ(world.nav.filename(), c.nav);
  }
  fs::remove("world/apt.dat");
  EXPECT_FALSE(bench::ScriptRunner::WorldFiles::InFolder("world").Exist());
}

}  // namespace
}  // namespace bench_test
