// A file that holds the current input, for readers that take a path: made
// once per process in the temporary folder, rewritten for each input and
// removed at exit.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzz {

class ScratchFile {
 public:
  ScratchFile();
  ~ScratchFile();
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;

  // Replaces the file's content; aborts when it cannot.
  void Write(const std::uint8_t* data, std::size_t size) const;
  std::string Read() const;
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace fuzz
