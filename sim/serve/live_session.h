// The bench's panel, live: the module loaded over the world exactly as a
// bench script's `load` loads it, run a few frames at a time by the one
// thread that owns it, with everything a page shows of it.
//
// Not thread-safe: the module is single-threaded, so every member is called
// from the owning thread only.
#pragma once

#include <cstdint>
#include <deque>
#include <filesystem>
#include <memory>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "sim/bench/gauge_face.h"
#include "sim/bench/script_runner.h"
#include "sim/draw/font.h"
#include "sim/host/gauge.h"

namespace serve {

struct SessionOptions {
  std::filesystem::path moduleFile;
  bench::ScriptRunner::WorldFiles world;
  std::string settings;  // the settings file's text at start (Windows-1252)
  // Bench script lines run after the load: where the aircraft starts, the wind.
  std::string startScript;
};

// A fault of a request: it changed nothing.
struct RequestError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

class LiveSession {
 public:
  // Loads the module; throws RequestError when the world or a start line is
  // faulty and std::runtime_error when the module cannot be loaded.
  explicit LiveSession(const SessionOptions& options);
  ~LiveSession();
  LiveSession(const LiveSession&) = delete;
  LiveSession& operator=(const LiveSession&) = delete;

  void RunFrames(int frames);

  // A bench script line that sets something up (aircraft, wind, units);
  // throws RequestError with the bench's reason when it cannot run.
  void Command(const std::string& line);

  // The mouse at a gauge pixel, as the panel gives it. Throw RequestError
  // for an unknown gauge or a pixel off it.
  bool Click(const std::string& gauge, int x, int y, sim::MouseButton button);
  void Press(const std::string& gauge, int x, int y);
  void Release();
  nlohmann::json Hover(const std::string& gauge, int x, int y);

  void SetIcao(const std::string& utf8);

  // The page's view of everything but the faces; `withTrail` adds the
  // aircraft's track so far.
  nlohmann::json State(bool withTrail);

  // Draws both faces, pixel for pixel as the host draws them (the page
  // enlarges them without smoothing), when what they show changed since the
  // last drawing; false when nothing changed.
  bool DrawIfChanged();
  const std::vector<std::uint8_t>& GpsPng() const { return gpsPng_; }
  const std::vector<std::uint8_t>& IconPng() const { return iconPng_; }

  // The module's settings file as it is now (Windows-1252).
  std::string SettingsText() const;
  const sim::navdata::World& World() const { return *runner_->LoadedWorld(); }

 private:
  struct TrailPoint {
    double latitude;
    double longitude;
  };
  sim::Gauge& GaugeAt(const std::string& gauge, int x, int y);
  void Script(const std::string& lines);
  void KeepKeyEvents();
  void KeepTrail();
  std::string Signature() const;

  std::ostringstream out_;
  std::ostringstream err_;
  std::unique_ptr<bench::ScriptRunner> runner_;
  sim::Panel* panel_ = nullptr;
  bench::BitmapFolder bitmaps_;
  draw::Font font_;
  std::string drawnSignature_;
  std::vector<std::uint8_t> gpsPng_;
  std::vector<std::uint8_t> iconPng_;
  std::uint64_t frame_ = 0;
  struct NamedKeyEvent {
    std::uint64_t serial;
    std::uint32_t id;
    std::uint32_t value;
  };
  std::deque<NamedKeyEvent> keyEvents_;  // the most recent, oldest first
  std::uint64_t keySerial_ = 0;
  std::vector<TrailPoint> trail_;  // thinned to half when full
  int trailStride_ = 18;           // frames between trail points
  std::uint64_t trailSerial_ = 0;  // a new trail begins where the aircraft is placed
  static constexpr std::size_t kKeyEventsKept = 40;
  static constexpr std::size_t kTrailPoints = 4096;
};

}  // namespace serve
