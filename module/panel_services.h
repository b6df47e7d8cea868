// The host's panel services, reached through the PANELS table whose address
// the host writes into ImportTable before it calls the module.
#pragma once

#include "sdk/gauges.h"

extern "C" IMPORTTABLE ImportTable;

inline PANELS* Panels() { return static_cast<PANELS*>(ImportTable.PANELSentry.fnptr); }

inline void LookupVar(MODULE_VAR& variable) { Panels()->lookup_var(&variable); }

inline void SendKeyEvent(UINT32 event_id, UINT32 value) {
  Panels()->send_key_event(event_id, value);
}

// Key events the module sends.
constexpr UINT32 kKeyTogglePanelWindow = 0x103CA;
constexpr UINT32 kKeyAutopilotOn = 0x10100;
constexpr UINT32 kKeyHeadingHoldToggle = 0x100BD;
constexpr UINT32 kKeySetHeadingBug = 0x101FA;
constexpr UINT32 kKeyHeadingHoldOff = 0x10117;
