// The private-profile (INI file) functions, for systems without them. They
// behave as Windows' do for every file the module and its users write; a write
// edits only the line it concerns, keeps every other byte of the file and
// replaces the file atomically.
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "sdk/win32_api.h"

namespace {

// The file is read whole, however large, into pages mapped for the one call:
// the module's process heap is never used, as Windows' functions leave it be.
class ProfileText {
 public:
  ProfileText() = default;
  ProfileText(const ProfileText&) = delete;
  ProfileText& operator=(const ProfileText&) = delete;
  ~ProfileText() {
    if (bytes != nullptr) munmap(bytes, capacity_);
  }

  // Room for at least `needed` bytes, keeping those read so far.
  bool Reserve(std::size_t needed) {
    if (needed <= capacity_) return true;
    std::size_t capacity = capacity_ < kPage ? kPage : capacity_;
    while (capacity < needed) capacity *= 2;
    void* const pages =
        mmap(nullptr, capacity, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (pages == MAP_FAILED) return false;
    if (bytes != nullptr) {
      std::memcpy(pages, bytes, size);
      munmap(bytes, capacity_);
    }
    bytes = static_cast<char*>(pages);
    capacity_ = capacity;
    return true;
  }

  std::size_t room() const { return capacity_ - size; }

  char* bytes = nullptr;
  std::size_t size = 0;
  mode_t mode = 0;  // permissions of the existing file, 0 if there is none

 private:
  static constexpr std::size_t kPage = 4096;
  std::size_t capacity_ = 0;
};

enum class LoadResult { kLoaded, kMissing, kFailed };

LoadResult Load(const char* file_name, ProfileText& text) {
  text.size = 0;
  text.mode = 0;
  const int fd = open(file_name, O_RDONLY | O_CLOEXEC);
  if (fd < 0) return errno == ENOENT ? LoadResult::kMissing : LoadResult::kFailed;
  struct stat status;
  if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    close(fd);
    return LoadResult::kFailed;
  }
  text.mode = status.st_mode & 07777;
  // One byte more than the file's size, so that the end is seen without a
  // second mapping unless the file grows meanwhile.
  LoadResult result = text.Reserve(static_cast<std::size_t>(status.st_size) + 1)
                          ? LoadResult::kLoaded
                          : LoadResult::kFailed;
  while (result == LoadResult::kLoaded) {
    if (text.room() == 0 && !text.Reserve(text.size + 1)) {
      result = LoadResult::kFailed;
      break;
    }
    const ssize_t got = read(fd, text.bytes + text.size, text.room());
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) result = LoadResult::kFailed;
    if (got <= 0) break;
    text.size += static_cast<std::size_t>(got);
  }
  close(fd);
  if (result == LoadResult::kFailed) text.size = 0;
  return result;
}

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string_view TrimLeft(std::string_view t) {
  while (!t.empty() && IsBlank(t.front())) t.remove_prefix(1);
  return t;
}

std::string_view TrimRight(std::string_view t) {
  while (!t.empty() && IsBlank(t.back())) t.remove_suffix(1);
  return t;
}

std::string_view Trim(std::string_view t) { return TrimRight(TrimLeft(t)); }

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Lower(a[i]) != Lower(b[i])) return false;
  }
  return true;
}

// One line of the file: its text without the line end, as offsets.
struct Line {
  std::size_t begin = 0;
  std::size_t end = 0;   // end of the text
  std::size_t next = 0;  // start of the next line, after CR LF, LF or CR
};

class LineCursor {
 public:
  explicit LineCursor(const ProfileText& text) : text_(text) {}

  bool Next(Line& line) {
    if (pos_ >= text_.size) return false;
    line.begin = pos_;
    std::size_t i = pos_;
    while (i < text_.size && text_.bytes[i] != '\n' && text_.bytes[i] != '\r') ++i;
    line.end = i;
    if (i < text_.size && text_.bytes[i] == '\r') ++i;
    if (i < text_.size && text_.bytes[i] == '\n') ++i;
    line.next = pos_ = i;
    return true;
  }

 private:
  const ProfileText& text_;
  std::size_t pos_ = 0;
};

enum class LineKind { kBlank, kSection, kKey, kIgnored };

struct ParsedLine {
  LineKind kind = LineKind::kBlank;
  std::string_view name;  // points into the file's text
  bool has_value = false;
  std::string_view value;
};

