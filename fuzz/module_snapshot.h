// The loaded module's writable data (its static state, the element records
// and the mouse table), saved once after load and put back before each input:
// far cheaper than loading the module anew, and the same module state.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <vector>

namespace fuzz {

class ModuleSnapshot {
 public:
  // Saves the writable segments of the loaded object `module_file`; aborts
  // when no such object is loaded.
  explicit ModuleSnapshot(const std::filesystem::path& module_file);
  void Restore() const;
  std::size_t Bytes() const;

 private:
  struct Region {
    std::uintptr_t address;
    std::vector<std::uint8_t> bytes;
  };
  std::vector<Region> regions_;
};

}  // namespace fuzz
