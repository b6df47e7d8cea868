// The loaded module driven through the substitute simulator's host by any
// sequence of clicks, held buttons, pages, SetICAO and GetICAO calls, GPS
// numbers (not a number, infinities, 1e300, the integers' ends) and texts
// (long, high bytes, raw), sim-time steps, unit settings, aircraft values and
// settings files. After each frame every string element's text must end
// within its capacity, and GetICAO gives at most 12 characters.
//
// The module is loaded once; its writable data is put back before each input.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "fuzz/module_snapshot.h"
#include "sim/gps/scripted_gps.h"
#include "sim/host/panel.h"

namespace {

constexpr double kHostile[] = {
    std::numeric_limits<double>::quiet_NaN(),
    std::numeric_limits<double>::infinity(),
    -std::numeric_limits<double>::infinity(),
    1e300,
    -1e300,
    2147483647.0,
    -2147483648.0,
    2147483648.0,
    -2147483649.0,
    4294967296.0,
    0.0,
    1.0,
    2.0,
    -1.0,
    360.0,
    2000000.0,
};

constexpr const char* kNumbers[] = {
    "FacilityValid",
    "FacilityLatitude",
    "FacilityLongitude",
    "FacilityMagneticVariation",
    "IcaoSearchCursorPosition",
    "NearestNdbCurrentFrequency",
    "NearestNdbItemsNumber",
    "NearestNdbCurrentLine",
    "NearestVorCurrentFrequency",
    "NearestVorItemsNumber",
    "NearestVorCurrentLine",
    "WaypointAirportElevation",
    "WaypointAirportFrequenciesNumber",
    "WaypointAirportCurrentFrequency",
    "WaypointAirportFrequencyType",
    "WaypointAirportFrequencyValue",
    "WaypointAirportLatitude",
    "WaypointAirportLongitude",
    "WaypointAirportRunwayDirection",
    "WaypointAirportRunwayLength",
    "WaypointAirportRunwayLighting",
    "WaypointAirportRunwaySurface",
    "WaypointAirportRunwayWidth",
    "WaypointAirportRunwaysNumber",
    "WaypointAirportCurrentRunway",
    "WaypointNdbLatitude",
    "WaypointNdbLongitude",
    "WaypointVorLatitude",
    "WaypointVorLongitude",
};

constexpr const char* kTexts[] = {
    "IcaoSearchCurrentIcao",
    "FacilityICAO",
    "FacilityIdent",
    "WaypointAirportIdent",
    "WaypointAirportCity",
    "WaypointAirportName",
    "WaypointAirportRunwayDesignation",
    "NearestVorCurrentICAO",
    "WaypointVorICAO",
    "WaypointVorName",
    "NearestVorCurrentIdent",
    "NearestNdbCurrentICAO",
    "NearestNdbCurrentIdent",
    "WaypointNdbName",
    "WaypointAirportFrequencyName",
    "WaypointAirportFuel1",
    "WaypointAirportFuel2",
};

// Button centres in the gps gauge: LAST < > V ^, PAGE ACT blank STO RCL,
// the close box.
constexpr int kButtons[][2] = {{25, 92},  {75, 92},   {125, 92},  {175, 92},  {225, 92}, {25, 117},
                               {75, 117}, {125, 117}, {175, 117}, {225, 117}, {242, 7}};

constexpr char kSettings[] =
    "[Default]\r\nDefaultICAO=KSEA\r\nLastICAO=KBFI\r\n"
    "[Saved]\r\n00=KSEA\r\n01=KPAE\r\n"
    "[UserWaypoints]\r\n1234=Home,47.5,-122.3,100,15\r\n";

[[noreturn]] void Finding(const char* what) {
  std::fprintf(stderr, "event sequence: %s\n", what);
  std::abort();
}

// The GPS module the host keeps for the whole run: each input gets a fresh
// scripted one behind it.
class FreshGps : public sim::GpsModule {
 public:
  sim::ScriptedGps& Renew() {
    current_ = std::make_unique<sim::ScriptedGps>();
    return *current_;
  }
  sim::ScriptedGps& Current() { return *current_; }
  double GetNumber(const std::string& name) override { return current_->GetNumber(name); }
  std::string GetText(const std::string& name) override { return current_->GetText(name); }
  void SetNumber(const std::string& name, double value) override {
    current_->SetNumber(name, value);
  }
  void SetText(const std::string& name, const std::string& value) override {
    current_->SetText(name, value);
  }

