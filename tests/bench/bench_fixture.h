// Runs bench scripts in a folder of their own, so that the pictures they
// write land there, and keeps what they printed.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "sim/bench/script_runner.h"

namespace bench_test {

class BenchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = std::filesystem::current_path();
    // One folder per process and case: other builds may run these at once.
    folder_ = std::filesystem::temp_directory_path() /
              ("skelbor-bench-test-" + std::to_string(getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
    std::filesystem::current_path(folder_);
  }
  void TearDown() override {
    runner_.reset();
    std::filesystem::current_path(previous_);
    std::filesystem::remove_all(folder_);
  }

  // Runs the script; the runner (and its panel) stays for inspection.
  int Run(const std::string& script) {
    out_.str("");
    err_.str("");
    runner_ = std::make_unique<bench::ScriptRunner>(
        SKELBOR_MODULE_FILE, bench::ScriptRunner::WorldFiles::InFolder(WORLD_DATA_DIR), out_, err_);
    std::istringstream in(script);
    return runner_->Run(in, {"test.skb", folder_});
  }

  std::filesystem::path folder_;
  std::filesystem::path previous_;
  std::ostringstream out_;
  std::ostringstream err_;
  std::unique_ptr<bench::ScriptRunner> runner_;
};

// A scripted GPS module that describes KSEA, the aircraft south-east of it.
inline constexpr const char* kSeattle =
    "gps scripted\n"
    "gpstext IcaoSearchCurrentIcao A      KSEA\n"
    "gpsset FacilityValid 1\n"
    "gpstext FacilityIdent KSEA\n"
    "gpstext WaypointAirportIdent KSEA\n"
    "gpstext WaypointAirportCity Seattle\n"
    "gpstext WaypointAirportName Seattle-Tacoma Intl\n"
    "gpsset FacilityLatitude 47.449\n"
    "gpsset FacilityLongitude -122.309\n"
    "setting Default DefaultICAO KSEA\n"
    "aircraft 47.0 -122.0 0 120\n"
    "load\n"
    "seconds 2\n";

}  // namespace bench_test
