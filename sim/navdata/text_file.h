#pragma once

// Line-by-line reading of a text file that is either plain or gzip-compressed;
// the kind is told by the gzip magic bytes, not by the file name. Compressed
// files are inflated on a second thread while the reader parses.

#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace sim::navdata {

class TextFile {
 public:
  // Throws NavDataError when the file cannot be opened.
  explicit TextFile(const std::filesystem::path& path);
  ~TextFile();
  TextFile(const TextFile&) = delete;
  TextFile& operator=(const TextFile&) = delete;

  // The next line without its line end (LF or CR LF); false at the end of the
  // file. The view stays valid until the next call. Throws NavDataError on
  // corrupt or truncated gzip data and on read errors.
  bool NextLine(std::string_view& line);

  // 1-based number of the line last returned.
  std::size_t LineNumber() const { return lineNumber_; }
  // The path as given, for messages.
  const std::string& Name() const { return name_; }
  bool Compressed() const { return gzip_ != nullptr; }

 private:
  class GzipStream;

  // Appends more text behind `end_`; returns false when the file is exhausted.
  bool Fill();

  std::string name_;
  std::FILE* file_ = nullptr;
  std::unique_ptr<GzipStream> gzip_;
  std::vector<char> text_;
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
  bool exhausted_ = false;
  std::size_t lineNumber_ = 0;
};

}  // namespace sim::navdata
