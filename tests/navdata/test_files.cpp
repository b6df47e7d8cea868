#include "test_files.h"

#include <zlib.h>

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace navdata_test {

std::filesystem::path BundledApt() {
  return std::filesystem::path(NAVDATA_BUNDLED_DIR) / "apt.dat.gz";
}
std::filesystem::path BundledNav() {
  return std::filesystem::path(NAVDATA_BUNDLED_DIR) / "nav.dat.gz";
}

std::filesystem::path ScratchPath(std::string_view name) {
  const std::filesystem::path dir(NAVDATA_SCRATCH_DIR);
  std::filesystem::create_directories(dir);
  const std::filesystem::path path = dir / std::string(name);
  std::filesystem::remove_all(path);
  return path;
}

std::filesystem::path WriteBytes(std::string_view name, std::string_view bytes) {
  const std::filesystem::path path = ScratchPath(name);
  std::ofstream out(path, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
  return path;
}

std::filesystem::path WritePlain(std::string_view name, std::string_view content) {
  return WriteBytes(name, content);
}

std::string GzipBytes(std::string_view content) {
  z_stream stream{};
  // 16 + 15: gzip wrapper.
  if (deflateInit2(&stream, 6, Z_DEFLATED, 16 + 15, 8, Z_DEFAULT_STRATEGY) != Z_OK) {
    throw std::runtime_error("deflateInit2");
  }
  std::string out(deflateBound(&stream, static_cast<uLong>(content.size())), '\0');
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(content.data()));
  stream.avail_in = static_cast<uInt>(content.size());
  stream.next_out = reinterpret_cast<Bytef*>(out.data());
  stream.avail_out = static_cast<uInt>(out.size());
  if (deflate(&stream, Z_FINISH) != Z_STREAM_END) throw std::runtime_error("deflate");
  out.resize(stream.total_out);
  deflateEnd(&stream);
  return out;
}

std::filesystem::path WriteGzip(std::string_view name, std::string_view content) {
  return WriteBytes(name, GzipBytes(content));
}

std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string AptText(std::string_view rows, int version) {
  return "I\n" + std::to_string(version) + " Version - test data\n\n" + std::string(rows) +
         "\n99\n";
}

std::string NavText(std::string_view rows, int version) {
  return "I\n" + std::to_string(version) + " Version - test data\n" + std::string(rows) + "\n99\n";
}

}  // namespace navdata_test
