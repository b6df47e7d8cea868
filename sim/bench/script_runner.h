// Runs a bench script: one command per line that sets up the GPS module, the
// settings file and the aircraft, loads the module, runs frames, clicks
// buttons, prints what the display shows and checks expectations.
#pragma once

#include <filesystem>
#include <istream>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "sim/gps/scripted_gps.h"
#include "sim/host/aircraft.h"
#include "sim/host/panel.h"

namespace bench {

// Exit statuses of a run.
inline constexpr int kAllHeld = 0;
inline constexpr int kExpectationFailed = 1;
inline constexpr int kBadScript = 2;

class ScriptRunner {
 public:
  // out receives what the commands print and the FAIL lines; err the reason
  // a script stops.
  ScriptRunner(std::filesystem::path module_file, std::ostream& out, std::ostream& err);
  ~ScriptRunner();

  // Runs every line; stops at the first line that is not a command or cannot
  // run (kBadScript). Texts are UTF-8.
  int Run(std::istream& script);

  // The panel after `load` (null before).
  sim::Panel* LoadedPanel() { return panel_.get(); }

 private:
  struct Line;
  void Execute(const Line& line);
  void Load(const std::string& icon_parameter);
  void Click(const Line& line);
  sim::Gauge& Gps();
  sim::Panel& LoadedOrThrow(const Line& line);
  void Fail(const Line& line, const std::string& what);
  std::string SettingsText() const;
  void PrintScreen();
  void WritePicture(const std::string& file, int scale);

  std::filesystem::path moduleFile_;
  std::ostream& out_;
  std::ostream& err_;
  enum class GpsKind { kAbsent, kScripted } gpsKind_ = GpsKind::kAbsent;
  sim::ScriptedGps gps_;
  // section -> key -> value, in the order first written.
  std::vector<std::pair<std::string, std::vector<std::pair<std::string, std::string>>>> settings_;
  sim::Aircraft aircraft_;  // until the load
  double windFrom_ = 0.0;   // kept for the flight model
  double windKnots_ = 0.0;
  std::unique_ptr<sim::Panel> panel_;
  std::size_t keysShown_ = 0;  // key events printed by `keys` so far
  bool failed_ = false;
};

}  // namespace bench
