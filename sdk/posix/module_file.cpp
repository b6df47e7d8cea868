// GetModuleFileNameA off Windows, and the call of the module's entry point
// when the module is loaded.
#include <dlfcn.h>

#include <cstring>

#include "sdk/win32_api.h"

namespace {

// An address inside this module: it names the module to dladdr.
const char moduleAnchor = 0;

__attribute__((constructor)) void AttachModule() {
  DllMain(const_cast<char*>(&moduleAnchor), DLL_PROCESS_ATTACH, nullptr);
}

}  // namespace

DWORD GetModuleFileNameA(HMODULE module, LPSTR file_name, DWORD size) {
  if (file_name == nullptr || size == 0) return 0;
  Dl_info info{};
  const void* address = module != nullptr ? module : &moduleAnchor;
  if (dladdr(address, &info) == 0 || info.dli_fname == nullptr) {
    file_name[0] = '\0';
    return 0;
  }
  std::size_t length = std::strlen(info.dli_fname);
  if (length > size - 1) length = size - 1;
  std::memcpy(file_name, info.dli_fname, length);
  file_name[length] = '\0';
  return static_cast<DWORD>(length);
}
