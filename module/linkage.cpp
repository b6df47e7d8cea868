// The record through which the simulator finds the module and its gauges, and
// the DLL entry point.
#include "cycle/gauge_state.h"
#include "module/exports.h"
#include "module/gauges.h"
#include "sdk/win32_api.h"

namespace {

void FSAPI ModuleDeinit() {}

}  // namespace

extern "C" {
SKELBOR_EXPORT GAUGESLINKAGE Linkage = {
    .ModuleID = 0x13,
    .ModuleInit = ModuleStartup,
    .ModuleDeinit = ModuleDeinit,
    .ModuleFlags = 0,
    .ModulePriority = 0,
    .ModuleVersion = 0x900,
    .gauge_header_ptr = {&gpsGaugeHeader, &iconGaugeHeader, nullptr},
};
}

// Whatever the reason, keep the instance handle: start-up finds the module's
// own file, and so its settings file, through it.
#ifdef _WIN32
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD /*reason*/, LPVOID /*reserved*/) {
#else
BOOL DllMain(HINSTANCE instance, DWORD /*reason*/, void* /*reserved*/) {
#endif
  gaugeState.moduleHandle = instance;
  return 1;
}
