#include "sim/host/panel.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <stdexcept>
#include <string>
#include <utility>

#include "sim/host/heap_counter.h"
#include "sim/host/trap.h"
#include "sim/keys/key_events.h"

namespace sim {
namespace {

Panel* current = nullptr;

// The PANELS table: each service finds the current panel and the gauge that
// owns the element it is given.
void FSAPI ElementListQuery(ELEMENT_HEADER*) {}
void FSAPI ElementListInstall(ELEMENT_HEADER* element, PVOID) {
  HostService service;
  if (Gauge* gauge = Panel::Current().GaugeOf(element)) gauge->InstallElements(element);
}
void FSAPI ElementListInitialize(ELEMENT_HEADER*) {}
void FSAPI ElementListUpdate(ELEMENT_HEADER* element) {
  HostService service;
  if (Gauge* gauge = Panel::Current().GaugeOf(element)) gauge->UpdateElements(element);
}
void FSAPI ElementListGenerate(ELEMENT_HEADER*, UINT32) {}
void FSAPI ElementListPlot(ELEMENT_HEADER*) {}
void FSAPI ElementListKill(ELEMENT_HEADER*) {}
void FSAPI ElementListErase(ELEMENT_HEADER*) { Trap("PANELS word 30 (element_list_erase)"); }
void FSAPI LookupVarService(MODULE_VAR* variable) {
  HostService service;
  Panel::Current().LookupVar(variable);
}
void FSAPI ElementUseColor(ELEMENT_HEADER* element, BOOL override, COLORREF color) {
  HostService service;
  if (Gauge* gauge = Panel::Current().GaugeOf(element); gauge != nullptr && override) {
    gauge->UseColor(element, color);
  }
}
PVOID FSAPI RegisteredCallback(const char* name) {
  HostService service;
  return Panel::Current().RegisteredCallback(name, false);
}
PVOID FSAPI AircraftCallback(const char* name) {
  HostService service;
  return Panel::Current().RegisteredCallback(name, true);
}
void FSAPI SendKeyEventService(UINT32 id, UINT32 value) {
  HostService service;
  Panel::Current().SendKeyEvent(id, value);
}

// Every word of the table the module must not use: a call through it ends
// the run naming the word. The argument count is unknown, so the trap never
// returns into a stack it might have unbalanced.
template <int Word>
void FSAPI TrapWord() {
  Trap("PANELS word " + std::to_string(Word));
}

template <int First, std::size_t... Offsets>
void FillTraps(PPANEL_SERVICE (&words)[sizeof...(Offsets)], std::index_sequence<Offsets...>) {
  ((words[Offsets] = TrapWord<First + static_cast<int>(Offsets)>), ...);
}

template <int First, std::size_t Count>
void FillTraps(PPANEL_SERVICE (&words)[Count]) {
  FillTraps<First>(words, std::make_index_sequence<Count>());
}

PANELS MakePanelServices() {
  PANELS table{};
  table.ModuleID = IMPORT_TABLE_PANELS_ID;
  table.ModuleInit = TrapWord<1>;
  table.ModuleDeinit = TrapWord<2>;
  FillTraps<6>(table.reserved_06_23);
  table.element_list_query = ElementListQuery;
  table.element_list_install = ElementListInstall;
  table.element_list_initialize = ElementListInitialize;
  table.element_list_update = ElementListUpdate;
  table.element_list_generate = ElementListGenerate;
  table.element_list_plot = ElementListPlot;
  table.element_list_erase = ElementListErase;
  table.element_list_kill = ElementListKill;
  FillTraps<32>(table.reserved_32_39);
  table.lookup_var = LookupVarService;
  FillTraps<41>(table.reserved_41_64);
  table.element_use_color = ElementUseColor;
  FillTraps<66>(table.reserved_66_76);
  table.panel_get_registered_c_callback = RegisteredCallback;
  table.panel_get_aircraft_c_callback = AircraftCallback;
  table.send_key_event = SendKeyEventService;
  FillTraps<80>(table.reserved_80_85);
  return table;
}

PANELS panelServices = MakePanelServices();

}  // namespace

Panel& Panel::Current() {
  if (current == nullptr) throw std::logic_error("no panel is current");
  return *current;
}

Panel::Panel(const PanelOptions& options)
    : simTime_(options.startTime), frameSeconds_(options.frameSeconds) {
  if (current != nullptr) throw std::logic_error("one panel at a time");
  if (options.gps != nullptr) gpsBridge_ = std::make_unique<GpsBridge>(*options.gps);
  windows_[kMainWindow] = true;
  windows_[kGpsWindow] = true;
  library_ = std::make_unique<ModuleLibrary>(options.moduleFile, options.settings);
  linkage_ = static_cast<GAUGESLINKAGE*>(library_->Symbol("Linkage"));
  importTable_ = static_cast<IMPORTTABLE*>(library_->Symbol("ImportTable"));
  GetIcao = reinterpret_cast<const char*(FSAPI*)()>(library_->Symbol("GetICAO"));
  SetIcao = reinterpret_cast<void(FSAPI*)(const char*)>(library_->Symbol("SetICAO"));
  if (linkage_ == nullptr || importTable_ == nullptr) {
    throw std::runtime_error("module file exports no Linkage or ImportTable");
  }
  if (importTable_->PANELSentry.fnID == IMPORT_TABLE_PANELS_ID) {
    importTable_->PANELSentry.fnptr = &panelServices;
  }
  current = this;
  if (linkage_->ModuleInit != nullptr) {
    ModuleCall call;
    linkage_->ModuleInit();
  }
}

Panel::~Panel() {
  if (linkage_ != nullptr && linkage_->ModuleDeinit != nullptr) {
    ModuleCall call;
    linkage_->ModuleDeinit();
  }
  gauges_.clear();
  current = nullptr;
}

std::string Panel::CallGetIcao() {
  if (GetIcao == nullptr) throw std::runtime_error("module exports no GetICAO");
  const char* text = nullptr;
  {
    ModuleCall call;
    text = GetIcao();
  }
  if (text == nullptr) throw std::runtime_error("GetICAO returned a null pointer");
  return text;
}

void Panel::CallSetIcao(const char* ident) {
  if (SetIcao == nullptr) throw std::runtime_error("module exports no SetICAO");
  ModuleCall call;
  SetIcao(ident);
}

Gauge& Panel::CreateGauge(const std::string& name, const std::string& parameters,
                          std::int32_t window) {
  GAUGEHDR* header = nullptr;
  for (GAUGEHDR* entry : linkage_->gauge_header_ptr) {
    if (entry == nullptr) break;
    if (name == entry->gauge_name) header = entry;
  }
  if (header == nullptr) throw std::runtime_error("module has no gauge named " + name);
  if (!windows_.contains(window)) windows_[window] = true;
  gauges_.push_back(std::make_unique<Gauge>(*this, header, parameters, window));
  Gauge& gauge = *gauges_.back();
  gauge.Create();
  if (WindowOpen(window)) gauge.ConnectToWindow();
  return gauge;
}

Gauge* Panel::FindGauge(const std::string& name) {
  for (auto& gauge : gauges_) {
    if (gauge->Name() == name) return gauge.get();
  }
  return nullptr;
}

Gauge* Panel::GaugeOf(ELEMENT_HEADER* element) {
  if (const auto owner = owners_.find(element); owner != owners_.end()) return owner->second;
  // Not installed yet: the gauge whose header lists it, newest first.
  for (auto it = gauges_.rbegin(); it != gauges_.rend(); ++it) {
    if ((*it)->Header()->elements_list != nullptr && (*it)->Header()->elements_list[0] == element) {
      return it->get();
    }
  }
  return nullptr;
}

void Panel::ReleaseOwner(const ELEMENT_HEADER* element, const Gauge* gauge) {
  if (const auto owner = owners_.find(element); owner != owners_.end() && owner->second == gauge) {
    owners_.erase(owner);
  }
}

void Panel::RunFrames(int frames) {
  for (int i = 0; i < frames; ++i) Frame();
}

void Panel::RunSeconds(double seconds) {
  RunFrames(static_cast<int>(std::lround(seconds / frameSeconds_)));
}

void Panel::Frame() {
  simTime_ += frameSeconds_;
  aircraft_.Advance(frameSeconds_);
  for (auto& gauge : gauges_) gauge->RepeatFrame();
  for (auto& gauge : gauges_) gauge->UpdateFrame();
  for (auto& gauge : gauges_) {
    if (WindowOpen(gauge->Window())) gauge->DrawFrame();
  }
}

bool Panel::WindowOpen(std::int32_t window) const {
  const auto it = windows_.find(window);
  return it != windows_.end() && it->second;
}

void Panel::SetWindowOpen(std::int32_t window, bool open) {
  const bool was_open = WindowOpen(window);
  windows_[window] = open;
  if (open && !was_open) {
    for (auto& gauge : gauges_) {
      if (gauge->Window() == window) gauge->ConnectToWindow();
    }
  }
}

std::vector<std::int32_t> Panel::LookedUpVariables() const {
  std::vector<std::int32_t> ids;
  ids.reserve(lookedUpCount_);
  const std::size_t first =
      (lookedUpNext_ + kLookedUpCapacity - lookedUpCount_) % kLookedUpCapacity;
  for (std::size_t i = 0; i < lookedUpCount_; ++i) {
    ids.push_back(lookedUp_[(first + i) % kLookedUpCapacity]);
  }
  return ids;
}

void Panel::LookupVar(MODULE_VAR* variable) {
  lookedUp_[lookedUpNext_] = variable->id;
  lookedUpNext_ = (lookedUpNext_ + 1) % kLookedUpCapacity;
  lookedUpCount_ = std::min(lookedUpCount_ + 1, kLookedUpCapacity);
  const std::optional<double> value = SimVariableValue(aircraft_, variable->id, simTime_);
  variable->var_value.n = value.value_or(0.0);
}

void Panel::SendKeyEvent(std::uint32_t id, std::uint32_t value) {
  keyEvents_.push_back({id, value});
  switch (id) {
    case kKeyPanelIdToggle:
      if (static_cast<std::int32_t>(value) != kMainWindow) {
        SetWindowOpen(static_cast<std::int32_t>(value),
                      !WindowOpen(static_cast<std::int32_t>(value)));
      }
      break;
    case kKeyAutopilotOn:
      aircraft_.autopilotMaster = true;
      break;
    case kKeyHeadingHoldToggle:
      aircraft_.headingHold = !aircraft_.headingHold;
      break;
    case kKeyHeadingHoldOn:
      aircraft_.headingHold = true;
      break;
    case kKeyHeadingHoldOff:
      aircraft_.headingHold = false;
      break;
    case kKeyHeadingBugSet:
      aircraft_.selectedHeading = static_cast<double>(value);
      break;
    default:
      break;
  }
}

void* Panel::RegisteredCallback(const char* name, bool aircraft) {
  if (gpsBridge_ == nullptr || name == nullptr || std::strcmp(name, "fs9gps") != 0) return nullptr;
  return aircraft ? static_cast<void*>(gpsBridge_->AircraftCallback())
                  : static_cast<void*>(gpsBridge_->PanelCallback());
}

}  // namespace sim
