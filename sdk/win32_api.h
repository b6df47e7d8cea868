// The Windows functions the module calls. On Windows they come from the
// system; elsewhere sdk/ provides them with the same names and meaning.
#pragma once

#include "gauges.h"

#ifndef _WIN32
#include <cstdint>

using DWORD = std::uint32_t;
using UINT = unsigned int;
using LPCSTR = const char*;
using LPSTR = char*;
using HMODULE = void*;
using HINSTANCE = void*;

constexpr BOOL FALSE = 0;
constexpr BOOL TRUE = 1;

constexpr DWORD DLL_PROCESS_DETACH = 0;
constexpr DWORD DLL_PROCESS_ATTACH = 1;

// The module file that contains the address `module` (any address inside a
// loaded module names it); the path is cut to `size` - 1 characters.
DWORD GetModuleFileNameA(HMODULE module, LPSTR file_name, DWORD size);

// Windows private-profile (INI file) semantics: section and key names match
// without regard to case, blanks around names and values are ignored, a
// missing file, section or key yields the default, and a value is cut to
// `size` - 1 characters.
DWORD GetPrivateProfileStringA(LPCSTR app_name, LPCSTR key_name, LPCSTR default_value,
                               LPSTR returned, DWORD size, LPCSTR file_name);
UINT GetPrivateProfileIntA(LPCSTR app_name, LPCSTR key_name, int default_value, LPCSTR file_name);
// Creates file, section or key as needed and replaces the value; every other
// line of the file is kept. The file is replaced atomically.
BOOL WritePrivateProfileStringA(LPCSTR app_name, LPCSTR key_name, LPCSTR value, LPCSTR file_name);

// The module's entry point; off Windows the sdk calls it once when the module
// is loaded, with an address inside the module as its handle.
BOOL DllMain(HINSTANCE instance, DWORD reason, void* reserved);
#endif
