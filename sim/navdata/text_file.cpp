#include "sim/navdata/text_file.h"

#include <zlib.h>

#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <exception>
#include <mutex>
#include <thread>

#include "sim/navdata/navdata_error.h"

namespace sim::navdata {

namespace {

constexpr std::size_t kChunkBytes = 1 << 20;
// Inflated chunks waiting for the reader; bounds memory when parsing is slower.
constexpr std::size_t kQueuedChunks = 4;
// Longer lines mean the file is not one of ours; refusing them bounds memory.
constexpr std::size_t kMaxLineBytes = 16 << 20;

bool HasGzipMagic(const unsigned char* bytes, std::size_t count) {
  return count >= 2 && bytes[0] == 0x1f && bytes[1] == 0x8b;
}

[[noreturn]] void Fail(const std::string& name, const std::string& what) {
  throw NavDataError(name + ": " + what);
}

std::size_t ReadRaw(std::FILE* file, const std::string& name, void* into, std::size_t capacity) {
  const std::size_t count = std::fread(into, 1, capacity, file);
  if (count < capacity && std::ferror(file)) {
    Fail(name, std::string("read error: ") + std::strerror(errno));
  }
  return count;
}

}  // namespace

// Inflates the file (one or more gzip members) on its own thread into a short
// queue of chunks; a failure there is handed to the reader at its next Take.
class TextFile::GzipStream {
 public:
  GzipStream(std::FILE* file, const std::string& name, const unsigned char* head,
             std::size_t headCount)
      : file_(file), name_(name) {
    // 16 + 15: gzip wrapper, largest window.
    if (inflateInit2(&stream_, 16 + 15) != Z_OK) Fail(name_, "zlib cannot be initialised");
    std::memcpy(input_.data(), head, headCount);
    stream_.next_in = input_.data();
    stream_.avail_in = static_cast<uInt>(headCount);
    worker_ = std::thread([this] { Produce(); });
  }

  ~GzipStream() {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      stopping_ = true;
    }
    changed_.notify_all();
    worker_.join();
    inflateEnd(&stream_);
  }

  GzipStream(const GzipStream&) = delete;
  GzipStream& operator=(const GzipStream&) = delete;

  // Appends the next inflated chunk to `text` behind `end`; false at the end.
  bool Take(std::vector<char>& text, std::size_t& end) {
    std::vector<char> chunk;
    {
      std::unique_lock<std::mutex> lock(mutex_);
      changed_.wait(lock, [this] { return !ready_.empty() || finished_; });
      if (ready_.empty()) {
        if (failure_) std::rethrow_exception(failure_);
        return false;
      }
      chunk = std::move(ready_.front());
      ready_.pop_front();
    }
    changed_.notify_all();
    if (text.size() < end + chunk.size()) text.resize(end + chunk.size());
    std::memcpy(text.data() + end, chunk.data(), chunk.size());
    end += chunk.size();
    return true;
  }

 private:
  void Produce() {
    try {
      for (;;) {
        std::vector<char> chunk(kChunkBytes);
        const std::size_t count = Inflate(chunk.data(), chunk.size());
        if (count == 0) break;
        chunk.resize(count);
        std::unique_lock<std::mutex> lock(mutex_);
        changed_.wait(lock, [this] { return ready_.size() < kQueuedChunks || stopping_; });
        if (stopping_) return;
        ready_.push_back(std::move(chunk));
        lock.unlock();
        changed_.notify_all();
      }
    } catch (...) {
      std::lock_guard<std::mutex> lock(mutex_);
      failure_ = std::current_exception();
    }
    {
      std::lock_guard<std::mutex> lock(mutex_);
      finished_ = true;
    }
    changed_.notify_all();
  }

