// The bench's scenario-script runner on any script: every line runs, fails an
// expectation or stops the run with a message; nothing else escapes. Lines
// that name files (png, world) or the world's GPS module, and runs longer
// than a few seconds of sim time, are left out: they test the disk and the
// clock, not the runner.
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "sim/bench/script_runner.h"

namespace {

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
