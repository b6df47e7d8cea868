#include "sim/bench/bench_files.h"

#include <system_error>

namespace bench {

BenchFiles BenchFilesBeside(const std::filesystem::path& executable_folder) {
  const std::filesystem::path prefix = executable_folder.parent_path();
  const std::filesystem::path installed = prefix / "lib" / "skelbor" / "skelbor.gau";
  const std::filesystem::path built = prefix / "skelbor.gau";
  std::error_code error;
  const bool only_built =
      !std::filesystem::exists(installed, error) && std::filesystem::exists(built, error);
  return {only_built ? built : installed, prefix / "share" / "skelbor" / "data"};
}

std::filesystem::path ExecutableFolder() {
  std::error_code error;
  const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::filesystem::current_path() : executable.parent_path();
}

}  // namespace bench
