// Runs a bench script: one command per line that sets up the GPS module, the
// settings file and the aircraft, loads the module, runs frames, clicks
// buttons, prints what the display shows and checks expectations.
#pragma once

#include <filesystem>
#include <istream>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "sim/gps/scripted_gps.h"
#include "sim/host/aircraft.h"
#include "sim/host/panel.h"
#include "sim/navdata/world.h"
#include "sim/worldgps/world_gps.h"

namespace bench {

// Exit statuses of a run.
inline constexpr int kAllHeld = 0;
inline constexpr int kExpectationFailed = 1;
inline constexpr int kBadScript = 2;

class ScriptRunner {
 public:
  // The navigation data: an apt.dat and a nav.dat, each plain or gzipped.
  struct WorldFiles {
    std::filesystem::path apt;
    std::filesystem::path nav;
    // Each file gzipped or plain in the folder, the navaids as nav.dat or as
    // X-Plane's earth_nav.dat; the gzipped names when none is there.
    static WorldFiles InFolder(const std::filesystem::path& folder);
    bool Exist() const;
  };

  // Where a script comes from: its name in messages ("flight.skb:12: ..."),
  // none for a script of the bench's own, whose faults are reported bare;
  // relative paths in it resolve against its folder.
  struct Source {
    std::string name;
    std::filesystem::path folder = ".";
    // A person typing at the bench keeps the session after a faulty line;
    // the run still ends with kBadScript.
    bool goOnAfterFaults = false;
  };

  // out receives what the commands print and the FAIL lines; err the reason
  // a script stops.
  // `builtin` is what `world builtin` (the default) reads.
  ScriptRunner(std::filesystem::path module_file, WorldFiles builtin, std::ostream& out,
               std::ostream& err);
  ~ScriptRunner();

  // Runs every line as it comes, flushing what each command printed; stops at
  // the first line that is not a command or cannot run (kBadScript), unless
  // the source goes on after faults. Texts
  // are UTF-8; a byte-order mark is skipped.
  int Run(std::istream& script, const Source& source);
  // A script of the bench's own.
  int Run(std::istream& script);

  // `screen`, `keys`, `tooltip`, `aircraft?` and `flightplan` print one JSON
  // object a line.
  void PrintJson(bool json) { json_ = json; }

  // "12 expectations held, 0 failed": every run so far.
  std::string Summary() const;

  // The panel after `load` (null before).
  sim::Panel* LoadedPanel() { return panel_.get(); }
  // The world and its GPS module after a `load` with `gps world` (null otherwise).
  const sim::navdata::World* LoadedWorld() const { return world_.get(); }
  const sim::WorldGps* LoadedWorldGps() const { return worldGps_.get(); }

  // Runs frames, keeping the aircraft's magnetic variation at the world's
  // estimate for where it flies unless `magvar` fixed it.
  void RunFrames(long frames);

  // Both faces after `load`, side by side, enlarged by scale (1 to 16), as a
  // PNG. Throws std::runtime_error when the file cannot be written.
  void WritePicture(const std::filesystem::path& file, int scale);

 private:
  struct Line;
  void Execute(const Line& line);
  void Load(const std::string& icon_parameter);
  void Click(const Line& line);
  sim::Gauge& Gps();
  sim::Panel& LoadedOrThrow(const Line& line);
  void Fail(const Line& line, const std::string& what);
  void Held() { ++held_; }
  std::string Located(int line_number) const;
  std::filesystem::path ScriptPath(const std::string& word) const;
  void PrintKeys();
  void PrintAircraft();
  std::string SettingsText() const;
  void PrintScreen();
  void PrintFlightPlan();
  void FollowVariation();

  std::filesystem::path moduleFile_;
  std::ostream& out_;
  std::ostream& err_;
  enum class GpsKind { kAbsent, kScripted, kWorld } gpsKind_ = GpsKind::kWorld;
  sim::ScriptedGps gps_;
  WorldFiles builtin_;
  WorldFiles worldFiles_;  // read at `load` with gps world
  std::unique_ptr<sim::navdata::World> world_;
  std::unique_ptr<sim::WorldGps> worldGps_;
  std::optional<double> fixedVariation_;
  // section -> key -> value, in the order first written.
  std::vector<std::pair<std::string, std::vector<std::pair<std::string, std::string>>>> settings_;
  sim::Aircraft aircraft_;  // until the load
  std::unique_ptr<sim::Panel> panel_;
  std::size_t keysShown_ = 0;  // key events printed by `keys` so far
  Source source_;
  bool json_ = false;
  int held_ = 0;
  int failed_ = 0;
};

}  // namespace bench