 private:
  std::unique_ptr<sim::ScriptedGps> current_ = std::make_unique<sim::ScriptedGps>();
};

// An airport with a bit of everything, so that inputs reach every page.
void DescribeAirport(sim::ScriptedGps& gps) {
  gps.SetStoredText("IcaoSearchCurrentIcao", "A      KSEA");
  gps.SetStoredNumber("FacilityValid", 1.0);
  gps.SetStoredText("FacilityIdent", "KSEA");
  gps.SetStoredText("WaypointAirportIdent", "KSEA");
  gps.SetStoredText("WaypointAirportCity", "Seattle");
  gps.SetStoredText("WaypointAirportName", "Seattle-Tacoma Intl");
  gps.SetStoredNumber("FacilityLatitude", 47.449);
  gps.SetStoredNumber("FacilityLongitude", -122.309);
  gps.SetStoredNumber("WaypointAirportLatitude", 47.449);
  gps.SetStoredNumber("WaypointAirportLongitude", -122.309);
  gps.SetStoredNumber("WaypointAirportRunwaysNumber", 3);
  gps.SetStoredText("WaypointAirportRunwayDesignation", "16L-34R");
  gps.SetStoredNumber("WaypointAirportFrequenciesNumber", 4);
  gps.SetStoredNumber("WaypointAirportFrequencyType", 2);
  gps.SetStoredNumber("NearestVorItemsNumber", 3);
  gps.SetStoredText("NearestVorCurrentICAO", "V  K1   SEA");
  gps.SetStoredNumber("NearestNdbItemsNumber", 2);
}

struct World {
  FreshGps gps;
  std::unique_ptr<sim::Panel> panel;
  sim::Gauge* gauge = nullptr;
  // The module's string element records: their places and the host's text
  // buffers stay for the whole run.
  std::vector<const ELEMENT_STRING*> strings;
  std::unique_ptr<fuzz::ModuleSnapshot> snapshot;
  std::filesystem::path settings;
};

World& TheWorld() {
  static World* world = [] {
    auto* made = new World;
    DescribeAirport(made->gps.Renew());
    sim::PanelOptions options;
    options.moduleFile = SKELBOR_MODULE_FILE;
    options.settings = kSettings;
    options.gps = &made->gps;
    made->panel = std::make_unique<sim::Panel>(options);
    made->gauge = &made->panel->CreateGauge("gps", "", sim::Panel::kGpsWindow);
    made->panel->CreateGauge("icon", "99999999999");
    made->settings = made->panel->Library().SettingsFile();
    for (const sim::ElementView& view : made->gauge->Elements()) {
      if (view.type == ELEMENT_TYPE_STRING) {
        made->strings.push_back(reinterpret_cast<const ELEMENT_STRING*>(view.record));
      }
    }
    made->snapshot = std::make_unique<fuzz::ModuleSnapshot>(made->panel->Library().File());
    return made;
  }();
  return *world;
}

class Reader {
 public:
  Reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool More() const { return at_ < size_; }
  std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
  double Number() {
    const std::uint8_t choice = Byte();
    if (choice < 0xF0 || size_ - at_ < sizeof(double)) {
      return kHostile[choice % std::size(kHostile)];
    }
    double raw;
    std::memcpy(&raw, data_ + at_, sizeof raw);
    at_ += sizeof raw;
    return raw;
  }
  std::string Text(std::size_t most) {
    const std::size_t length = Byte() % (most + 1);
    std::string text;
    while (text.size() < length && More()) text += static_cast<char>(Byte());
    return text;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

void CheckElements(const World& world) {
  for (const ELEMENT_STRING* element : world.strings) {
    if (element->string == nullptr) Finding("a string element without text");
    if (std::memchr(element->string, '\0', element->max_string_length + 1u) == nullptr) {
      Finding("an element's text runs past its capacity");
    }
  }
}

void RunFrames(World& world, int frames) {
  for (int i = 0; i < frames; ++i) {
    world.gps.Current().ClearAccesses();  // only the GPS module's answers matter here
    world.panel->RunFrames(1);
    CheckElements(world);
  }
}

std::string HostileText(Reader& input) {
  switch (input.Byte() % 4) {
    case 0:
      return std::string(300, static_cast<char>('A' + input.Byte() % 26));
    case 1: {
      std::string high;
      for (int i = 0; i < 20; ++i) high += static_cast<char>(0x80 + i * 6);
      return high;
    }
    case 2:
      return {};
    default:
      return input.Text(40);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  World& world = TheWorld();
  sim::Panel& panel = *world.panel;
  // The host's side back to where the snapshot was taken, then the module's.
  world.gauge->Release();
  panel.SetWindowOpen(sim::Panel::kGpsWindow, true);
  panel.ClearKeyEvents();
  panel.ClearLookedUpVariables();
  panel.AircraftState() = sim::Aircraft{};
  panel.SetSimTime(0.0);
  std::ofstream(world.settings, std::ios::binary | std::ios::trunc) << kSettings;
  sim::ScriptedGps& gps = world.gps.Renew();
  DescribeAirport(gps);
  world.snapshot->Restore();

  Reader input(data, size);
  int budget = 60;  // frames an input may run
  for (int operation = 0; operation < 64 && input.More() && budget > 0; ++operation) {
    switch (input.Byte() % 12) {
      case 0: {
        const auto& button = kButtons[input.Byte() % std::size(kButtons)];
        const bool right = (input.Byte() & 1) != 0;
        world.gauge->Click(button[0], button[1],
                           right ? sim::MouseButton::kRight : sim::MouseButton::kLeft);
        RunFrames(world, 1);
        --budget;
        break;
      }
      case 1: {
        const auto& button = kButtons[input.Byte() % std::size(kButtons)];
        const int frames = 1 + input.Byte() % 20;
        world.gauge->Press(button[0], button[1]);
        RunFrames(world, frames);
        world.gauge->Release();
        budget -= frames;
        break;
      }
      case 2: {
        const std::string ident = input.Text(20);
        panel.CallSetIcao((input.Byte() & 1) != 0 ? nullptr : ident.c_str());
        break;
      }
      case 3:
        if (panel.CallGetIcao().size() > 12) Finding("GetICAO longer than an ICAO");
        break;
      case 4: {
        const char* name = kNumbers[input.Byte() % std::size(kNumbers)];
        gps.SetStoredNumber(name, input.Number());
        break;
      }
      case 5: {
        const char* name = kTexts[input.Byte() % std::size(kTexts)];
        gps.SetStoredText(name, HostileText(input));
        break;
      }
      case 6: {
        const int frames = 1 + input.Byte() % 6;
        RunFrames(world, frames);
        budget -= frames;
        break;
      }
      case 7:
        panel.SetSimTime(input.Number());
        break;
      case 8:
        panel.AircraftState().units = input.Byte() % 4;
        break;
      case 9: {
        sim::Aircraft& aircraft = panel.AircraftState();
        const double value = input.Number();
        switch (input.Byte() % 5) {
          case 0:
            aircraft.latitude = value;
            break;
          case 1:
            aircraft.longitude = value;
            break;
          case 2:
            aircraft.trueHeading = value;
            break;
          case 3:
            aircraft.groundSpeedKnots = value;
            break;
          default:
            aircraft.magneticVariation = value;
            break;
        }
        break;
      }
      case 10: {
        const auto& button = kButtons[input.Byte() % std::size(kButtons)];
        world.gauge->Tooltip(button[0], button[1]);
        break;
      }
      default: {
        // A settings line of any bytes, as another program might leave it.
        const std::string line = input.Text(120);
        std::ofstream(world.settings, std::ios::binary | std::ios::trunc)
            << kSettings << line << "\r\n";
        break;
      }
    }
    if (panel.CallGetIcao().size() > 12) Finding("GetICAO longer than an ICAO");
  }
  return 0;
}
