// skelbor-bench: the substitute simulator from the command line.
//   skelbor-bench demo [--out DIR] [--world DIR] [--module FILE]
//     shows every page, flies to Seattle-Tacoma under the gauge's steering and
//     writes the pictures, the log and the plot of the flight;
//   skelbor-bench run FILE [--module FILE]
//     runs a bench script (exit 0 all expectations held, 1 one failed,
//     2 the script is faulty).
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "sim/bench/demo.h"
#include "sim/bench/script_runner.h"
#include "sim/serve/serve.h"

namespace {

constexpr int kUsageError = 2;

void Usage() {
  std::fprintf(stderr,
               "usage: skelbor-bench demo [--out DIR] [--world DIR] [--module FILE]\n"
               "       skelbor-bench run SCRIPT [--module FILE]\n"
               "       skelbor-bench serve [--world DIR] [--module FILE] [--port N] [--open]\n"
               "  --world DIR: apt.dat and nav.dat (plain or .gz) instead of the bundled data\n");
}

int RunScript(const std::filesystem::path& script_file, const std::filesystem::path& module) {
  std::ifstream script(script_file);
  if (!script) {
    std::fprintf(stderr, "skelbor-bench: cannot read %s\n", script_file.string().c_str());
    return bench::kBadScript;
  }
  bench::ScriptRunner runner(module, bench::ScriptRunner::WorldFiles::InFolder(SKELBOR_DATA_DIR),
                             std::cout, std::cerr);
  return runner.Run(script);
}

int Demo(bench::DemoOptions options) {
  const bench::DemoOutcome outcome =
      bench::RunDemo(options, std::cout, isatty(STDERR_FILENO) ? &std::cerr : nullptr);
  std::cout << "\nwrote:\n";
  for (const std::filesystem::path& file : outcome.files)
    std::cout << "  " << file.string() << "\n";
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 2 && std::strcmp(argv[1], "serve") == 0) {
    return serve::ServeCommand(argc - 1, argv + 1, SKELBOR_MODULE_FILE,
                               bench::ScriptRunner::WorldFiles::InFolder(SKELBOR_DATA_DIR));
  }
  const bool demo = argc >= 2 && std::strcmp(argv[1], "demo") == 0;
  const bool run = argc >= 3 && std::strcmp(argv[1], "run") == 0;
  if (!demo && !run) {
    Usage();
    return kUsageError;
  }
  bench::DemoOptions options;
  options.moduleFile = SKELBOR_MODULE_FILE;
  options.world = bench::ScriptRunner::WorldFiles::InFolder(SKELBOR_DATA_DIR);
  options.outFolder = "skelbor-demo";
  for (int i = run ? 3 : 2; i < argc; ++i) {
    const bool has_value = i + 1 < argc;
    if (std::strcmp(argv[i], "--module") == 0 && has_value) {
      options.moduleFile = argv[++i];
    } else if (demo && std::strcmp(argv[i], "--out") == 0 && has_value) {
      options.outFolder = argv[++i];
    } else if (demo && std::strcmp(argv[i], "--world") == 0 && has_value) {
      options.world = bench::ScriptRunner::WorldFiles::InFolder(argv[++i]);
      if (!options.world.Exist()) {
        std::fprintf(stderr, "skelbor-bench: no apt.dat(.gz) and nav.dat(.gz) in %s\n", argv[i]);
        return kUsageError;
      }
    } else {
      Usage();
      return kUsageError;
    }
  }
  try {
    return run ? RunScript(argv[2], options.moduleFile) : Demo(options);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "skelbor-bench: %s\n", error.what());
    return 1;
  }
}
