// The registered-callback objects the host hands out for "fs9gps", answering
// from a pluggable GpsModule. Each implements its whole interface in the
// host's slot order; the methods the module has no use for are traps.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "sdk/gps_callbacks.h"
#include "sim/gps/gps_module.h"

namespace sim {

class GpsBridge {
 public:
  explicit GpsBridge(GpsModule& gps) : panel_(*this), aircraft_(*this), gauge_(*this), gps_(gps) {}
  GpsBridge(const GpsBridge&) = delete;
  GpsBridge& operator=(const GpsBridge&) = delete;

  IPanelCCallback* PanelCallback() { return &panel_; }
  IAircraftCCallback* AircraftCallback() { return &aircraft_; }

 private:
  class PanelObject final : public IPanelCCallback {
   public:
    explicit PanelObject(GpsBridge& bridge) : bridge_(bridge) {}
    UINT32 SKELBOR_THISCALL AddRef() override;
    UINT32 SKELBOR_THISCALL Release() override;
    PVOID SKELBOR_THISCALL QueryInterface(const char* name) override;
    UINT32 SKELBOR_THISCALL GetVersion() override;
    IAircraftCCallback* SKELBOR_THISCALL CreateAircraftCCallback(UINT32 container_id) override;
    bool SKELBOR_THISCALL ConvertStringToProperty(const char* keyword,
                                                  SINT32* property_id) override;
    bool SKELBOR_THISCALL ConvertPropertyToString(SINT32 property_id,
                                                  const char** keyword) override;
    bool SKELBOR_THISCALL GetPropertyUnits(SINT32 property_id, UINT32* units) override;

   private:
    GpsBridge& bridge_;
  };

  class AircraftObject final : public IAircraftCCallback {
   public:
    explicit AircraftObject(GpsBridge& bridge) : bridge_(bridge) {}
    UINT32 SKELBOR_THISCALL AddRef() override;
    UINT32 SKELBOR_THISCALL Release() override;
    PVOID SKELBOR_THISCALL QueryInterface(const char* name) override;
    IGaugeCCallback* SKELBOR_THISCALL CreateGaugeCCallback() override;
    void SKELBOR_THISCALL Update() override;

   private:
    GpsBridge& bridge_;
  };

  class GaugeObject final : public IGaugeCCallback {
   public:
    explicit GaugeObject(GpsBridge& bridge) : bridge_(bridge) {}
    UINT32 SKELBOR_THISCALL AddRef() override;
    UINT32 SKELBOR_THISCALL Release() override;
    PVOID SKELBOR_THISCALL QueryInterface(const char* name) override;
    void SKELBOR_THISCALL Update() override;
    bool SKELBOR_THISCALL GetPropertyValueText(SINT32 property_id, const char** value) override;
    bool SKELBOR_THISCALL GetPropertyValueNumber(SINT32 property_id, FLOAT64* value) override;
    bool SKELBOR_THISCALL SetPropertyValueText(SINT32 property_id, const char* value) override;
    bool SKELBOR_THISCALL SetPropertyValueNumber(SINT32 property_id, FLOAT64 value) override;
    PVOID SKELBOR_THISCALL CreateGaugeCDrawable(SINT32 drawable_id, PVOID parameters) override;

   private:
    GpsBridge& bridge_;
  };

  const std::string& Name(SINT32 property_id) const;

  PanelObject panel_;
  AircraftObject aircraft_;
  GaugeObject gauge_;
  GpsModule& gps_;
  // The module converts a name on every access: found by its characters,
  // without making a string of them.
  struct NameHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view name) const {
      return std::hash<std::string_view>{}(name);
    }
  };
  std::vector<std::string> names_;  // id - 1 → name
  std::unordered_map<std::string, SINT32, NameHash, std::equal_to<>> ids_;
  std::string lastText_;  // valid until the next access
};

}  // namespace sim
