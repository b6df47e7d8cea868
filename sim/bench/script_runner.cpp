#include "sim/bench/script_runner.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "sim/bench/button_places.h"
#include "sim/bench/gauge_face.h"
#include "sim/bench/json_line.h"
#include "sim/draw/font.h"
#include "sim/draw/font_files.h"
#include "sim/draw/png.h"
#include "sim/draw/text_encoding.h"
#include "sim/host/element_names.h"
#include "sim/keys/key_events.h"
#include "sim/navdata/geo.h"
#include "sim/navdata/navdata_error.h"

namespace bench {
namespace {

// A line that cannot run: the run stops with kBadScript.
struct ScriptError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

const ButtonPlace& ButtonNamed(const std::string& name) {
  if (const ButtonPlace* button = FindButton(name)) return *button;
  throw ScriptError("unknown button \"" + name + "\" (" + kButtonNames + ")");
}

double NumberOf(const std::string& word) {
  double value = 0.0;
  const char* end = word.data() + word.size();
  const auto [stop, fault] = std::from_chars(word.data(), end, value);
  if (word.empty() || fault != std::errc() || stop != end || !std::isfinite(value)) {
    throw ScriptError("\"" + word + "\" is not a number");
  }
  return value;
}

long IntegerOf(const std::string& word, long low, long high) {
  long value = 0;
  const char* end = word.data() + word.size();
  const auto [stop, fault] = std::from_chars(word.data(), end, value);
  if (word.empty() || fault != std::errc() || stop != end || value < low || value > high) {
    throw ScriptError("\"" + word + "\" is not a whole number from " + std::to_string(low) +
                      " to " + std::to_string(high));
  }
  return value;
}

std::uint32_t KeyIdOf(const std::string& word) {
  if (const auto named = sim::KeyEventId(word)) return *named;
  if (word.size() < 3 || word[0] != '0' || (word[1] != 'x' && word[1] != 'X')) {
    throw ScriptError("\"" + word + "\" is not a key event id such as 0x103CA or a name such as " +
                      "PANEL_ID_TOGGLE");
  }
  std::uint32_t value = 0;
  const char* end = word.data() + word.size();
  const auto [stop, fault] = std::from_chars(word.data() + 2, end, value, 16);
  if (fault != std::errc() || stop != end) {
    throw ScriptError("\"" + word + "\" is not a key event id such as 0x103CA");
  }
  return value;
}

std::string HexColour(COLORREF colorref) {
  char text[8];
  std::snprintf(text, sizeof text, "%02x%02x%02x", colorref & 0xFFu, (colorref >> 8) & 0xFFu,
                (colorref >> 16) & 0xFFu);
  return text;
}

int ElementIndexNamed(const std::string& name) {
  if (const auto index = sim::GpsElementIndex(name)) return static_cast<int>(*index);
  throw ScriptError("the gps gauge has no element \"" + name + "\"");
}

int SteeringIcon(const sim::Gauge& gauge) {
  for (const sim::ElementView& element : gauge.Elements()) {
    if (element.type == ELEMENT_TYPE_ICON) {
      return static_cast<int>(reinterpret_cast<const ELEMENT_ICON*>(element.record)->cur_icon);
    }
  }
  return 0;
}

}  // namespace

// One script line split at blanks; Rest(k) is everything after the one blank
// that follows word k-1.
struct ScriptRunner::Line {
  int number = 0;
  std::string text;
  std::vector<std::string> words;
  std::vector<std::size_t> ends;  // offset just after each word

