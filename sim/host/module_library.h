// A loaded copy of a module file. Every load copies the file into a fresh
// folder of its own, so each load starts with fresh static state and its own
// settings file beside it.
#pragma once

#include <filesystem>
#include <string>

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

 private:
  std::filesystem::path folder_;
  std::filesystem::path file_;
  void* handle_ = nullptr;
};

}  // namespace sim