ParsedLine Parse(const ProfileText& text, const Line& line) {
  ParsedLine parsed;
  const std::string_view t = Trim({text.bytes + line.begin, line.end - line.begin});
  if (t.empty()) return parsed;
  if (t.front() == '[') {
    const std::size_t close = t.find(']');
    // A bracket line without its closing bracket belongs to no one.
    parsed.kind = close == std::string_view::npos ? LineKind::kIgnored : LineKind::kSection;
    if (close != std::string_view::npos) parsed.name = Trim(t.substr(1, close - 1));
    return parsed;
  }
  parsed.kind = LineKind::kKey;
  const std::size_t equals = t.find('=');
  if (equals == std::string_view::npos) {
    parsed.name = t;
    return parsed;
  }
  parsed.name = TrimRight(t.substr(0, equals));
  parsed.has_value = true;
  parsed.value = TrimLeft(t.substr(equals + 1));
  return parsed;
}

// Where a section and a key of it stand in the file. Only the first section of
// a name counts; lines before the first section line form the nameless one.
struct Location {
  bool section_found = false;
  std::size_t section_begin = 0;  // its section line
  std::size_t section_end = 0;    // the next section line, or the end
  std::size_t insert_at = 0;      // after its last line that is not blank
  bool insert_needs_line_end = false;
  bool key_found = false;
  Line key_line;
  ParsedLine key;
};

Location Locate(const ProfileText& text, std::string_view section, const char* key_name) {
  Location at;
  const std::string_view key = key_name ? Trim(key_name) : std::string_view{};
  bool inside = section.empty();
  at.section_found = inside;
  at.section_end = text.size;
  LineCursor cursor(text);
  Line line;
  while (cursor.Next(line)) {
    const ParsedLine parsed = Parse(text, line);
    if (parsed.kind == LineKind::kSection) {
      if (inside) {
        at.section_end = line.begin;
        break;
      }
      if (!SameName(parsed.name, section)) continue;
      inside = at.section_found = true;
      at.section_begin = line.begin;
      at.insert_at = line.next;
      at.insert_needs_line_end = line.next == line.end;
      continue;
    }
    if (!inside || parsed.kind == LineKind::kBlank) continue;
    at.insert_at = line.next;
    at.insert_needs_line_end = line.next == line.end;
    if (parsed.kind == LineKind::kKey && key_name && !at.key_found && SameName(parsed.name, key)) {
      at.key_found = true;
      at.key_line = line;
      at.key = parsed;
    }
  }
  return at;
}

// Copies a value as Windows returns it: one pair of enclosing quotes dropped,
// cut to the buffer size less one.
DWORD CopyValue(std::string_view value, LPSTR out, DWORD size) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front())
    value = value.substr(1, value.size() - 2);
  const std::size_t count = value.size() < size - 1 ? value.size() : size - 1;
  value.copy(out, count);
  out[count] = '\0';
  return static_cast<DWORD>(count);
}

DWORD CopyDefault(LPCSTR default_value, LPSTR out, DWORD size) {
  std::string_view value = default_value ? default_value : "";
  while (!value.empty() && value.back() == ' ') value.remove_suffix(1);
  return CopyValue(value, out, size);
}

// A list of names, each ended by a NUL and the list by one more. A list that
// does not fit is cut inside a name and still ended by two NULs; the count is
// then the buffer size less two.
class NameList {
 public:
  NameList(LPSTR out, DWORD size) : out_(out), size_(size) {}

  void Add(std::string_view name) {
    if (full_) return;
    if (used_ + name.size() + 2 <= size_) {
      name.copy(out_ + used_, name.size());
      used_ += name.size();
      out_[used_++] = '\0';
      return;
    }
    // Cut inside this name when room is left before the closing two NULs;
    // Finish() writes those.
    full_ = true;
    if (size_ < 2 || used_ >= size_ - 2) return;
    name.copy(out_ + used_, size_ - 2 - used_);
  }

  bool empty() const { return used_ == 0 && !full_; }

  DWORD Finish() {
    if (size_ == 1) {
      out_[0] = '\0';
      return 0;
    }
    if (full_) {
      out_[size_ - 2] = '\0';
      out_[size_ - 1] = '\0';
      return static_cast<DWORD>(size_ - 2);
    }
    out_[used_] = '\0';
    if (used_ == 0) out_[1] = '\0';
    return static_cast<DWORD>(used_);
  }

 private:
  LPSTR out_;
  std::size_t size_;
  std::size_t used_ = 0;
  bool full_ = false;
};

DWORD ListSections(const ProfileText& text, LPSTR out, DWORD size) {
  NameList list(out, size);
  LineCursor cursor(text);
  Line line;
  while (cursor.Next(line)) {
    const ParsedLine parsed = Parse(text, line);
    if (parsed.kind == LineKind::kSection && !parsed.name.empty()) list.Add(parsed.name);
  }
  return list.Finish();
}

