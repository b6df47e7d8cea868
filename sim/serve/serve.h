// skelbor-bench serve: the live bench in a web page.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "sim/bench/script_runner.h"

namespace serve {

struct ServeOptions {
  std::filesystem::path moduleFile;
  bench::ScriptRunner::WorldFiles world;
  std::string listen = "127.0.0.1";
  int port = 8018;  // 0: any free port
  bool open = false;
  // Read at start and written back whole at a clean stop; none: a settings
  // file that names KSEA as the default airport, forgotten at the end.
  std::optional<std::filesystem::path> settingsFile;
};

// Serves until SIGINT or SIGTERM. Prints the page's address on stdout once
// it listens. Returns 0 after a clean stop, 1 when the port cannot be had or
// the module not loaded, 2 for faulty options.
int Serve(const ServeOptions& options);

}  // namespace serve
