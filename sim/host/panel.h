// The substitute simulator's panel: loads the module as the simulator does,
// offers the panel services, keeps the aircraft, the clock, the panel windows
// and the key events, creates gauges and runs frames.
//
// The panel services are plain function pointers without context, so one
// Panel at a time is the current one of the process.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "sdk/gauges.h"
#include "sim/gps/gps_module.h"
#include "sim/host/aircraft.h"
#include "sim/host/gauge.h"
#include "sim/host/gps_bridge.h"
#include "sim/host/module_library.h"

namespace sim {

struct KeyEvent {
  std::uint32_t id;
  std::uint32_t value;
  bool operator==(const KeyEvent&) const = default;
};

struct PanelOptions {
  std::filesystem::path moduleFile;  // skelbor.gau
  std::string settings;              // skelbor.ini written before the load
  GpsModule* gps = nullptr;          // null: no GPS module registered
  double frameSeconds = 1.0 / 18.0;
  double startTime = 0.0;
};

class Panel {
 public:
  explicit Panel(const PanelOptions& options);
  ~Panel();
  Panel(const Panel&) = delete;
  Panel& operator=(const Panel&) = delete;

  // Exports of the module file, found by name.
  const GAUGESLINKAGE& Linkage() const { return *linkage_; }
  const char*(FSAPI* GetIcao)() = nullptr;
  void(FSAPI* SetIcao)(const char*) = nullptr;
  const ModuleLibrary& Library() const { return *library_; }

  // Calls the exported functions as another module of the panel would.
  std::string CallGetIcao();
  void CallSetIcao(const char* ident);

  // Creates a gauge of the module by name, in panel window `window`.
  Gauge& CreateGauge(const std::string& name, const std::string& parameters = "",
                     std::int32_t window = kMainWindow);
  Gauge* FindGauge(const std::string& name);

  // Runs frames: the clock advances, the aircraft moves, every gauge updates,
  // the gauges of open windows draw; held buttons repeat.
  void RunFrames(int frames);
  void RunSeconds(double seconds);
  double SimTime() const { return simTime_; }
  void SetSimTime(double seconds) { simTime_ = seconds; }

  Aircraft& AircraftState() { return aircraft_; }
  const std::vector<KeyEvent>& KeyEvents() const { return keyEvents_; }
  void ClearKeyEvents() { keyEvents_.clear(); }

  bool WindowOpen(std::int32_t window) const;
  void SetWindowOpen(std::int32_t window, bool open);
  // The most recent lookups of sim variables, oldest first: a fixed ring, so
  // that a long run neither grows nor stalls on them.
  std::vector<std::int32_t> LookedUpVariables() const;
  void ClearLookedUpVariables() { lookedUpCount_ = 0; }
  static constexpr std::size_t kLookedUpCapacity = 1024;

  static constexpr std::int32_t kMainWindow = -1;  // always open
  static constexpr std::int32_t kGpsWindow = 225;

  // Host services, entered through the PANELS table.
  static Panel& Current();
  void LookupVar(MODULE_VAR* variable);
  void SendKeyEvent(std::uint32_t id, std::uint32_t value);
  void* RegisteredCallback(const char* name, bool aircraft);
  Gauge* GaugeOf(ELEMENT_HEADER* element);
  // A gauge tells which elements it installed and gives up, so that services
  // find it at once; the newest installer of an element owns it.
  void SetOwner(const ELEMENT_HEADER* element, Gauge* gauge) { owners_[element] = gauge; }
  void ReleaseOwner(const ELEMENT_HEADER* element, const Gauge* gauge);

 private:
  void Frame();

  std::unique_ptr<ModuleLibrary> library_;
  GAUGESLINKAGE* linkage_ = nullptr;
  IMPORTTABLE* importTable_ = nullptr;
  std::unique_ptr<GpsBridge> gpsBridge_;
  std::vector<std::unique_ptr<Gauge>> gauges_;
  std::map<std::int32_t, bool> windows_;
  Aircraft aircraft_;
  std::vector<KeyEvent> keyEvents_;
  std::array<std::int32_t, kLookedUpCapacity> lookedUp_{};
  std::size_t lookedUpNext_ = 0;
  std::size_t lookedUpCount_ = 0;
  std::unordered_map<const ELEMENT_HEADER*, Gauge*> owners_;
  double simTime_;
  double frameSeconds_;
};

}  // namespace sim