// Keys of the section with a value; comment lines (";") are no keys.
DWORD ListKeys(const ProfileText& text, std::string_view section, LPCSTR default_value, LPSTR out,
               DWORD size) {
  NameList list(out, size);
  const Location at = Locate(text, section, nullptr);
  if (at.section_found) {
    LineCursor cursor(text);
    Line line;
    while (cursor.Next(line)) {
      if (line.begin < at.section_begin || line.begin >= at.section_end) continue;
      const ParsedLine parsed = Parse(text, line);
      if (parsed.kind == LineKind::kKey && parsed.has_value && !parsed.name.empty() &&
          parsed.name.front() != ';')
        list.Add(parsed.name);
    }
  }
  if (list.empty()) return CopyDefault(default_value, out, size);
  return list.Finish();
}

// The pieces of a rewritten file, written one after another.
class Pieces {
 public:
  void Add(std::string_view piece) {
    if (count_ == kCapacity) {
      complete_ = false;
      return;
    }
    pieces_[count_++] = piece;
  }
  bool WriteTo(int fd) const {
    if (!complete_) return false;
    for (std::size_t i = 0; i < count_; ++i) {
      std::string_view rest = pieces_[i];
      while (!rest.empty()) {
        const ssize_t put = write(fd, rest.data(), rest.size());
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) return false;
        rest.remove_prefix(static_cast<std::size_t>(put));
      }
    }
    return true;
  }

 private:
  static constexpr std::size_t kCapacity = 12;
  std::string_view pieces_[kCapacity];
  std::size_t count_ = 0;
  bool complete_ = true;
};

// `a` followed by `b` into `out` of `size` bytes; false if they do not fit.
bool JoinPath(char* out, std::size_t size, std::string_view a, std::string_view b) {
  if (a.size() + b.size() + 1 > size) return false;
  a.copy(out, a.size());
  b.copy(out + a.size(), b.size());
  out[a.size() + b.size()] = '\0';
  return true;
}

