// The registered-callback objects through which a gauge reaches another
// module of the simulator by name (the GPS module registers as "fs9gps").
// The host owns the objects; the module only calls them.
#pragma once

#include "gauges.h"

// A registered module's panel-side object: names become property ids.
class IPanelCCallback {
 public:
  virtual BOOL ConvertStringToProperty(const char* key_name, SINT32* property_id) = 0;

 protected:
  ~IPanelCCallback() = default;
};

// The per-gauge object on which properties are read and written. Text that a
// read yields belongs to the registered module and stays valid until its next
// access.
class IGaugeCCallback {
 public:
  virtual BOOL GetPropertyValue(SINT32 property_id, FLOAT64* value) = 0;
  virtual BOOL GetPropertyValue(SINT32 property_id, const char** value) = 0;
  virtual BOOL SetPropertyValue(SINT32 property_id, FLOAT64 value) = 0;
  virtual BOOL SetPropertyValue(SINT32 property_id, const char* value) = 0;

 protected:
  ~IGaugeCCallback() = default;
};

// A registered module's aircraft-side object: hands out gauge objects.
class IAircraftCCallback {
 public:
  virtual IGaugeCCallback* CreateGaugeCCallback() = 0;

 protected:
  ~IAircraftCCallback() = default;
};
