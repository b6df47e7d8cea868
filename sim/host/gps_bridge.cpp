#include "sim/host/gps_bridge.h"

#include "sim/host/heap_counter.h"

namespace sim {

BOOL GpsBridge::ConvertStringToProperty(const char* key_name, SINT32* property_id) {
  HostService service;
  const std::string name = key_name == nullptr ? std::string() : key_name;
  for (std::size_t i = 0; i < names_.size(); ++i) {
    if (names_[i] == name) {
      *property_id = static_cast<SINT32>(i + 1);
      return 1;
    }
  }
  names_.push_back(name);
  *property_id = static_cast<SINT32>(names_.size());
  return 1;
}

const std::string& GpsBridge::Name(SINT32 property_id) const {
  static const std::string unknown;
  if (property_id < 1 || static_cast<std::size_t>(property_id) > names_.size()) return unknown;
  return names_[static_cast<std::size_t>(property_id) - 1];
}

BOOL GpsBridge::GetPropertyValue(SINT32 property_id, FLOAT64* value) {
  HostService service;
  *value = gps_.GetNumber(Name(property_id));
  return 1;
}

BOOL GpsBridge::GetPropertyValue(SINT32 property_id, const char** value) {
  HostService service;
  lastText_ = gps_.GetText(Name(property_id));
  *value = lastText_.c_str();
  return 1;
}

BOOL GpsBridge::SetPropertyValue(SINT32 property_id, FLOAT64 value) {
  HostService service;
  gps_.SetNumber(Name(property_id), value);
  return 1;
}

BOOL GpsBridge::SetPropertyValue(SINT32 property_id, const char* value) {
  HostService service;
  gps_.SetText(Name(property_id), value == nullptr ? std::string() : std::string(value));
  return 1;
}

}  // namespace sim