// Makes the rename itself durable; a failure here leaves a complete file.
void SyncFolderOf(std::string_view file_name) {
  const std::size_t slash = file_name.rfind('/');
  char folder[PATH_MAX];
  const std::string_view name = slash == std::string_view::npos ? "." : file_name.substr(0, slash);
  if (!JoinPath(folder, sizeof folder, name.empty() ? "/" : name, "")) return;
  const int fd = open(folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

// Writes the new content beside the file, then renames it over the file: a
// crash leaves either the old file or the new one, never a part.
bool Replace(const char* file_name, mode_t mode, const Pieces& pieces) {
  char temporary[PATH_MAX];
  if (!JoinPath(temporary, sizeof temporary, file_name, ".tmp")) return false;
  const int fd =
      open(temporary, O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, mode ? mode : 0666);
  if (fd < 0) return false;
  bool written = (mode == 0 || fchmod(fd, mode) == 0) && pieces.WriteTo(fd) && fsync(fd) == 0;
  written = close(fd) == 0 && written;
  if (!written || std::rename(temporary, file_name) != 0) {
    unlink(temporary);
    return false;
  }
  SyncFolderOf(file_name);
  return true;
}

bool HasLineBreak(std::string_view t) { return t.find_first_of("\r\n") != std::string_view::npos; }

// Names and values that would read back as something else, or break the file
// into other lines, are not written.
bool Storable(std::string_view section, LPCSTR key, LPCSTR value) {
  if (HasLineBreak(section) || section.find(']') != std::string_view::npos) return false;
  if (key) {
    const std::string_view k = TrimLeft(key);
    if (HasLineBreak(k) || k.find('=') != std::string_view::npos || (!k.empty() && k[0] == '['))
      return false;
  }
  return !value || !HasLineBreak(value);
}

// New lines end as the file's first line does; CR LF in a new file.
std::string_view LineEndOf(const ProfileText& text) {
  for (std::size_t i = 0; i < text.size; ++i) {
    if (text.bytes[i] == '\n') return "\n";
    if (text.bytes[i] == '\r')
      return i + 1 < text.size && text.bytes[i + 1] == '\n' ? "\r\n" : "\r";
  }
  return "\r\n";
}

}  // namespace

DWORD GetPrivateProfileStringA(LPCSTR app_name, LPCSTR key_name, LPCSTR default_value,
                               LPSTR returned, DWORD size, LPCSTR file_name) {
  if (!returned || size == 0) return 0;
  ProfileText text;
  if (file_name) Load(file_name, text);
  if (!app_name) return ListSections(text, returned, size);
  const std::string_view section = Trim(app_name);
  if (!key_name) return ListKeys(text, section, default_value, returned, size);
  const Location at = Locate(text, section, key_name);
  if (at.key_found && at.key.has_value) return CopyValue(at.key.value, returned, size);
  return CopyDefault(default_value, returned, size);
}

UINT GetPrivateProfileIntA(LPCSTR app_name, LPCSTR key_name, int default_value, LPCSTR file_name) {
  const UINT fallback = static_cast<UINT>(default_value);
  if (!app_name || !key_name) return fallback;
  char value[32];
  if (GetPrivateProfileStringA(app_name, key_name, "", value, sizeof value, file_name) == 0)
    return fallback;
  // Optional sign, then a number whose "0x", "0o" or "0b" prefix picks the
  // base (decimal without one), up to the first character that is no digit.
  const char* p = value;
  while (*p != '\0' && IsBlank(*p)) ++p;
  const bool negative = *p == '-';
  if (*p == '-' || *p == '+') ++p;
  std::uint32_t base = 10;
  if (p[0] == '0' && (p[1] == 'x' || p[1] == 'o' || p[1] == 'b')) {
    base = p[1] == 'x' ? 16 : p[1] == 'o' ? 8 : 2;
    p += 2;
  }
  std::uint32_t number = 0;  // wraps as Windows' does
  for (;; ++p) {
    const char c = Lower(*p);
    const std::uint32_t digit = c >= '0' && c <= '9'   ? static_cast<std::uint32_t>(c - '0')
                                : c >= 'a' && c <= 'f' ? static_cast<std::uint32_t>(c - 'a' + 10)
                                                       : 16;
    if (digit >= base) break;
    number = number * base + digit;
  }
  return negative ? 0u - number : number;
}

BOOL WritePrivateProfileStringA(LPCSTR app_name, LPCSTR key_name, LPCSTR value, LPCSTR file_name) {
  if (!app_name || !file_name) return FALSE;
  const std::string_view section = TrimLeft(app_name);
  if (!Storable(section, key_name, value)) return FALSE;
  ProfileText text;
  const LoadResult loaded = Load(file_name, text);
  if (loaded == LoadResult::kFailed) return FALSE;
  // The rename could replace a file its owner made read-only; Windows refuses.
  if (loaded == LoadResult::kLoaded && access(file_name, W_OK) != 0) return FALSE;
  const Location at = Locate(text, Trim(section), key_name);
  const std::string_view all(text.bytes, text.size);
  const std::string_view line_end = LineEndOf(text);
  Pieces pieces;
  if (!key_name || !value) {
    // A null key removes the whole section, a null value the key line.
    if (!key_name && !at.section_found) return TRUE;
    if (key_name && !at.key_found) return TRUE;
    const std::size_t from = key_name ? at.key_line.begin : at.section_begin;
    const std::size_t to = key_name ? at.key_line.next : at.section_end;
    if (from == to) return TRUE;
    pieces.Add(all.substr(0, from));
    pieces.Add(all.substr(to));
  } else {
    const std::string_view key = TrimLeft(key_name);
    const std::string_view new_value = TrimLeft(value);
    if (at.key_found) {
      // The key keeps its spelling and indentation as the file has them.
      const Line& line = at.key_line;
      const std::size_t name_end =
          static_cast<std::size_t>(at.key.name.data() - text.bytes) + at.key.name.size();
      pieces.Add(all.substr(0, name_end));
      pieces.Add("=");
      pieces.Add(new_value);
      pieces.Add(line.next > line.end ? all.substr(line.end, line.next - line.end) : line_end);
      pieces.Add(all.substr(line.next));
    } else {
      const bool new_section = !at.section_found;
      const std::size_t insert_at = new_section ? text.size : at.insert_at;
      const bool needs_line_end = new_section
                                      ? text.size > 0 && all.back() != '\n' && all.back() != '\r'
                                      : at.insert_needs_line_end;
      pieces.Add(all.substr(0, insert_at));
      if (needs_line_end) pieces.Add(line_end);
      if (new_section) {
        pieces.Add("[");
        pieces.Add(section);
        pieces.Add("]");
        pieces.Add(line_end);
      }
      pieces.Add(key);
      pieces.Add("=");
      pieces.Add(new_value);
      pieces.Add(line_end);
      pieces.Add(all.substr(insert_at));
    }
  }
  return Replace(file_name, text.mode, pieces) ? TRUE : FALSE;
}
