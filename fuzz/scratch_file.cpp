#include "fuzz/scratch_file.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace fuzz {

ScratchFile::ScratchFile()
    : path_((std::filesystem::temp_directory_path() / "skelbor-fuzz-XXXXXX").string()) {
  const int fd = mkstemp(path_.data());
  if (fd < 0) {
    std::perror("mkstemp");
    std::abort();
  }
  close(fd);
}

ScratchFile::~ScratchFile() {
  std::remove(path_.c_str());
  std::remove((path_ + ".tmp").c_str());
}

void ScratchFile::Write(const std::uint8_t* data, std::size_t size) const {
  std::ofstream file(path_, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  if (!file.flush()) {
    std::fprintf(stderr, "cannot write %s\n", path_.c_str());
    std::abort();
  }
}

std::string ScratchFile::Read() const {
  std::ifstream file(path_, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace fuzz
