#include "sim/host/module_library.h"

#include <atomic>
#include <chrono>
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

}  // namespace

ModuleLibrary::ModuleLibrary(const fs::path& module_file, const std::string& settings) {
  if (!fs::exists(module_file))
    throw std::runtime_error("module file not found: " + module_file.string());
  folder_ = FreshFolder();
  file_ = folder_ / module_file.filename();
  fs::copy_file(module_file, file_);
  // Off Windows the bitmaps are files beside the module.
  for (const auto& entry : fs::directory_iterator(module_file.parent_path())) {
    if (entry.path().extension() == ".bmp")
      fs::copy_file(entry.path(), folder_ / entry.path().filename());
  }
  if (!settings.empty()) {
    std::ofstream(SettingsFile(), std::ios::binary) << settings;
  }
#ifdef _WIN32
  handle_ = LoadLibraryA(file_.string().c_str());
  if (handle_ == nullptr) throw std::runtime_error("cannot load module " + file_.string());
#else
  handle_ = dlopen(file_.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle_ == nullptr) throw std::runtime_error(std::string("cannot load module: ") + dlerror());
#endif
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
