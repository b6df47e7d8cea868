// skelbor-bench: the substitute simulator from the command line.
//   skelbor-bench demo [--module FILE]
//     loads the module as the simulator does and prints what the host sees;
//   skelbor-bench run FILE [--module FILE]
//     runs a bench script (exit 0 all expectations held, 1 one failed,
//     2 the script is faulty).
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "sim/bench/script_runner.h"
#include "sim/host/element_names.h"
#include "sim/host/panel.h"

namespace {

void PrintScreen(const sim::Gauge& gauge) {
  for (const sim::ElementView& element : gauge.Elements()) {
    if (element.hidden || element.type != ELEMENT_TYPE_STRING) continue;
    std::printf("  %-28s \"%s\"\n", std::string(sim::kGpsElementNames[element.index]).c_str(),
                element.text.c_str());
  }
}

void PrintTooltips(const sim::Gauge& gauge) {
  const char* const names[] = {"LAST", "<", ">", "V", "^", "PAGE", "ACT", "blank", "STO", "RCL"};
  for (int i = 0; i < 10; ++i) {
    const int x = 25 + 50 * (i % 5);
    const int y = i < 5 ? 92 : 117;
    std::printf("  %-5s %s\n", names[i], gauge.Tooltip(x, y).text.c_str());
  }
}

int Demo(const std::filesystem::path& module) {
  sim::PanelOptions options;
  options.moduleFile = module;
  options.settings = "[Default]\nDefaultICAO=KSEA\n";
  sim::Panel panel(options);
  std::printf("module %s\n", module.string().c_str());
  std::printf("exports: Linkage %s, ImportTable found, GetICAO %s, SetICAO %s\n",
              panel.Linkage().ModuleID == 0x13 ? "(module id 0x13)" : "(unexpected id)",
              panel.GetIcao != nullptr ? "found" : "missing",
              panel.SetIcao != nullptr ? "found" : "missing");
  for (GAUGEHDR* const* entry = panel.Linkage().gauge_header_ptr; *entry != nullptr; ++entry) {
    std::printf("gauge \"%s\", header version %u, %u mm wide\n", (*entry)->gauge_name,
                (*entry)->gauge_header_version, (*entry)->size_x_mm);
  }
  sim::Gauge& gps = panel.CreateGauge("gps", "", sim::Panel::kGpsWindow);
  panel.CreateGauge("icon", "");
  std::printf(
      "GPS module: none registered (the world's GPS module comes with the navigation data)\n");
  panel.RunFrames(18);
  std::printf("after one second, the display shows:\n");
  PrintScreen(gps);
  std::printf("tooltips:\n");
  PrintTooltips(gps);
  for (int press = 1; press <= 2; ++press) {
    gps.Click(25, 117, sim::MouseButton::kLeft);
    panel.RunFrames(3);
    std::printf("after PAGE press %d, the display shows:\n", press);
    PrintScreen(gps);
  }
  std::printf("ICAO through GetICAO: \"%s\"\n", panel.CallGetIcao().c_str());
  return 0;
}

int RunScript(const std::filesystem::path& script_file, const std::filesystem::path& module) {
  std::ifstream script(script_file);
  if (!script) {
    std::fprintf(stderr, "skelbor-bench: cannot read %s\n", script_file.string().c_str());
    return bench::kBadScript;
  }
  bench::ScriptRunner runner(module, std::cout, std::cerr);
  return runner.Run(script);
}

void Usage() {
  std::fprintf(stderr,
               "usage: skelbor-bench demo [--module FILE]\n"
               "       skelbor-bench run SCRIPT [--module FILE]\n");
}

}  // namespace

int main(int argc, char** argv) {
  const bool demo = argc >= 2 && std::strcmp(argv[1], "demo") == 0;
  const bool run = argc >= 3 && std::strcmp(argv[1], "run") == 0;
  if (!demo && !run) {
    Usage();
    return 2;
  }
  std::filesystem::path module = SKELBOR_MODULE_FILE;
  for (int i = run ? 3 : 2; i < argc; ++i) {
    if (std::strcmp(argv[i], "--module") == 0 && i + 1 < argc) {
      module = argv[++i];
    } else {
      Usage();
      return 2;
    }
  }
  try {
    return run ? RunScript(argv[2], module) : Demo(module);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "skelbor-bench: %s\n", error.what());
    return 1;
  }
}
