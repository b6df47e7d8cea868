// The settings shim (the private-profile functions off Windows) on any file:
// reads stay inside the caller's buffer, and a write loses nothing: every
// section and key it does not concern reads back as before, and a refused
// write leaves the file byte for byte.
//
// Input: two bytes of file length (little end first), the file, then one
// operation: a byte choosing it, a byte of buffer size, and section, key and
// value separated by NUL bytes.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "fuzz/scratch_file.h"
#include "sdk/win32_api.h"

namespace {

const fuzz::ScratchFile& File() {
  static const fuzz::ScratchFile file;
  return file;
}

[[noreturn]] void Finding(const char* what) {
  std::fprintf(stderr, "settings shim: %s\n", what);
  std::abort();
}

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

// Names compare as the shim compares them: blanks around them and case aside.
std::string NameKey(const char* name) {
  std::string_view t = name;
  while (!t.empty() && static_cast<unsigned char>(t.front()) <= ' ') t.remove_prefix(1);
  while (!t.empty() && static_cast<unsigned char>(t.back()) <= ' ') t.remove_suffix(1);
  return Lower(t);
}

std::vector<std::string> Names(const char* section, std::size_t room) {
  std::vector<char> out(room);
  const DWORD count = GetPrivateProfileStringA(section, nullptr, "", out.data(),
                                               static_cast<DWORD>(room), File().Path().c_str());
  std::vector<std::string> names;
  for (std::size_t at = 0; at < count;) {
    const std::size_t length = std::strlen(out.data() + at);
    names.emplace_back(out.data() + at, length);
    at += length + 1;
  }
  return names;
}

using Settings = std::map<std::pair<std::string, std::string>, std::string>;

// Every value that the functions themselves can find: the first section of
// each name and the first key of each name in it.
Settings ReadAll(std::size_t room) {
  Settings all;
  for (const std::string& section : Names(nullptr, room)) {
    for (const std::string& key : Names(section.c_str(), room)) {
      const auto id = std::make_pair(NameKey(section.c_str()), NameKey(key.c_str()));
      if (all.contains(id)) continue;
      std::vector<char> value(room);
      GetPrivateProfileStringA(section.c_str(), key.c_str(), "", value.data(),
                               static_cast<DWORD>(room), File().Path().c_str());
      all[id] = value.data();
    }
  }
  return all;
}

void CheckBoundedRead(const char* section, const char* key, std::size_t size) {
  // Exactly `size` bytes: AddressSanitizer sees any byte written past them.
  std::vector<char> out(size);
  const DWORD count = GetPrivateProfileStringA(section, key, "default", out.data(),
                                               static_cast<DWORD>(size), File().Path().c_str());
  if (size > 0 && count >= size) Finding("count beyond the buffer");
  if (size > 0 && std::memchr(out.data(), '\0', size) == nullptr) Finding("unterminated text");
}

void CheckWrite(const char* section, const char* key, const char* value, std::size_t room) {
  const std::string before_bytes = File().Read();
  const Settings before = ReadAll(room);
  const BOOL written = WritePrivateProfileStringA(section, key, value, File().Path().c_str());
  const std::string after_bytes = File().Read();
  if (!written) {
    if (after_bytes != before_bytes) Finding("a refused write changed the file");
    return;
  }
  const Settings after = ReadAll(room + std::strlen(value ? value : "") + 1024);
  const std::string section_id = NameKey(section);
  const std::string key_id = key ? NameKey(key) : std::string();
  const auto concerned = [&](const Settings::key_type& id) {
    return id.first == section_id && (key == nullptr || id.second == key_id);
  };
  for (const auto& [id, text] : before) {
    if (concerned(id)) continue;
    const auto found = after.find(id);
    if (found == after.end()) Finding("a write lost another key");
    if (found->second != text) Finding("a write changed another key");
  }
  for (const auto& [id, text] : after) {
    if (!concerned(id) && !before.contains(id)) Finding("a write made up another key");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  std::size_t file_size = data[0] | static_cast<std::size_t>(data[1]) << 8;
  data += 2;
  size -= 2;
  if (file_size > size) file_size = size;
  File().Write(data, file_size);
  data += file_size;
  size -= file_size;

  const std::uint8_t operation = size > 0 ? data[0] : 0;
  const std::size_t buffer_size = size > 1 ? data[1] : 16;
  const std::string rest =
      size > 2 ? std::string(reinterpret_cast<const char*>(data) + 2, size - 2) : std::string();
  std::vector<std::string> fields(3);
  std::size_t field = 0;
  for (const char c : rest) {
    if (c == '\0') {
      if (++field == fields.size()) break;
    } else {
      fields[field] += c;
    }
  }
  // Bits 3 to 5 pass a null section, key or value instead of the text.
  const char* const section = (operation & 0x08) != 0 ? nullptr : fields[0].c_str();
  const char* const key = (operation & 0x10) != 0 ? nullptr : fields[1].c_str();
  const char* const value = (operation & 0x20) != 0 ? nullptr : fields[2].c_str();
  const std::size_t room = file_size + 1024;

  switch (operation & 0x07) {
    case 0:
    case 1:
    case 2:
      if (section != nullptr) CheckWrite(section, key, value, room);
      break;
    case 3:
    case 4:
    case 5:
      CheckBoundedRead(section, key, buffer_size);
      break;
    default:
      GetPrivateProfileIntA(section, key, static_cast<int>(buffer_size), File().Path().c_str());
      break;
  }
  return 0;
}
