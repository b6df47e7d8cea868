#include "sim/host/module_library.h"

#include <atomic>
#include <chrono>
#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace sim {
namespace {

fs::path FreshFolder() {
  static std::atomic<int> counter{0};
#ifdef _WIN32
  const long process = static_cast<long>(GetCurrentProcessId());
#else
  const long process = static_cast<long>(getpid());
#endif
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  for (;;) {
    fs::path folder =
        fs::temp_directory_path() / ("skelbor-host-" + std::to_string(process) + "-" +
                                     std::to_string(stamp) + "-" + std::to_string(counter++));
    if (fs::create_directory(folder)) return folder;
  }
}

// Why a file cannot be this build's module, found before anything is copied;
// empty when the loader may try it.
std::string ProblemWith(const fs::path& module_file) {
  std::error_code error;
  if (!fs::exists(module_file, error)) return "no such file";
  if (!fs::is_regular_file(module_file, error)) return "not a file";
  char magic[4] = {};
  if (!std::ifstream(module_file, std::ios::binary).read(magic, sizeof magic)) {
    return "too short to be a module";
  }
  const bool windows_dll = magic[0] == 'M' && magic[1] == 'Z';
#ifdef _WIN32
  if (!windows_dll) return "not a Windows DLL";
#else
  if (windows_dll) return "a Windows DLL: the bench loads the native build";
  if (std::memcmp(magic,
                  "\x7f"
                  "ELF",
                  sizeof magic) != 0)
    return "not a shared object";
  // The native build carries its bitmap resources as files beside it.
  for (const char* bitmap : {"256.bmp", "512.bmp", "513.bmp", "768.bmp"}) {
    if (!fs::is_regular_file(module_file.parent_path() / bitmap, error))
      return std::string(bitmap) + " must be beside the module";
  }
#endif
  return "";
}

// Loads the private copy; a failure names the file the user gave.
void* OpenLibrary(const fs::path& copy, const fs::path& module_file) {
#ifdef _WIN32
  void* handle = LoadLibraryA(copy.string().c_str());
  if (handle == nullptr) {
    throw std::runtime_error("cannot load the module " + module_file.string() + ": Windows error " +
                             std::to_string(GetLastError()));
  }
#else
  void* handle = dlopen(copy.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    // The loader names the private copy; the user knows the file they gave.
    std::string reason = dlerror();
    for (std::size_t at; (at = reason.find(copy.string())) != std::string::npos;)
      reason.replace(at, copy.string().size(), module_file.string());
    throw std::runtime_error("cannot load the module: " + reason);
  }
#endif
  return handle;
}

}  // namespace

ModuleLibrary::ModuleLibrary(const fs::path& module_file, const std::string& settings) {
  if (const std::string problem = ProblemWith(module_file); !problem.empty())
    throw std::runtime_error("cannot load the module " + module_file.string() + ": " + problem);
  folder_ = FreshFolder();
  try {
    file_ = folder_ / module_file.filename();
    fs::copy_file(module_file, file_);
    // Off Windows the bitmaps are files beside the module.
    const fs::path beside = module_file.has_parent_path() ? module_file.parent_path() : ".";
    for (const auto& entry : fs::directory_iterator(beside)) {
      if (entry.path().extension() == ".bmp")
        fs::copy_file(entry.path(), folder_ / entry.path().filename());
    }
    if (!settings.empty()) {
      std::ofstream(SettingsFile(), std::ios::binary) << settings;
    }
    handle_ = OpenLibrary(file_, module_file);
  } catch (...) {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
    throw;
  }
}

ModuleLibrary::~ModuleLibrary() {
#ifdef _WIN32
  if (handle_ != nullptr) FreeLibrary(static_cast<HMODULE>(handle_));
#else
  if (handle_ != nullptr) dlclose(handle_);
#endif
  std::error_code ignored;
  fs::remove_all(folder_, ignored);
}

void* ModuleLibrary::Symbol(const char* name) const {
#ifdef _WIN32
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle_), name));
#else
  return dlsym(handle_, name);
#endif
}

std::vector<std::uint8_t> ModuleLibrary::BitmapResource(int id) const {
#ifdef _WIN32
  const HMODULE module = static_cast<HMODULE>(handle_);
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), reinterpret_cast<LPCSTR>(RT_BITMAP));
  if (found == nullptr) return {};
  HGLOBAL loaded = LoadResource(module, found);
  const auto* bytes = static_cast<const std::uint8_t*>(LockResource(loaded));
  if (bytes == nullptr) return {};
  return std::vector<std::uint8_t>(bytes, bytes + SizeofResource(module, found));
#else
  constexpr std::size_t kFileHeaderSize = 14;
  std::ifstream file(folder_ / (std::to_string(id) + ".bmp"), std::ios::binary);
  if (!file) return {};
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                                  std::istreambuf_iterator<char>());
  if (bytes.size() <= kFileHeaderSize || bytes[0] != 'B' || bytes[1] != 'M') return {};
  bytes.erase(bytes.begin(), bytes.begin() + kFileHeaderSize);
  return bytes;
#endif
}

fs::path ModuleLibrary::SettingsFile() const {
  fs::path settings = file_;
  settings.replace_extension(".ini");
  return settings;
}

}  // namespace sim