  // Fills `into` with inflated bytes; 0 only at the clean end of the data.
  std::size_t Inflate(char* into, std::size_t capacity) {
    z_stream& s = stream_;
    s.next_out = reinterpret_cast<Bytef*>(into);
    s.avail_out = static_cast<uInt>(capacity);
    while (s.avail_out == capacity) {
      // Keep at least two input bytes at hand where the file has them, so
      // that the magic of a following gzip member can be checked.
      if (s.avail_in < 2 && !inputExhausted_) {
        std::memmove(input_.data(), s.next_in, s.avail_in);
        const std::size_t got =
            ReadRaw(file_, name_, input_.data() + s.avail_in, input_.size() - s.avail_in);
        if (got == 0) inputExhausted_ = true;
        s.next_in = input_.data();
        s.avail_in += static_cast<uInt>(got);
        continue;
      }
      if (memberEnded_) {
        if (s.avail_in == 0) return 0;
        if (!HasGzipMagic(s.next_in, s.avail_in)) {
          Fail(name_, "corrupt gzip data: unexpected bytes after the end of the compressed stream");
        }
        inflateReset(&s);
        memberEnded_ = false;
      }
      if (s.avail_in == 0)
        Fail(name_, "truncated gzip data: the file ends inside the compressed stream");
      const int result = inflate(&s, Z_NO_FLUSH);
      switch (result) {
        case Z_OK:
          break;
        case Z_STREAM_END:
          memberEnded_ = true;
          break;
        case Z_BUF_ERROR:
          // No progress with the input at hand; the loop fetches more.
          if (inputExhausted_) {
            Fail(name_, "truncated gzip data: the file ends inside the compressed stream");
          }
          break;
        case Z_MEM_ERROR:
          Fail(name_, "out of memory while decompressing");
        default:
          Fail(name_,
               std::string("corrupt gzip data: ") + (s.msg != nullptr ? s.msg : "invalid stream"));
      }
    }
    return capacity - s.avail_out;
  }

  // Touched by the worker only, once it runs.
  std::FILE* file_;
  const std::string name_;
  z_stream stream_{};
  std::vector<unsigned char> input_ = std::vector<unsigned char>(kChunkBytes);
  bool inputExhausted_ = false;
  bool memberEnded_ = false;  // between two gzip members, or after the last

  // Shared with the reader under `mutex_`.
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<std::vector<char>> ready_;
  bool finished_ = false;
  bool stopping_ = false;
  std::exception_ptr failure_;

  std::thread worker_;  // last: starts after everything it uses exists
};

TextFile::TextFile(const std::filesystem::path& path) : name_(path.string()) {
  file_ = std::fopen(name_.c_str(), "rb");
  if (file_ == nullptr) Fail(name_, std::string("cannot open: ") + std::strerror(errno));
  unsigned char head[2] = {0, 0};
  std::size_t headCount = 0;
  try {
    headCount = ReadRaw(file_, name_, head, sizeof head);
    text_.resize(kChunkBytes);
    if (HasGzipMagic(head, headCount)) {
      gzip_ = std::make_unique<GzipStream>(file_, name_, head, headCount);
    } else {
      std::memcpy(text_.data(), head, headCount);
      end_ = headCount;
    }
  } catch (...) {
    std::fclose(file_);
    throw;
  }
}

TextFile::~TextFile() {
  gzip_.reset();
  std::fclose(file_);
}

bool TextFile::Fill() {
  if (begin_ > 0) {
    std::memmove(text_.data(), text_.data() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
  }
  if (end_ >= kMaxLineBytes) {
    Fail(name_, "line " + std::to_string(lineNumber_ + 1) + " is longer than " +
                    std::to_string(kMaxLineBytes) + " bytes: not a navigation data file");
  }
  if (gzip_) return gzip_->Take(text_, end_);
  if (end_ == text_.size()) text_.resize(text_.size() * 2);
  const std::size_t got = ReadRaw(file_, name_, text_.data() + end_, text_.size() - end_);
  end_ += got;
  return got > 0;
}

bool TextFile::NextLine(std::string_view& line) {
  for (;;) {
    const char* start = text_.data() + begin_;
    const std::size_t available = end_ - begin_;
    const auto* newline = static_cast<const char*>(std::memchr(start, '\n', available));
    std::size_t length = 0;
    if (newline != nullptr) {
      length = static_cast<std::size_t>(newline - start);
      begin_ += length + 1;
    } else if (exhausted_) {
      if (available == 0) return false;
      length = available;
      begin_ = end_;
    } else {
      if (!Fill()) exhausted_ = true;
      continue;
    }
    if (length > 0 && start[length - 1] == '\r') --length;
    line = std::string_view(start, length);
    ++lineNumber_;
    return true;
  }
}

}  // namespace sim::navdata
