#include "fuzz/module_snapshot.h"

#include <link.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace fuzz {
namespace {

struct Range {
  std::uintptr_t begin;
  std::uintptr_t end;
};

struct Search {
  std::string name;
  bool found = false;
  std::vector<Range> writable;
  Range relro{0, 0};
};

int Visit(dl_phdr_info* info, std::size_t, void* context) {
  auto& search = *static_cast<Search*>(context);
  if (info->dlpi_name == nullptr || search.name != info->dlpi_name) return 0;
  search.found = true;
  const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
  for (int i = 0; i < info->dlpi_phnum; ++i) {
    const ElfW(Phdr)& header = info->dlpi_phdr[i];
    const std::uintptr_t begin = info->dlpi_addr + header.p_vaddr;
    const std::uintptr_t end = begin + header.p_memsz;
    if (header.p_type == PT_LOAD && (header.p_flags & PF_W) != 0) {
      search.writable.push_back({begin, end});
    }
    // The loader makes this part read-only after relocating it (whole pages).
    if (header.p_type == PT_GNU_RELRO) search.relro = {begin & ~(page - 1), end & ~(page - 1)};
  }
  return 1;
}

// Byte copies the sanitizers do not watch: the module's data holds the
// redzones that AddressSanitizer puts between its globals.
__attribute__((no_sanitize("address"))) void CopyBytes(std::uint8_t* to, const std::uint8_t* from,
                                                       std::size_t count) {
  volatile std::uint8_t* const target = to;
  for (std::size_t i = 0; i < count; ++i) target[i] = from[i];
}

}  // namespace

ModuleSnapshot::ModuleSnapshot(const std::filesystem::path& module_file) {
  Search search;
  search.name = module_file.string();
  dl_iterate_phdr(Visit, &search);
  if (!search.found) {
    std::fprintf(stderr, "module %s is not loaded\n", search.name.c_str());
    std::abort();
  }
  for (const Range& range : search.writable) {
    // The part outside the read-only pages, before and after them.
    const Range parts[] = {{range.begin, std::min(range.end, search.relro.begin)},
                           {std::max(range.begin, search.relro.end), range.end}};
    for (const Range& part : parts) {
      if (part.begin >= part.end) continue;
      Region region{part.begin, std::vector<std::uint8_t>(part.end - part.begin)};
      CopyBytes(region.bytes.data(), reinterpret_cast<const std::uint8_t*>(part.begin),
                region.bytes.size());
      regions_.push_back(std::move(region));
    }
  }
}

void ModuleSnapshot::Restore() const {
  for (const Region& region : regions_) {
    CopyBytes(reinterpret_cast<std::uint8_t*>(region.address), region.bytes.data(),
              region.bytes.size());
  }
}

std::size_t ModuleSnapshot::Bytes() const {
  std::size_t total = 0;
  for (const Region& region : regions_) total += region.bytes.size();
  return total;
}

}  // namespace fuzz
