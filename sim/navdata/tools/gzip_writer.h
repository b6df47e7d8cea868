#pragma once

#include <zlib.h>

#include <filesystem>
#include <string_view>

namespace sim::navdata {

// Writes a gzip file beside its final place and moves it there on Commit, so
// that a failed run leaves any earlier file as it was. Throws NavDataError.
class GzipWriter {
 public:
  explicit GzipWriter(std::filesystem::path path);
  ~GzipWriter();
  GzipWriter(const GzipWriter&) = delete;
  GzipWriter& operator=(const GzipWriter&) = delete;

  void Write(std::string_view text);
  void Commit();

 private:
  std::filesystem::path path_;
  std::filesystem::path partPath_;
  gzFile file_ = nullptr;
};

}  // namespace sim::navdata