  Line(int line_number, std::string line) : number(line_number), text(std::move(line)) {
    std::size_t at = 0;
    while (at < text.size()) {
      while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;
      if (at == text.size()) break;
      const std::size_t start = at;
      while (at < text.size() && text[at] != ' ' && text[at] != '\t') ++at;
      words.push_back(text.substr(start, at - start));
      ends.push_back(at);
    }
  }
  const std::string& Command() const { return words[0]; }
  std::string Rest(std::size_t k) const {
    if (k == 0 || k > words.size()) return "";
    const std::size_t from = ends[k - 1] + 1;
    return from >= text.size() ? "" : text.substr(from);
  }
  // Throws unless the line has between low and high words after the command.
  void Arguments(std::size_t low, std::size_t high, const char* usage) const {
    const std::size_t count = words.size() - 1;
    if (count < low || count > high) throw ScriptError(std::string("usage: ") + usage);
  }
};

ScriptRunner::WorldFiles ScriptRunner::WorldFiles::InFolder(const std::filesystem::path& folder) {
  const auto find = [&](std::initializer_list<const char*> names) {
    for (const std::string name : names) {
      for (const std::string& file : {name + ".gz", name}) {
        if (std::filesystem::is_regular_file(folder / file)) return folder / file;
      }
    }
    return folder / (std::string(*names.begin()) + ".gz");
  };
  return {find({"apt.dat"}), find({"nav.dat", "earth_nav.dat"})};
}

bool ScriptRunner::WorldFiles::Exist() const {
  return std::filesystem::is_regular_file(apt) && std::filesystem::is_regular_file(nav);
}

ScriptRunner::ScriptRunner(std::filesystem::path module_file, WorldFiles builtin, std::ostream& out,
                           std::ostream& err)
    : moduleFile_(std::move(module_file)),
      out_(out),
      err_(err),
      builtin_(std::move(builtin)),
      worldFiles_(builtin_) {}

ScriptRunner::~ScriptRunner() = default;

int ScriptRunner::Run(std::istream& script, const Source& source) {
  source_ = source;
  const int failed_before = failed_;
  bool faulty = false;
  std::string text;
  int number = 0;
  while (std::getline(script, text)) {
    ++number;
    if (number == 1 && text.starts_with("\xEF\xBB\xBF")) text.erase(0, 3);
    if (!text.empty() && text.back() == '\r') text.pop_back();
    const Line line(number, text);
    if (line.words.empty() || line.Command()[0] == '#') continue;
    try {
      Execute(line);
    } catch (const std::exception& error) {
      out_.flush();
      err_ << Located(number) << error.what() << std::endl;
      if (!source.goOnAfterFaults) return kBadScript;
      faulty = true;
    }
    // A person or a program driving the bench line by line sees each answer.
    out_.flush();
  }
  if (script.bad()) {
    err_ << source_.name << ": the script cannot be read" << std::endl;
    return kBadScript;
  }
  out_.flush();
  if (faulty) return kBadScript;
  return failed_ > failed_before ? kExpectationFailed : kAllHeld;
}

int ScriptRunner::Run(std::istream& script) { return Run(script, Source{}); }

std::string ScriptRunner::Summary() const {
  return std::to_string(held_) + (held_ == 1 ? " expectation held, " : " expectations held, ") +
         std::to_string(failed_) + " failed";
}

std::string ScriptRunner::Located(int line_number) const {
  return source_.name.empty() ? "" : source_.name + ":" + std::to_string(line_number) + ": ";
}

std::filesystem::path ScriptRunner::ScriptPath(const std::string& word) const {
  const std::filesystem::path path(word);
  return path.is_absolute() ? path : source_.folder / path;
}

sim::Panel& ScriptRunner::LoadedOrThrow(const Line& line) {
  if (!panel_) throw ScriptError("`" + line.Command() + "` needs the module loaded first (load)");
  return *panel_;
}

sim::Gauge& ScriptRunner::Gps() { return *panel_->FindGauge("gps"); }

void ScriptRunner::Fail(const Line& line, const std::string& what) {
  ++failed_;
  out_ << "FAIL "
       << (source_.name.empty() ? "line " + std::to_string(line.number) + ": "
                                : Located(line.number))
       << line.text << ": " << what << "\n";
}

std::string ScriptRunner::SettingsText() const {
  std::string text;
  for (const auto& [section, entries] : settings_) {
    text += "[" + section + "]\n";
    for (const auto& [key, value] : entries) text += key + "=" + value + "\n";
  }
  return text;
}

void ScriptRunner::Load(const std::string& icon_parameter) {
  sim::PanelOptions options;
  options.moduleFile = moduleFile_;
  options.settings = SettingsText();
  if (gpsKind_ == GpsKind::kScripted) options.gps = &gps_;
  if (gpsKind_ == GpsKind::kWorld) {
    sim::navdata::LoadReport report;
    try {
      world_ = std::make_unique<sim::navdata::World>(
          sim::navdata::World::Load(worldFiles_.apt, worldFiles_.nav, report));
    } catch (const sim::navdata::NavDataError& error) {
      throw ScriptError(std::string("the navigation data: ") + error.what());
    }
    if (report.ProblemCount() != 0) err_ << "navigation data: " << report.Summary() << "\n";
    if (fixedVariation_) world_->FixMagneticVariation(*fixedVariation_);
    worldGps_ = std::make_unique<sim::WorldGps>(*world_);
    options.gps = worldGps_.get();
  }
  panel_ = std::make_unique<sim::Panel>(options);
  panel_->AircraftState() = aircraft_;
  FollowVariation();
  panel_->CreateGauge("gps", "", sim::Panel::kGpsWindow);
  panel_->CreateGauge("icon", icon_parameter);
}

void ScriptRunner::FollowVariation() {
  sim::Aircraft& aircraft = panel_->AircraftState();
  if (fixedVariation_) {
    aircraft.magneticVariation = *fixedVariation_;
  } else if (world_) {
    aircraft.magneticVariation =
        world_->MagneticVariationAt({aircraft.latitude, aircraft.longitude});
  }
}

void ScriptRunner::RunFrames(long frames) {
  // The variation changes slowly: once a simulated second is close enough.
  constexpr long kFramesPerStep = 18;
  while (frames > 0) {
    const long step = std::min(frames, kFramesPerStep);
    FollowVariation();
    panel_->RunFrames(static_cast<int>(step));
    frames -= step;
  }
}

void ScriptRunner::PrintFlightPlan() {
  const std::string destination =
      worldGps_ ? text_encoding::Cp1252ToUtf8(worldGps_->DirectToDestination()) : "";
  const sim::navdata::Airport* airport = worldGps_ ? worldGps_->DirectToAirport() : nullptr;
  if (json_) {
    JsonLine json;
    if (destination.empty()) {
      json.Null("directTo");
    } else {
      json.Text("directTo", destination);
    }
    if (airport != nullptr) {
      const sim::Aircraft& aircraft = panel_->AircraftState();
      const sim::navdata::GeoPoint here{aircraft.latitude, aircraft.longitude};
      json.Text("ident", airport->ident)
          .Text("name", text_encoding::Cp1252ToUtf8(airport->name))
          .Number("lat", airport->position.latitude, 5)
          .Number("lon", airport->position.longitude, 5)
          .Number("distanceNm",
                  sim::navdata::GreatCircleMetres(here, airport->position) /
                      sim::navdata::kMetresPerNauticalMile,
                  1)
          .Number("trueCourse", sim::navdata::InitialCourseDegrees(here, airport->position), 0);
    }
    out_ << json.Line();
    return;
  }
  if (destination.empty()) {
    out_ << "no direct-to destination\n";
    return;
  }
  if (airport == nullptr) {
    out_ << "direct to " << destination << "\n";
    return;
  }
  const sim::Aircraft& aircraft = panel_->AircraftState();
  const sim::navdata::GeoPoint here{aircraft.latitude, aircraft.longitude};
  char text[160];
  std::snprintf(text, sizeof text, " at %.5f %.5f, %.1f NM, true course %03.0f\n",
                airport->position.latitude, airport->position.longitude,
                sim::navdata::GreatCircleMetres(here, airport->position) /
                    sim::navdata::kMetresPerNauticalMile,
                sim::navdata::InitialCourseDegrees(here, airport->position));
  out_ << "direct to " << airport->ident << " " << text_encoding::Cp1252ToUtf8(airport->name)
       << text;
}

void ScriptRunner::Click(const Line& line) {
  line.Arguments(1, 4, "click BUTTON [right] [hold FRAMES]");
  sim::Panel& panel = LoadedOrThrow(line);
  const ButtonPlace& button = ButtonNamed(line.words[1]);
  bool right = false;
  long hold = -1;
  for (std::size_t i = 2; i < line.words.size(); ++i) {
    if (line.words[i] == "right" && !right) {
      right = true;
    } else if (line.words[i] == "hold" && hold < 0 && i + 1 < line.words.size()) {
      hold = IntegerOf(line.words[++i], 0, 100000);
    } else {
      throw ScriptError("usage: click BUTTON [right] [hold FRAMES]");
    }
  }
  if (right && hold >= 0) throw ScriptError("only the left button is held");
  sim::Gauge* gauge = panel.FindGauge(button.gauge);
  if (hold >= 0) {
    gauge->Press(button.x, button.y);
    RunFrames(hold);
    gauge->Release();
  } else {
    gauge->Click(button.x, button.y, right ? sim::MouseButton::kRight : sim::MouseButton::kLeft);
  }
  RunFrames(1);
}

void ScriptRunner::PrintScreen() {
  for (const sim::ElementView& element : Gps().Elements()) {
    if (element.hidden || element.type != ELEMENT_TYPE_STRING) continue;
    const std::string_view name = sim::kGpsElementNames[static_cast<std::size_t>(element.index)];
    const std::string text = text_encoding::Cp1252ToUtf8(element.text);
    if (json_) {
      out_ << JsonLine()
                  .Text("element", name)
                  .Text("color", HexColour(element.color))
                  .Text("text", text)
                  .Line();
    } else {
      out_ << name << '\t' << HexColour(element.color) << '\t' << text << "\n";
    }
  }
  if (json_) {
    out_ << JsonLine()
                .Text("element", "steeringIndicator")
                .Integer("icon", SteeringIcon(Gps()))
                .Line();
  } else {
    out_ << "steeringIndicator\t" << SteeringIcon(Gps()) << "\n";
  }
}

void ScriptRunner::PrintKeys() {
  const std::vector<sim::KeyEvent>& events = panel_->KeyEvents();
  for (; keysShown_ < events.size(); ++keysShown_) {
    const sim::KeyEvent& event = events[keysShown_];
    char id[16];
    std::snprintf(id, sizeof id, "0x%X", event.id);
    if (json_) {
      out_ << JsonLine()
                  .Text("id", id)
                  .Text("name", sim::KeyEventName(event.id))
                  .Integer("value", event.value)
                  .Line();
    } else {
      out_ << id << '\t' << sim::KeyEventName(event.id) << '\t' << event.value << "\n";
    }
  }
}

void ScriptRunner::PrintAircraft() {
  const sim::Aircraft& aircraft = panel_->AircraftState();
  if (json_) {
    out_ << JsonLine()
                .Number("lat", aircraft.latitude, 6)
                .Number("lon", aircraft.longitude, 6)
                .Number("heading", aircraft.trueHeading, 1)
                .Number("track", aircraft.TrueTrack(), 1)
                .Number("groundspeedKnots", aircraft.groundSpeedKnots, 1)
                .Line();
    return;
  }
  char text[160];
  std::snprintf(text, sizeof text,
                "lat %.6f lon %.6f heading %.1f track %.1f groundspeed %.1f kt\n",
                aircraft.latitude, aircraft.longitude, aircraft.trueHeading, aircraft.TrueTrack(),
                aircraft.groundSpeedKnots);
  out_ << text;
}

void ScriptRunner::WritePicture(const std::filesystem::path& file, int scale) {
  BitmapFolder bitmaps(panel_->Library().Folder());
  const draw::Font font(draw::GaugeFontFile(), draw::kGaugeFontPixelsPerEm);
  const std::vector<draw::Face> faces = {FaceOf(Gps(), bitmaps),
                                         FaceOf(*panel_->FindGauge("icon"), bitmaps)};
  draw::WritePng(FacesSideBySide(faces, font, scale), file);
}

void ScriptRunner::Execute(const Line& line) {
  const std::string& command = line.Command();
  if (command == "gps") {
    line.Arguments(1, 1, "gps world|absent|scripted");
    if (panel_) throw ScriptError("the GPS module is chosen before load");
    if (line.words[1] == "absent") {
      gpsKind_ = GpsKind::kAbsent;
    } else if (line.words[1] == "scripted") {
      gpsKind_ = GpsKind::kScripted;
    } else if (line.words[1] == "world") {
      gpsKind_ = GpsKind::kWorld;
    } else {
      throw ScriptError("usage: gps world|absent|scripted");
    }
  } else if (command == "world") {
    line.Arguments(1, 2, "world builtin|APT NAV");
    if (panel_) throw ScriptError("the navigation data is chosen before load");
    if (line.words.size() == 2) {
      if (line.words[1] != "builtin") throw ScriptError("usage: world builtin|APT NAV");
      worldFiles_ = builtin_;
    } else {
      for (std::size_t i = 1; i <= 2; ++i) {
        if (!std::filesystem::is_regular_file(ScriptPath(line.words[i])))
          throw ScriptError("no navigation data file \"" + line.words[i] + "\"");
      }
      worldFiles_ = {ScriptPath(line.words[1]), ScriptPath(line.words[2])};
    }
  } else if (command == "gpsset" || command == "gpstext") {
    if (command == "gpsset") line.Arguments(2, 2, "gpsset NAME NUMBER");
    if (command == "gpstext") line.Arguments(1, 100000, "gpstext NAME TEXT...");
    if (gpsKind_ != GpsKind::kScripted) throw ScriptError("`" + command + "` needs gps scripted");
    if (command == "gpsset") {
      gps_.SetStoredNumber(line.words[1], NumberOf(line.words[2]));
    } else {
      gps_.SetStoredText(line.words[1], text_encoding::Utf8ToCp1252(line.Rest(2)));
    }
  } else if (command == "setting") {
    line.Arguments(2, 100000, "setting SECTION KEY VALUE...");
    if (panel_) throw ScriptError("settings are written before load");
    const std::string section = text_encoding::Utf8ToCp1252(line.words[1]);
    const std::string key = text_encoding::Utf8ToCp1252(line.words[2]);
    const std::string value = text_encoding::Utf8ToCp1252(line.Rest(3));
    auto entries = settings_.begin();
    while (entries != settings_.end() && entries->first != section) ++entries;
    if (entries == settings_.end()) entries = settings_.insert(entries, {section, {}});
    auto entry = entries->second.begin();
    while (entry != entries->second.end() && entry->first != key) ++entry;
    if (entry == entries->second.end()) {
      entries->second.emplace_back(key, value);
    } else {
      entry->second = value;
    }
  } else if (command == "aircraft") {
    line.Arguments(4, 4, "aircraft LAT LON HEADING KNOTS");
    const double latitude = NumberOf(line.words[1]);
    const double longitude = NumberOf(line.words[2]);
    const double knots = NumberOf(line.words[4]);
    if (std::abs(latitude) > 90.0 || std::abs(longitude) > 180.0)
      throw ScriptError("a position is -90 to 90 degrees latitude, -180 to 180 longitude");
    if (knots < 0.0 || knots > 2000.0) throw ScriptError("knots from 0 to 2000");
    sim::Aircraft& aircraft = panel_ ? panel_->AircraftState() : aircraft_;
    aircraft.latitude = latitude;
    aircraft.longitude = longitude;
    aircraft.trueHeading = NumberOf(line.words[3]);
    aircraft.trueTrack.reset();
    // Flown at that airspeed: the wind makes ground speed and track.
    aircraft.airspeedKnots = knots;
    aircraft.groundSpeedKnots = knots;
  } else if (command == "wind") {
    line.Arguments(2, 2, "wind FROM KNOTS");
    const double knots = NumberOf(line.words[2]);
    if (knots < 0.0 || knots > 500.0) throw ScriptError("wind knots from 0 to 500");
    sim::Aircraft& aircraft = panel_ ? panel_->AircraftState() : aircraft_;
    aircraft.windFromDegrees = NumberOf(line.words[1]);
    aircraft.windKnots = knots;
  } else if (command == "magvar") {
    line.Arguments(1, 1, "magvar DEGREES");
    fixedVariation_ = NumberOf(line.words[1]);
    if (world_) world_->FixMagneticVariation(*fixedVariation_);
    if (panel_) FollowVariation();
  } else if (command == "units") {
    line.Arguments(1, 1, "units 0|1|2");
    (panel_ ? panel_->AircraftState() : aircraft_).units =
        static_cast<int>(IntegerOf(line.words[1], 0, 2));
  } else if (command == "load") {
    line.Arguments(0, 1, "load [ICONPARAM]");
    if (panel_) throw ScriptError("the module is loaded already");
    Load(line.words.size() > 1 ? text_encoding::Utf8ToCp1252(line.words[1]) : "");
  } else if (command == "frames") {
    line.Arguments(1, 1, "frames N");
    const long frames = IntegerOf(line.words[1], 0, 10000000);
    LoadedOrThrow(line);
    RunFrames(frames);
  } else if (command == "seconds") {
    line.Arguments(1, 1, "seconds S");
    const double seconds = NumberOf(line.words[1]);
    if (seconds < 0 || seconds > 500000) throw ScriptError("seconds from 0 to 500000");
    LoadedOrThrow(line);
    RunFrames(std::lround(seconds * 18.0));
  } else if (command == "click") {
    Click(line);
  } else if (command == "seticao") {
    line.Arguments(0, 100000, "seticao TEXT");
    LoadedOrThrow(line).CallSetIcao(text_encoding::Utf8ToCp1252(line.Rest(1)).c_str());
  } else if (command == "geticao") {
    line.Arguments(0, 0, "geticao");
    out_ << text_encoding::Cp1252ToUtf8(LoadedOrThrow(line).CallGetIcao()) << "\n";
  } else if (command == "screen") {
    line.Arguments(0, 0, "screen");
    LoadedOrThrow(line);
    PrintScreen();
  } else if (command == "tooltip") {
    line.Arguments(1, 1, "tooltip BUTTON");
    sim::Panel& panel = LoadedOrThrow(line);
    const ButtonPlace& button = ButtonNamed(line.words[1]);
    const sim::TooltipView tooltip = panel.FindGauge(button.gauge)->Tooltip(button.x, button.y);
    const bool help_id = tooltip.text.empty() && tooltip.helpId != 0;
    if (json_) {
      JsonLine json;
      json.Text("button", button.name);
      if (help_id) {
        json.Integer("helpId", tooltip.helpId);
      } else {
        json.Text("tooltip", text_encoding::Cp1252ToUtf8(tooltip.text));
      }
      out_ << json.Line();
    } else if (help_id) {
      out_ << "(help id " << tooltip.helpId << ")\n";
    } else {
      out_ << text_encoding::Cp1252ToUtf8(tooltip.text) << "\n";
    }
  } else if (command == "keys") {
    line.Arguments(0, 0, "keys");
    LoadedOrThrow(line);
    PrintKeys();
  } else if (command == "ini") {
    line.Arguments(0, 0, "ini");
    std::ifstream file(LoadedOrThrow(line).Library().SettingsFile(), std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    out_ << text_encoding::Cp1252ToUtf8(text.str());
  } else if (command == "flightplan") {
    line.Arguments(0, 0, "flightplan");
    LoadedOrThrow(line);
    if (gpsKind_ == GpsKind::kScripted)
      throw ScriptError("a scripted GPS module keeps no flight plan");
    PrintFlightPlan();
  } else if (command == "aircraft?") {
    line.Arguments(0, 0, "aircraft?");
    LoadedOrThrow(line);
    PrintAircraft();
  } else if (command == "expect" || command == "hidden" || command == "expect-color") {
    if (command == "expect") line.Arguments(1, 100000, "expect NAME TEXT...");
    if (command == "hidden") line.Arguments(1, 1, "hidden NAME");
    if (command == "expect-color") line.Arguments(2, 2, "expect-color NAME RRGGBB");
    const int index = ElementIndexNamed(line.words[1]);
    LoadedOrThrow(line);
    const std::vector<sim::ElementView> elements = Gps().Elements();
    const sim::ElementView& element = elements.at(static_cast<std::size_t>(index));
    if (element.type == ELEMENT_TYPE_ICON) {
      const std::string shown = std::to_string(SteeringIcon(Gps()));
      if (command != "expect") throw ScriptError("the indicator is an icon: expect it 0 or 1");
      if (line.Rest(2) != shown) return Fail(line, "shows " + shown);
      return Held();
    }
    if (element.type != ELEMENT_TYPE_STRING) throw ScriptError("not a string element");
    const std::string seen = "\"" + text_encoding::Cp1252ToUtf8(element.text) + "\"";
    if (command == "hidden") {
      if (!element.hidden) return Fail(line, "shown with " + seen);
    } else if (element.hidden) {
      return Fail(line, "hidden");
    } else if (command == "expect") {
      if (text_encoding::Utf8ToCp1252(line.Rest(2)) != element.text)
        return Fail(line, "shows " + seen);
    } else {
      std::string wanted = line.words[2];
      for (char& c : wanted) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      if (wanted.size() != 6 || wanted.find_first_not_of("0123456789abcdef") != std::string::npos)
        throw ScriptError("\"" + line.words[2] + "\" is not a colour RRGGBB");
      if (HexColour(element.color) != wanted)
        return Fail(line, "drawn in " + HexColour(element.color));
    }
    Held();
  } else if (command == "expect-key") {
    line.Arguments(2, 2, "expect-key 0xID|NAME VALUE");
    const std::uint32_t id = KeyIdOf(line.words[1]);
    const auto value = static_cast<std::uint32_t>(IntegerOf(line.words[2], 0, 0xFFFFFFFFL));
    const std::vector<sim::KeyEvent>& events = LoadedOrThrow(line).KeyEvents();
    std::string seen;
    for (std::size_t i = keysShown_; i < events.size(); ++i) {
      if (events[i] == sim::KeyEvent{id, value}) return Held();
      char text[32];
      std::snprintf(text, sizeof text, " 0x%X=%u", events[i].id, events[i].value);
      seen += text;
    }
    Fail(line, seen.empty() ? "no key events since the last `keys`" : "key events" + seen);
  } else if (command == "png") {
    line.Arguments(1, 2, "png FILE [SCALE]");
    LoadedOrThrow(line);
    const int scale = line.words.size() > 2 ? static_cast<int>(IntegerOf(line.words[2], 1, 16)) : 1;
    WritePicture(ScriptPath(line.words[1]), scale);
  } else {
    throw ScriptError("\"" + command + "\" is not a command");
  }
}

}  // namespace bench
