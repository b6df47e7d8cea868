// skelbor-bench: the substitute simulator from the command line. Each command
// is a subcommand with its own options; `skelbor-bench --help` lists them.
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "sim/bench/bench_files.h"
#include "sim/bench/demo.h"
#include "sim/bench/script_runner.h"
#include "sim/serve/serve.h"

namespace {

namespace fs = std::filesystem;
using WorldFiles = bench::ScriptRunner::WorldFiles;

constexpr int kUsageError = 2;
constexpr int kFailed = 1;

// Two numbers written A/B, e.g. "30/225"; empty when the text is not that.
std::optional<std::pair<double, double>> PairOf(const std::string& text) {
  const std::size_t slash = text.find('/');
  if (slash == std::string::npos || slash == 0 || slash + 1 == text.size()) return std::nullopt;
  double first = 0.0;
  double second = 0.0;
  const char* begin = text.data();
  const char* end = text.data() + text.size();
  const auto [first_end, first_fault] = std::from_chars(begin, begin + slash, first);
  const auto [second_end, second_fault] = std::from_chars(begin + slash + 1, end, second);
  if (first_fault != std::errc() || first_end != begin + slash || second_fault != std::errc() ||
      second_end != end) {
    return std::nullopt;
  }
  return std::pair{first, second};
}

// A CLI11 check that a value is two numbers A/B within bounds.
CLI::Validator PairWithin(const char* form, double first_low, double first_high, double second_low,
                          double second_high) {
  return CLI::Validator(
      [=](std::string& text) -> std::string {
        const auto pair = PairOf(text);
        if (!pair || pair->first < first_low || pair->first > first_high ||
            pair->second < second_low || pair->second > second_high) {
          return "\"" + text + "\" is not " + form;
        }
        return "";
      },
      "");
}

// A folder of navigation data; empty when it holds none.
CLI::Validator WorldFolder() {
  return CLI::Validator(
      [](std::string& folder) -> std::string {
        if (WorldFiles::InFolder(folder).Exist()) return "";
        return "no apt.dat(.gz) and nav.dat(.gz) or earth_nav.dat(.gz) in " + folder;
      },
      "");
}

int RunScript(const std::string& script_name, const fs::path& module, const WorldFiles& world,
              bool json) {
  bench::ScriptRunner runner(module, world, std::cout, std::cerr);
  runner.PrintJson(json);
  int status = bench::kAllHeld;
  if (script_name == "-") {
    status = runner.Run(std::cin, {"stdin", fs::current_path(), true});
  } else {
    std::ifstream script(script_name, std::ios::binary);
    if (!script) {
      std::cerr << "skelbor-bench: cannot read " << script_name << "\n";
      return bench::kBadScript;
    }
    const fs::path folder = fs::path(script_name).parent_path();
    status = runner.Run(script, {script_name, folder.empty() ? fs::path(".") : folder});
  }
  std::cerr << runner.Summary() << "\n";
  return status;
}

int Demo(const bench::DemoOptions& options) {
  const bench::DemoOutcome outcome =
      bench::RunDemo(options, std::cout, isatty(STDERR_FILENO) ? &std::cerr : nullptr);
  std::cout << "\nwrote:\n";
  for (const fs::path& file : outcome.files) std::cout << "  " << file.string() << "\n";
  return 0;
}

// What every command that loads the module over navigation data takes.
struct ModuleAndWorld {
  std::string module;
  std::string world;  // the folder of the data `world builtin` and the demo read
};

void AddModuleAndWorld(CLI::App& command, ModuleAndWorld& chosen) {
  command.add_option("--module", chosen.module, "the native skelbor.gau to load")
      ->type_name("FILE")
      ->capture_default_str();
  command
      .add_option("--world", chosen.world,
                  "folder of apt.dat and nav.dat or earth_nav.dat (plain or .gz) to read instead "
                  "of the bundled data")
      ->check(WorldFolder())
      ->type_name("DIR");
}

// Each command's options fill its settings; its callback leaves the work to
// do in `action`, run once the whole command line is parsed.
using Action = std::function<int()>;

void AddDemoCommand(CLI::App& app, const ModuleAndWorld& defaults, Action& action) {
  struct Settings {
    ModuleAndWorld where;
    bench::DemoOptions demo;
    std::string start = "30/225";
    std::string wind = "300/25";
  };
  auto settings = std::make_shared<Settings>();
  settings->where = defaults;
  settings->demo.outFolder = "skelbor-demo";
  CLI::App* command = app.add_subcommand(
      "demo",
      "shows every page, flies to the airport under the gauge's steering and writes the "
      "pictures, the log, GPX and CSV tracks and the plot of the flight");
  command->add_option("--out", settings->demo.outFolder, "folder of the files written (created)")
      ->type_name("DIR")
      ->capture_default_str();
  command->add_option("--airport", settings->demo.airport, "ident of the airport to fly to")
      ->transform(CLI::Validator(
          [](std::string& ident) -> std::string {
            for (char& c : ident)
              c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            const bool ok = !ident.empty() && ident.size() <= 4 &&
                            ident.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789") ==
                                std::string::npos;
            return ok ? ""
                      : "\"" + ident + "\" is not an airport ident of 1 to 4 letters and digits";
          },
          ""))
      ->type_name("ICAO")
      ->capture_default_str();
  command
      ->add_option("--start", settings->start,
                   "NM/BEARING: the start, distance and true bearing from it")
      ->check(PairWithin("NM/BEARING with NM from 3 to 200, BEARING from 0 to 360", 3, 200, 0, 360))
      ->type_name("NM/BEARING")
      ->capture_default_str();
  command
      ->add_option("--wind", settings->wind,
                   "FROM/KNOTS: the true direction it blows from and its speed")
      ->check(PairWithin("FROM/KNOTS with FROM from 0 to 360, KNOTS from 0 to 100", 0, 360, 0, 100))
      ->type_name("FROM/KNOTS")
      ->capture_default_str();
  AddModuleAndWorld(*command, settings->where);
  command->callback([settings, &action] {
    action = [settings] {
      bench::DemoOptions& demo = settings->demo;
      demo.moduleFile = settings->where.module;
      demo.world = WorldFiles::InFolder(settings->where.world);
      std::tie(demo.startNm, demo.startBearing) = *PairOf(settings->start);
      std::tie(demo.windFrom, demo.windKnots) = *PairOf(settings->wind);
      return Demo(demo);
    };
  });
}

void AddRunCommand(CLI::App& app, const ModuleAndWorld& defaults, Action& action) {
  struct Settings {
    ModuleAndWorld where;
    std::string script;
    bool json = false;
  };
  auto settings = std::make_shared<Settings>();
  settings->where = defaults;
  CLI::App* command = app.add_subcommand(
      "run",
      "runs a bench script (exit 0 every expectation held, 1 one failed, 2 the script is "
      "faulty)");
  command
      ->add_option("SCRIPT", settings->script,
                   "the script file, or - to read commands as they come")
      ->type_name("SCRIPT")
      ->required();
  command->add_flag("--json", settings->json,
                    "screen, keys, tooltip, aircraft? and flightplan print one JSON object a line");
  AddModuleAndWorld(*command, settings->where);
  command->callback([settings, &action] {
    action = [settings] {
      return RunScript(settings->script, settings->where.module,
                       WorldFiles::InFolder(settings->where.world), settings->json);
    };
  });
}

void AddServeCommand(CLI::App& app, const ModuleAndWorld& defaults, Action& action) {
  struct Settings {
    ModuleAndWorld where;
    serve::ServeOptions serve;
    std::string settingsFile;
  };
  auto settings = std::make_shared<Settings>();
  settings->where = defaults;
  CLI::App* command = app.add_subcommand(
      "serve", "runs the gauge live in a web page: click, hover and hold its buttons, fly ACT");
  command->add_option("--port", settings->serve.port, "the port on 127.0.0.1; 0 takes a free one")
      ->check(CLI::Range(0, 65535))
      ->capture_default_str();
  command->add_flag("--open", settings->serve.open, "opens the page in the desktop's browser");
  command
      ->add_option("--settings", settings->settingsFile,
                   "the settings file: read at the start, written back whole at a clean stop")
      ->type_name("FILE");
  command
      ->add_option("--listen", settings->serve.listen,
                   "the address to serve on instead of 127.0.0.1, for other machines")
      ->type_name("ADDRESS");
  AddModuleAndWorld(*command, settings->where);
  command->callback([settings, &action] {
    action = [settings] {
      serve::ServeOptions& options = settings->serve;
      options.moduleFile = settings->where.module;
      options.world = WorldFiles::InFolder(settings->where.world);
      if (!settings->settingsFile.empty()) options.settingsFile = settings->settingsFile;
      return serve::Serve(options);
    };
  });
}

}  // namespace

