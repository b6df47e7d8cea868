// What the module file exports: Linkage, ImportTable, GetICAO and SetICAO.
// The Windows build names them in skelbor.def; natively everything else is
// hidden by default.
#pragma once

#ifdef _WIN32
#define SKELBOR_EXPORT
#else
#define SKELBOR_EXPORT __attribute__((visibility("default")))
#endif
