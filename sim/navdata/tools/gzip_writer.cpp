#include "sim/navdata/tools/gzip_writer.h"

#include <string>
#include <system_error>

#include "sim/navdata/navdata_error.h"

namespace sim::navdata {

GzipWriter::GzipWriter(std::filesystem::path path)
    : path_(std::move(path)), partPath_(path_.string() + ".part") {
  file_ = gzopen(partPath_.string().c_str(), "wb9");
  if (file_ == nullptr) throw NavDataError(partPath_.string() + ": cannot create");
}

GzipWriter::~GzipWriter() {
  if (file_ == nullptr) return;
  gzclose(file_);
  std::error_code ignored;
  std::filesystem::remove(partPath_, ignored);
}

void GzipWriter::Write(std::string_view text) {
  if (text.empty()) return;
  if (gzwrite(file_, text.data(), static_cast<unsigned>(text.size())) !=
      static_cast<int>(text.size())) {
    int code = 0;
    throw NavDataError(partPath_.string() + ": write failed: " + gzerror(file_, &code));
  }
}

void GzipWriter::Commit() {
  const int result = gzclose(file_);
  file_ = nullptr;
  std::error_code error;
  if (result != Z_OK) {
    std::filesystem::remove(partPath_, error);
    throw NavDataError(partPath_.string() + ": write failed when closing");
  }
  std::filesystem::rename(partPath_, path_, error);
  if (error) {
    throw NavDataError(path_.string() +
                       ": cannot move the new file into place: " + error.message());
  }
}

}  // namespace sim::navdata