int main(int argc, char** argv) {
  const bench::BenchFiles files = bench::BenchFilesBeside(bench::ExecutableFolder());
  const ModuleAndWorld defaults{files.module.string(), files.data.string()};
  CLI::App app{"skelbor-bench " SKELBOR_VERSION
               ": the skelbor gauge in the substitute simulator, from the command line",
               "skelbor-bench"};
  app.set_version_flag("--version", "skelbor-bench " SKELBOR_VERSION);
  app.require_subcommand(1);
  app.fallthrough(false);
  Action action;
  AddDemoCommand(app, defaults, action);
  AddRunCommand(app, defaults, action);
  AddServeCommand(app, defaults, action);

  // CLI11 would only say that a command is missing.
  std::string commands;
  bool known = false;
  for (CLI::App* command : app.get_subcommands({})) {
    commands += (commands.empty() ? "" : ", ") + command->get_name();
    known = known || (argc > 1 && command->check_name(argv[1]));
  }
  if (argc > 1 && argv[1][0] != '-' && !known) {
    std::cerr << "skelbor-bench: \"" << argv[1] << "\" is not a command (" << commands << ")\n";
    return kUsageError;
  }
  try {
    app.parse(argc, argv);
  } catch (const CLI::Success& success) {
    return app.exit(success, std::cout, std::cerr);
  } catch (const CLI::ParseError& error) {
    std::cerr << "skelbor-bench: " << error.what() << "\n"
              << "Run skelbor-bench --help (or skelbor-bench COMMAND --help) for more.\n";
    return kUsageError;
  }
  try {
    return action();
  } catch (const std::exception& error) {
    std::cerr << "skelbor-bench: " << error.what() << "\n";
    return kFailed;
  }
}
