#include "sim/host/gps_bridge.h"

#include "sim/host/heap_counter.h"
#include "sim/host/trap.h"

namespace sim {

const std::string& GpsBridge::Name(SINT32 property_id) const {
  static const std::string unknown;
  if (property_id < 1 || static_cast<std::size_t>(property_id) > names_.size()) return unknown;
  return names_[static_cast<std::size_t>(property_id) - 1];
}

// ---------------------------------------------------------------------------
// Panel object: property names become ids, numbered from 1 as first asked.

UINT32 GpsBridge::PanelObject::AddRef() { Trap("IPanelCCallback::AddRef"); }
UINT32 GpsBridge::PanelObject::Release() { Trap("IPanelCCallback::Release"); }
PVOID GpsBridge::PanelObject::QueryInterface(const char*) {
  Trap("IPanelCCallback::QueryInterface");
}
UINT32 GpsBridge::PanelObject::GetVersion() { Trap("IPanelCCallback::GetVersion"); }
IAircraftCCallback* GpsBridge::PanelObject::CreateAircraftCCallback(UINT32) {
  Trap("IPanelCCallback::CreateAircraftCCallback");
}
bool GpsBridge::PanelObject::ConvertPropertyToString(SINT32, const char**) {
  Trap("IPanelCCallback::ConvertPropertyToString");
}
bool GpsBridge::PanelObject::GetPropertyUnits(SINT32, UINT32*) {
  Trap("IPanelCCallback::GetPropertyUnits");
}

bool GpsBridge::PanelObject::ConvertStringToProperty(const char* keyword, SINT32* property_id) {
  HostService service;
  const std::string_view name = keyword == nullptr ? std::string_view() : keyword;
  if (const auto known = bridge_.ids_.find(name); known != bridge_.ids_.end()) {
    *property_id = known->second;
    return true;
  }
  bridge_.names_.emplace_back(name);
  *property_id = static_cast<SINT32>(bridge_.names_.size());
  bridge_.ids_.emplace(name, *property_id);
  return true;
}

// ---------------------------------------------------------------------------
// Aircraft object: hands out the one gauge object.

UINT32 GpsBridge::AircraftObject::AddRef() { Trap("IAircraftCCallback::AddRef"); }
UINT32 GpsBridge::AircraftObject::Release() { Trap("IAircraftCCallback::Release"); }
PVOID GpsBridge::AircraftObject::QueryInterface(const char*) {
  Trap("IAircraftCCallback::QueryInterface");
}
void GpsBridge::AircraftObject::Update() { Trap("IAircraftCCallback::Update"); }

IGaugeCCallback* GpsBridge::AircraftObject::CreateGaugeCCallback() { return &bridge_.gauge_; }

// ---------------------------------------------------------------------------
// Gauge object: reads and writes properties of the GPS module.

UINT32 GpsBridge::GaugeObject::AddRef() { Trap("IGaugeCCallback::AddRef"); }
UINT32 GpsBridge::GaugeObject::Release() { Trap("IGaugeCCallback::Release"); }
PVOID GpsBridge::GaugeObject::QueryInterface(const char*) {
  Trap("IGaugeCCallback::QueryInterface");
}
void GpsBridge::GaugeObject::Update() { Trap("IGaugeCCallback::Update"); }
PVOID GpsBridge::GaugeObject::CreateGaugeCDrawable(SINT32, PVOID) {
  Trap("IGaugeCCallback::CreateGaugeCDrawable");
}

bool GpsBridge::GaugeObject::GetPropertyValueText(SINT32 property_id, const char** value) {
  HostService service;
  bridge_.lastText_ = bridge_.gps_.GetText(bridge_.Name(property_id));
  *value = bridge_.lastText_.c_str();
  return true;
}

bool GpsBridge::GaugeObject::GetPropertyValueNumber(SINT32 property_id, FLOAT64* value) {
  HostService service;
  *value = bridge_.gps_.GetNumber(bridge_.Name(property_id));
  return true;
}

bool GpsBridge::GaugeObject::SetPropertyValueText(SINT32 property_id, const char* value) {
  HostService service;
  bridge_.gps_.SetText(bridge_.Name(property_id),
                       value == nullptr ? std::string() : std::string(value));
  return true;
}

bool GpsBridge::GaugeObject::SetPropertyValueNumber(SINT32 property_id, FLOAT64 value) {
  HostService service;
  bridge_.gps_.SetNumber(bridge_.Name(property_id), value);
  return true;
}

}  // namespace sim
