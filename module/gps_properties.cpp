#include "module/gps_properties.h"

#include "cycle/gauge_state.h"
#include "module/bounded_text.h"
#include "module/panel_services.h"
#include "sdk/gps_callbacks.h"

namespace {

constexpr const char* kGpsModuleName = "fs9gps";

// Names are converted on every access: the GPS module may renumber them.
bool ConvertName(const char* name) {
  gaugeState.propertyId = 0;
  if (gaugeState.gaugeCallback == nullptr) return false;
  if (gaugeState.panelCallback != nullptr) {
    gaugeState.panelCallback->ConvertStringToProperty(name, &gaugeState.propertyId);
  }
  return true;
}

}  // namespace

void BindGpsModule() {
  gaugeState.panelCallback =
      static_cast<IPanelCCallback*>(Panels()->panel_get_registered_c_callback(kGpsModuleName));
  gaugeState.aircraftCallback =
      static_cast<IAircraftCCallback*>(Panels()->panel_get_aircraft_c_callback(kGpsModuleName));
  gaugeState.gaugeCallback = nullptr;
  if (gaugeState.panelCallback != nullptr && gaugeState.aircraftCallback != nullptr) {
    gaugeState.gaugeCallback = gaugeState.aircraftCallback->CreateGaugeCCallback();
  }
}

double GetGpsNumber(const char* name) {
  double value = 0.0;
  if (ConvertName(name))
    gaugeState.gaugeCallback->GetPropertyValueNumber(gaugeState.propertyId, &value);
  return value;
}

const char* GetGpsString(const char* name) {
  const char* value = "";
  if (ConvertName(name))
    gaugeState.gaugeCallback->GetPropertyValueText(gaugeState.propertyId, &value);
  return value == nullptr ? "" : value;
}

void SetGpsNumber(const char* name, double value) {
  if (ConvertName(name))
    gaugeState.gaugeCallback->SetPropertyValueNumber(gaugeState.propertyId, value);
}

void SetGpsString(const char* name, const char* value) {
  if (ConvertName(name)) {
    gaugeState.gaugeCallback->SetPropertyValueText(gaugeState.propertyId,
                                                   value == nullptr ? "" : value);
  }
}

void PassGpsIcao(const char* to, const char* from) {
  char icao[kIcaoCapacity];
  CopyText(icao, GetGpsString(from));
  SetGpsString(to, icao);
}

bool FacilityValid() { return GetGpsNumber("FacilityValid") == 1.0; }
