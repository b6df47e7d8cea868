#include "sim/serve/live_session.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "sim/draw/font_files.h"
#include "sim/draw/png.h"
#include "sim/draw/text_encoding.h"
#include "sim/host/element_names.h"
#include "sim/keys/key_events.h"
#include "sim/navdata/geo.h"
#include "sim/worldgps/world_gps.h"

namespace serve {
namespace {

// The bench's settings lines for a settings file's text: sections and
// key=value lines; anything else in the file is left out.
std::string SettingLines(const std::string& cp1252) {
  std::istringstream file(text_encoding::Cp1252ToUtf8(cp1252));
  std::string lines;
  std::string section;
  std::string line;
  while (std::getline(file, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() > 2 && line.front() == '[' && line.back() == ']') {
      section = line.substr(1, line.size() - 2);
      continue;
    }
    const std::size_t equals = line.find('=');
    if (section.empty() || equals == std::string::npos || equals == 0) continue;
    const std::string key = line.substr(0, equals);
    if (section.find_first_of(" \t") != std::string::npos ||
        key.find_first_of(" \t") != std::string::npos) {
      continue;
    }
    lines += "setting " + section + " " + key + " " + line.substr(equals + 1) + "\n";
  }
  return lines;
}

// Where the aircraft starts unless told: some 20 NM south-west of the
// default airport, flying toward it at 150 knots in a breeze; at 0, 0
// standing still when the world does not know the airport.
std::string StartNear(const sim::navdata::World& world, const std::string& icao) {
  std::string ident = icao.size() > 7 ? icao.substr(7) : "";
  ident.erase(ident.find_last_not_of(' ') + 1);
  const sim::navdata::Airport* airport = world.FindAirport(ident);
  if (airport == nullptr) return "aircraft 0 0 0 0\n";
  char lines[160];
  std::snprintf(lines, sizeof lines, "aircraft %.6f %.6f 45 150\nwind 300 15\n",
                airport->position.latitude - 0.24,
                airport->position.longitude -
                    0.24 / std::cos(airport->position.latitude * sim::navdata::kDegreesToRadians));
  return lines;
}

const char* CursorName(std::int32_t cursor) {
  switch (cursor) {
    case CURSOR_UPARROW:
      return "uparrow";
    case CURSOR_DOWNARROW:
      return "downarrow";
    case CURSOR_HAND:
      return "hand";
    default:
      return "none";
  }
}

nlohmann::json PointJson(sim::navdata::GeoPoint point) {
  return {{"lat", point.latitude}, {"lon", point.longitude}};
}

// The steering lamp: the gps gauge's one icon.
int Lamp(const sim::Gauge& gauge) {
  for (const sim::ElementView& element : gauge.Elements()) {
    if (element.type == ELEMENT_TYPE_ICON) {
      return static_cast<int>(reinterpret_cast<const ELEMENT_ICON*>(element.record)->cur_icon);
    }
  }
  return 0;
}

}  // namespace

LiveSession::LiveSession(const SessionOptions& options)
    : runner_(std::make_unique<bench::ScriptRunner>(options.moduleFile, options.world, out_, err_)),
      bitmaps_(std::filesystem::path()),
      font_(draw::GaugeFontFile(), draw::kGaugeFontPixelsPerEm) {
  if (!options.world.Exist()) {
    throw RequestError("no navigation data: " + options.world.apt.string() + " and " +
                       options.world.nav.string() + " are needed");
  }
  Script(SettingLines(options.settings) + "gps world\nload\n" + options.startScript);
  panel_ = runner_->LoadedPanel();
  if (options.startScript.empty()) Script(StartNear(World(), panel_->CallGetIcao()));
  bitmaps_ = bench::BitmapFolder(panel_->Library().Folder());
  DrawIfChanged();
}

LiveSession::~LiveSession() = default;

void LiveSession::Script(const std::string& lines) {
  std::istringstream script(lines);
  out_.str("");
  err_.str("");
  if (runner_->Run(script) != bench::kAllHeld) {
    std::string reason = err_.str() + out_.str();
    // The bench names a script line; a request is one command.
    if (reason.rfind("line ", 0) == 0 && reason.find(": ") != std::string::npos) {
      reason = reason.substr(reason.find(": ") + 2);
    }
    while (!reason.empty() && reason.back() == '\n') reason.pop_back();
    throw RequestError(reason);
  }
}

void LiveSession::Command(const std::string& line) {
  const sim::Aircraft before = panel_->AircraftState();
  Script(line + "\n");
  const sim::Aircraft& after = panel_->AircraftState();
  if (after.latitude != before.latitude || after.longitude != before.longitude) {
    trail_.clear();
    ++trailSerial_;
    KeepTrail();
  }
}

void LiveSession::RunFrames(int frames) {
  for (int i = 0; i < frames; ++i) {
    runner_->RunFrames(1);
    ++frame_;
    KeepKeyEvents();
    if (frame_ % static_cast<std::uint64_t>(trailStride_) == 0) KeepTrail();
  }
}

void LiveSession::KeepKeyEvents() {
  for (const sim::KeyEvent& event : panel_->KeyEvents()) {
    keyEvents_.push_back({++keySerial_, event.id, event.value});
    if (keyEvents_.size() > kKeyEventsKept) keyEvents_.pop_front();
  }
  panel_->ClearKeyEvents();
}

void LiveSession::KeepTrail() {
  const sim::Aircraft& aircraft = panel_->AircraftState();
  if (trail_.size() == kTrailPoints) {
    // Every other point goes and the rest come half as often: the whole
    // flight stays, ever coarser, in bounded memory.
    for (std::size_t i = 0; i < kTrailPoints / 2; ++i) trail_[i] = trail_[2 * i];
    trail_.resize(kTrailPoints / 2);
    trailStride_ *= 2;
  }
  trail_.push_back({aircraft.latitude, aircraft.longitude});
}

sim::Gauge& LiveSession::GaugeAt(const std::string& name, int x, int y) {
  sim::Gauge* gauge = name == "gps" || name == "icon" ? panel_->FindGauge(name) : nullptr;
  if (gauge == nullptr) throw RequestError("no gauge \"" + name + "\" (gps or icon)");
  const GAUGEHDR& header = *gauge->Header();
  // The gauges' sizes in pixels: the background bitmap's.
  const std::vector<sim::ElementView> elements = gauge->Elements();
  int width = 0;
  int height = 0;
  if (!elements.empty() && elements.front().type == ELEMENT_TYPE_STATIC_IMAGE) {
    const draw::Image& background = bitmaps_.Bitmap(elements.front().image);
    width = background.Width();
    height = background.Height();
  }
  if (x < 0 || y < 0 || x >= width || y >= height) {
    throw RequestError("(" + std::to_string(x) + ", " + std::to_string(y) + ") is off the " +
                       header.gauge_name + " gauge (" + std::to_string(width) + " x " +
                       std::to_string(height) + " pixels)");
  }
  return *gauge;
}

bool LiveSession::Click(const std::string& gauge, int x, int y, sim::MouseButton button) {
  return GaugeAt(gauge, x, y).Click(x, y, button);
}

void LiveSession::Press(const std::string& gauge, int x, int y) {
  sim::Gauge& pressed = GaugeAt(gauge, x, y);
  Release();
  pressed.Press(x, y);
}

void LiveSession::Release() {
  for (const char* name : {"gps", "icon"}) panel_->FindGauge(name)->Release();
}

nlohmann::json LiveSession::Hover(const std::string& gauge, int x, int y) {
  const sim::Gauge& hovered = GaugeAt(gauge, x, y);
  const sim::TooltipView tooltip = hovered.Tooltip(x, y);
  nlohmann::json view = {{"cursor", CursorName(hovered.CursorAt(x, y))},
                         {"tooltip", text_encoding::Cp1252ToUtf8(tooltip.text)},
                         {"helpId", tooltip.helpId}};
  return view;
}

void LiveSession::SetIcao(const std::string& utf8) {
  const std::string cp1252 = text_encoding::Utf8ToCp1252(utf8);
  if (cp1252.size() > 64) throw RequestError("an ICAO text of more than 64 characters is none");
  panel_->CallSetIcao(cp1252.c_str());
}

std::string LiveSession::SettingsText() const {
  std::ifstream file(panel_->Library().SettingsFile(), std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

nlohmann::json LiveSession::State(bool withTrail) {
  const sim::Aircraft& aircraft = panel_->AircraftState();
  sim::Gauge& gps = *panel_->FindGauge("gps");
  const std::string icao = panel_->CallGetIcao();
  nlohmann::json state = {
      {"frame", frame_},
      {"simTime", panel_->SimTime()},
      {"aircraft",
       {{"lat", aircraft.latitude},
        {"lon", aircraft.longitude},
        {"heading", aircraft.trueHeading},
        {"track", aircraft.TrueTrack()},
        {"groundSpeed", aircraft.groundSpeedKnots},
        {"airspeed", aircraft.airspeedKnots.value_or(aircraft.groundSpeedKnots)},
        {"magVar", aircraft.magneticVariation},
        {"autopilot", aircraft.autopilotMaster},
        {"headingHold", aircraft.headingHold},
        {"selectedHeading", aircraft.selectedHeading}}},
      {"wind", {{"from", aircraft.windFromDegrees}, {"knots", aircraft.windKnots}}},
      {"units", aircraft.units},
      {"steering", Lamp(gps) == 1},
      {"windowOpen", panel_->WindowOpen(sim::Panel::kGpsWindow)},
      {"getIcao", text_encoding::Cp1252ToUtf8(icao)},
      {"settings", text_encoding::Cp1252ToUtf8(SettingsText())},
      {"trailSerial", trailSerial_},
  };
  // What the display shows, element by element, as a bench script's `screen`.
  nlohmann::json screen = nlohmann::json::object();
  for (const sim::ElementView& element : gps.Elements()) {
    if (element.hidden || element.type != ELEMENT_TYPE_STRING) continue;
    char colour[8];
    std::snprintf(colour, sizeof colour, "%02x%02x%02x", element.color & 0xFFu,
                  (element.color >> 8) & 0xFFu, (element.color >> 16) & 0xFFu);
    screen[std::string(sim::kGpsElementNames[static_cast<std::size_t>(element.index)])] = {
        {"text", text_encoding::Cp1252ToUtf8(element.text)}, {"color", colour}};
  }
  state["screen"] = std::move(screen);
  // The current facility, where the world knows it: an airport by the ident
  // from character 7 of its ICAO.
  state["facility"] = nullptr;
  if (icao.size() > 7 && icao[0] == 'A') {
    std::string ident = icao.substr(7);
    ident.erase(ident.find_last_not_of(' ') + 1);
    if (const sim::navdata::Airport* airport = World().FindAirport(ident)) {
      state["facility"] = PointJson(airport->position);
      state["facility"]["ident"] = airport->ident;
      state["facility"]["name"] = text_encoding::Cp1252ToUtf8(airport->name);
    }
  }
  state["directTo"] = nullptr;
  if (const sim::WorldGps* worldGps = runner_->LoadedWorldGps()) {
    if (!worldGps->DirectToDestination().empty()) {
      state["directTo"] = {{"icao", text_encoding::Cp1252ToUtf8(worldGps->DirectToDestination())}};
      if (const sim::navdata::Airport* airport = worldGps->DirectToAirport()) {
        state["directTo"].update(PointJson(airport->position));
        state["directTo"]["ident"] = airport->ident;
      }
    }
  }
  nlohmann::json keys = nlohmann::json::array();
  for (const NamedKeyEvent& event : keyEvents_) {
    char id[16];
    std::snprintf(id, sizeof id, "0x%X", event.id);
    keys.push_back({{"serial", event.serial},
                    {"id", id},
                    {"name", sim::KeyEventName(event.id)},
                    {"value", event.value}});
  }
  state["keyEvents"] = std::move(keys);
  if (withTrail) {
    nlohmann::json trail = nlohmann::json::array();
    for (const TrailPoint& point : trail_) trail.push_back({point.latitude, point.longitude});
    state["trail"] = std::move(trail);
  }
  return state;
}

std::string LiveSession::Signature() const {
  std::string signature = panel_->WindowOpen(sim::Panel::kGpsWindow) ? "open" : "closed";
  for (const char* name : {"gps", "icon"}) {
    for (const sim::ElementView& element : panel_->FindGauge(name)->Elements()) {
      signature += '\x1f';
      if (element.hidden) continue;
      signature += std::to_string(element.image) + ',' + std::to_string(element.color) + ',' +
                   std::to_string(element.align) + ',' + element.text;
    }
  }
  return signature;
}

bool LiveSession::DrawIfChanged() {
  std::string signature = Signature();
  if (signature == drawnSignature_) return false;
  drawnSignature_ = std::move(signature);
  gpsPng_ = draw::EncodePngFast(
      draw::RenderFace(bench::FaceOf(*panel_->FindGauge("gps"), bitmaps_), font_, 1));
  iconPng_ = draw::EncodePngFast(
      draw::RenderFace(bench::FaceOf(*panel_->FindGauge("icon"), bitmaps_), font_, 1));
  return true;
}

}  // namespace serve
