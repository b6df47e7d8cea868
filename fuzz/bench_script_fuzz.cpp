// The bench's scenario-script runner on any script: every line runs, fails an
// expectation or stops the run with a message; nothing else escapes. Lines
// that name files (png, world) or the world's GPS module, and runs longer
// than a few seconds of sim time, are left out: they test the disk and the
// clock, not the runner.
//
// The runner loads the module afresh for each script. libFuzzer reads the
// coverage counters of every object it has seen for as long as it runs, so
// the module is never unloaded here: each later load gets the first copy
// back, with its writable data as it was right after that first load and the
// settings file the runner wrote beside the new copy.
#include <dlfcn.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>

#include "fuzz/module_snapshot.h"
#include "sim/bench/script_runner.h"

namespace {

struct LoadedModule {
  void* handle = nullptr;
  std::filesystem::path file;
  std::unique_ptr<fuzz::ModuleSnapshot> snapshot;
};

LoadedModule& Loaded() {
  static LoadedModule module;
  return module;
}

bool IsModule(const char* file) {
  return file != nullptr && std::string_view(file).ends_with("/skelbor.gau");
}

void* Reload(const std::filesystem::path& copy) {
  LoadedModule& module = Loaded();
  module.snapshot->Restore();
  namespace fs = std::filesystem;
  std::error_code ignored;
  fs::create_directories(module.file.parent_path(), ignored);
  const fs::path settings = fs::path(module.file).replace_extension(".ini");
  const fs::path written = fs::path(copy).replace_extension(".ini");
  fs::remove(settings, ignored);
  if (fs::exists(written)) fs::copy_file(written, settings, ignored);
  return module.handle;
}

bool Harmless(const std::string& script) {
  std::istringstream lines(script);
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream words(line);
    std::string command;
    words >> command;
    if (command == "png" || command == "world") return false;
    if (command == "gps" && line.find("world") != std::string::npos) return false;
    for (std::string word; words >> word;) {
      const bool long_run = command == "frames" || command == "seconds" || command == "click";
      if (long_run && word.find_first_not_of("0123456789.+-eE") == std::string::npos &&
          word.size() > 2)
        return false;
    }
  }
  return true;
}

}  // namespace

extern "C" void* dlopen(const char* file, int mode) {
  static const auto real =
      reinterpret_cast<void* (*)(const char*, int)>(dlsym(RTLD_NEXT, "dlopen"));
  if (!IsModule(file)) return real(file, mode);
  LoadedModule& module = Loaded();
  if (module.handle != nullptr) return Reload(file);
  module.handle = real(file, mode);
  if (module.handle != nullptr) {
    module.file = file;
    module.snapshot = std::make_unique<fuzz::ModuleSnapshot>(module.file);
  }
  return module.handle;
}

extern "C" int dlclose(void* handle) {
  static const auto real = reinterpret_cast<int (*)(void*)>(dlsym(RTLD_NEXT, "dlclose"));
  if (handle == Loaded().handle) return 0;
  return real(handle);
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string script(reinterpret_cast<const char*>(data), size);
  if (!Harmless(script)) return 0;
  std::ostringstream out;
  std::ostringstream err;
  bench::ScriptRunner runner(SKELBOR_MODULE_FILE, {}, out, err);
  std::istringstream in("gps scripted\n" + script);
  const int status = runner.Run(in);
  if (status != bench::kAllHeld && status != bench::kExpectationFailed &&
      status != bench::kBadScript)
    std::abort();
  return 0;
}
