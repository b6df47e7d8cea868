// The registered-callback objects through which a gauge reaches another
// module of the simulator by name (the GPS module registers as "fs9gps").
// The host owns the objects; the module only calls them.
//
// The host's compiler lays these interfaces out: calls are thiscall (the
// object in ECX, the callee pops), and the table slots come in the order
// declared here. That compiler places overloads of one name in reverse order,
// so the text getter and setter come before the number ones; the methods have
// distinct names here so that declaration order is slot order. There are no
// virtual destructors: they would add slots.
#pragma once

#include "gauges.h"

#if SKELBOR_HOST_ABI
#define SKELBOR_THISCALL __attribute__((thiscall))
#else
#define SKELBOR_THISCALL
#endif

class IAircraftCCallback;
class IGaugeCCallback;

// Slots 0 to 2 of every callback object.
class ICallbackObject {
 public:
  virtual UINT32 SKELBOR_THISCALL AddRef() = 0;
  virtual UINT32 SKELBOR_THISCALL Release() = 0;
  virtual PVOID SKELBOR_THISCALL QueryInterface(const char* name) = 0;

 protected:
  ~ICallbackObject() = default;
};

// A registered module's panel-side object: names become property ids.
class IPanelCCallback : public ICallbackObject {
 public:
  virtual UINT32 SKELBOR_THISCALL GetVersion() = 0;
  virtual IAircraftCCallback* SKELBOR_THISCALL CreateAircraftCCallback(UINT32 container_id) = 0;
  virtual bool SKELBOR_THISCALL ConvertStringToProperty(const char* keyword,
                                                        SINT32* property_id) = 0;
  virtual bool SKELBOR_THISCALL ConvertPropertyToString(SINT32 property_id,
                                                        const char** keyword) = 0;
  virtual bool SKELBOR_THISCALL GetPropertyUnits(SINT32 property_id, UINT32* units) = 0;

 protected:
  ~IPanelCCallback() = default;
};

// A registered module's aircraft-side object: hands out gauge objects.
class IAircraftCCallback : public ICallbackObject {
 public:
  virtual IGaugeCCallback* SKELBOR_THISCALL CreateGaugeCCallback() = 0;
  virtual void SKELBOR_THISCALL Update() = 0;

 protected:
  ~IAircraftCCallback() = default;
};

// The per-gauge object on which properties are read and written. Text that a
// read yields belongs to the registered module and stays valid until its next
// access.
class IGaugeCCallback : public ICallbackObject {
 public:
  virtual void SKELBOR_THISCALL Update() = 0;
  virtual bool SKELBOR_THISCALL GetPropertyValueText(SINT32 property_id, const char** value) = 0;
  virtual bool SKELBOR_THISCALL GetPropertyValueNumber(SINT32 property_id, FLOAT64* value) = 0;
  virtual bool SKELBOR_THISCALL SetPropertyValueText(SINT32 property_id, const char* value) = 0;
  virtual bool SKELBOR_THISCALL SetPropertyValueNumber(SINT32 property_id, FLOAT64 value) = 0;
  virtual PVOID SKELBOR_THISCALL CreateGaugeCDrawable(SINT32 drawable_id, PVOID parameters) = 0;

 protected:
  ~IGaugeCCallback() = default;
};
