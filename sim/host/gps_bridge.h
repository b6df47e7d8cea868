// The registered-callback objects the host hands out for "fs9gps", answering
// from a pluggable GpsModule.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "sdk/gps_callbacks.h"
#include "sim/gps/gps_module.h"

namespace sim {

class GpsBridge : public IPanelCCallback, public IAircraftCCallback, public IGaugeCCallback {
 public:
  explicit GpsBridge(GpsModule& gps) : gps_(gps) {}
  virtual ~GpsBridge() = default;

  BOOL ConvertStringToProperty(const char* key_name, SINT32* property_id) override;
  IGaugeCCallback* CreateGaugeCCallback() override { return this; }
  BOOL GetPropertyValue(SINT32 property_id, FLOAT64* value) override;
  BOOL GetPropertyValue(SINT32 property_id, const char** value) override;
  BOOL SetPropertyValue(SINT32 property_id, FLOAT64 value) override;
  BOOL SetPropertyValue(SINT32 property_id, const char* value) override;

  IPanelCCallback* PanelCallback() { return this; }
  IAircraftCCallback* AircraftCallback() { return this; }

 private:
  const std::string& Name(SINT32 property_id) const;

  GpsModule& gps_;
  std::vector<std::string> names_;  // id - 1 → name
  std::string lastText_;            // valid until the next access
};

}  // namespace sim
