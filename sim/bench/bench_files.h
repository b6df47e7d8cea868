// What the bench needs beside itself, found from where its executable is, so
// that a build tree, an unpacked package and an installation all work:
//   bin/skelbor-bench
//   lib/skelbor/skelbor.gau and its bitmaps   (a build tree: skelbor.gau beside bin/)
//   share/skelbor/data/                       the bundled navigation data
#pragma once

#include <filesystem>

namespace bench {

struct BenchFiles {
  std::filesystem::path module;  // the native module
  std::filesystem::path data;    // the folder of the bundled apt.dat and nav.dat
};

// Relative to the folder holding the executable. The module is the first of
// the candidates that exists (the installed place when none does).
BenchFiles BenchFilesBeside(const std::filesystem::path& executable_folder);

// The running executable's folder.
std::filesystem::path ExecutableFolder();

}  // namespace bench
