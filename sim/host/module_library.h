// A loaded copy of a module file. Every load copies the file into a fresh
// folder of its own, so each load starts with fresh static state and its own
// settings file beside it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace sim {

class ModuleLibrary {
 public:
  // Copies `module_file` (and the bitmap files beside it) into a new folder;
  // `settings` (if not empty) becomes the copy's settings file first.
  ModuleLibrary(const std::filesystem::path& module_file, const std::string& settings);
  ~ModuleLibrary();
  ModuleLibrary(const ModuleLibrary&) = delete;
  ModuleLibrary& operator=(const ModuleLibrary&) = delete;

  void* Symbol(const char* name) const;
  void* Handle() const { return handle_; }
  const std::filesystem::path& Folder() const { return folder_; }
  const std::filesystem::path& File() const { return file_; }
  std::filesystem::path SettingsFile() const;

  // A bitmap resource of the module as a device-independent bitmap (info
  // header, palette, pixels): on Windows from the DLL's resources, elsewhere
  // from the file NNN.bmp beside the module. Empty when there is none.
  std::vector<std::uint8_t> BitmapResource(int id) const;

 private:
  std::filesystem::path folder_;
  std::filesystem::path file_;
  void* handle_ = nullptr;
};

}  // namespace sim
