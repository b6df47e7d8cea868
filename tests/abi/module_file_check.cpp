// Reads the PE32 module file as the simulator's host reads it: by raw byte
// offsets, without the project's own record declarations, so that a record
// whose declaration drifts together with the code that uses it still shows.
//
//   module_file_check FILE              checks the file; exit 1 on a problem
//   module_file_check --self-test FILE  corrupts copies of the file in memory
//                                       and checks that each corruption shows
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

struct Section {
  std::string name;
  std::uint32_t rva = 0;
  std::uint32_t size = 0;
  std::uint32_t fileOffset = 0;
  std::uint32_t fileSize = 0;
  std::uint32_t flags = 0;
};

constexpr std::uint32_t kSectionCode = 0x20000000;   // executable
constexpr std::uint32_t kSectionWrite = 0x80000000;  // writable

// The record facts the host relies on, in bytes.
constexpr std::uint32_t kHeaderSize = 252;
constexpr std::uint32_t kStringSize = 324;
constexpr std::uint32_t kIconSize = 140;
constexpr std::uint32_t kStaticImageSize = 96;
constexpr std::uint32_t kMouseRowSize = 44;
constexpr std::uint32_t kHiddenFlag = 0x40000000;

class ModuleFile {
 public:
  explicit ModuleFile(Bytes bytes) : bytes_(std::move(bytes)) {}

  // Parses the headers; an empty result means the file can be read further.
  std::string Open() {
    if (bytes_.size() < 0x40 || bytes_[0] != 'M' || bytes_[1] != 'Z') return "not an MZ file";
    const std::uint32_t pe = U32(0x3C);
    if (pe + 24 > bytes_.size() || std::memcmp(&bytes_[pe], "PE\0\0", 4) != 0)
      return "no PE signature";
    if (U16(pe + 4) != 0x14C) return "not an i386 image";
    const std::uint32_t sections = U16(pe + 6);
    const std::uint32_t optional = pe + 24;
    const std::uint32_t optional_size = U16(pe + 20);
    if ((U16(pe + 22) & 0x2000) == 0) return "not a DLL";
    if (U16(optional) != 0x10B) return "not a PE32 optional header";
    imageBase_ = U32(optional + 28);
    exportRva_ = U32(optional + 96);
    importRva_ = U32(optional + 96 + 1 * 8);
    resourceRva_ = U32(optional + 96 + 2 * 8);
    std::uint32_t at = optional + optional_size;
    for (std::uint32_t i = 0; i < sections; ++i, at += 40) {
      Section section;
      section.name.assign(reinterpret_cast<const char*>(&bytes_[at]),
                          strnlen(reinterpret_cast<const char*>(&bytes_[at]), 8));
      section.size = U32(at + 8);
      section.rva = U32(at + 12);
      section.fileSize = U32(at + 16);
      section.fileOffset = U32(at + 20);
      section.flags = U32(at + 36);
      sections_.push_back(section);
    }
    return {};
  }

  // Exported names and their addresses.
  std::map<std::string, std::uint32_t> Exports() const {
    std::map<std::string, std::uint32_t> exports;
    if (exportRva_ == 0) return exports;
    const std::uint32_t dir = imageBase_ + exportRva_;
    const std::uint32_t count = Read32(dir + 24);
    const std::uint32_t functions = imageBase_ + Read32(dir + 28);
    const std::uint32_t names = imageBase_ + Read32(dir + 32);
    const std::uint32_t ordinals = imageBase_ + Read32(dir + 36);
    for (std::uint32_t i = 0; i < count; ++i) {
      const std::string name = Text(imageBase_ + Read32(names + 4 * i), 64);
      const std::uint32_t ordinal = Read16(ordinals + 2 * i);
      exports[name] = imageBase_ + Read32(functions + 4 * ordinal);
    }
    return exports;
  }

  std::uint32_t ImageBase() const { return imageBase_; }
  std::uint32_t ImportDirectory() const { return importRva_ == 0 ? 0 : imageBase_ + importRva_; }

  // The names of the DLLs the file imports from.
  std::vector<std::string> ImportedDlls() const {
    std::vector<std::string> dlls;
    if (importRva_ == 0) return dlls;
    for (std::uint32_t entry = imageBase_ + importRva_; Read32(entry + 12) != 0; entry += 20) {
      dlls.push_back(Text(imageBase_ + Read32(entry + 12), 64));
      if (dlls.size() > 100) break;
    }
    return dlls;
  }

  // The ids of the resources of one type (2 bitmaps, 16 version).
  std::vector<std::uint32_t> ResourceIds(std::uint32_t type) const {
    std::vector<std::uint32_t> ids;
    if (resourceRva_ == 0) return ids;
    const std::uint32_t root = imageBase_ + resourceRva_;
    const std::uint32_t entries = Read16(root + 12) + Read16(root + 14);
    for (std::uint32_t i = 0; i < entries; ++i) {
      const std::uint32_t entry = root + 16 + 8 * i;
      if (Read32(entry) != type) continue;
      const std::uint32_t named = root + (Read32(entry + 4) & 0x7FFFFFFF);
      const std::uint32_t count = Read16(named + 12) + Read16(named + 14);
      for (std::uint32_t j = 0; j < count; ++j) ids.push_back(Read32(named + 16 + 8 * j));
    }
    return ids;
  }

  const Section* SectionOf(std::uint32_t va) const {
    if (va < imageBase_) return nullptr;
    const std::uint32_t rva = va - imageBase_;
    for (const Section& section : sections_) {
      if (rva >= section.rva && rva < section.rva + std::max(section.size, section.fileSize))
        return &section;
    }
    return nullptr;
  }
  bool InCode(std::uint32_t va) const {
    const Section* section = SectionOf(va);
    return section != nullptr && (section->flags & kSectionCode) != 0;
  }
  bool Writable(std::uint32_t va) const {
    const Section* section = SectionOf(va);
    return section != nullptr && (section->flags & kSectionWrite) != 0;
  }

  std::uint8_t Read8(std::uint32_t va) const {
    const std::optional<std::uint32_t> offset = FileOffset(va);
    return offset ? bytes_[*offset] : 0;  // uninitialised data reads as zero
  }
  std::uint32_t Read16(std::uint32_t va) const { return Read8(va) | Read8(va + 1) << 8; }
  std::uint32_t Read32(std::uint32_t va) const {
    return Read16(va) | static_cast<std::uint32_t>(Read16(va + 2)) << 16;
  }
  std::int32_t ReadS32(std::uint32_t va) const { return static_cast<std::int32_t>(Read32(va)); }
  double ReadDouble(std::uint32_t va) const {
    const std::uint64_t bits = Read32(va) | static_cast<std::uint64_t>(Read32(va + 4)) << 32;
    double value = 0.0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
  }
  std::string Text(std::uint32_t va, std::size_t limit) const {
    std::string text;
    for (std::size_t i = 0; i < limit; ++i) {
      const std::uint8_t c = Read8(va + static_cast<std::uint32_t>(i));
      if (c == 0) break;
      text.push_back(static_cast<char>(c));
    }
    return text;
  }

  std::optional<std::uint32_t> FileOffset(std::uint32_t va) const {
    const Section* section = SectionOf(va);
    if (section == nullptr) return std::nullopt;
    const std::uint32_t within = va - imageBase_ - section->rva;
    if (within >= section->fileSize) return std::nullopt;
    const std::uint32_t offset = section->fileOffset + within;
    if (offset >= bytes_.size()) return std::nullopt;
    return offset;
  }

 private:
  std::uint32_t U16(std::size_t at) const {
    return at + 2 <= bytes_.size() ? bytes_[at] | bytes_[at + 1] << 8 : 0;
  }
  std::uint32_t U32(std::size_t at) const {
    return U16(at) | static_cast<std::uint32_t>(U16(at + 2)) << 16;
  }

  Bytes bytes_;
  std::uint32_t imageBase_ = 0;
  std::uint32_t exportRva_ = 0;
  std::uint32_t importRva_ = 0;
  std::uint32_t resourceRva_ = 0;
  std::vector<Section> sections_;
};

// ---------------------------------------------------------------------------
// What the file must hold.

struct StringRow {
  const char* name;
  std::int32_t x, y, width;
  std::uint32_t chars;
  std::uint32_t align;  // 0 left, 1 centre, 2 right
};

// The 67 string elements of gps in chain order.
const StringRow kStrings[] = {
    {"savedSlot14", 178, 58, 42, 10, 2},
    {"savedSlot13", 136, 58, 42, 10, 2},
    {"savedSlot12", 94, 58, 42, 10, 2},
    {"savedSlot11", 52, 58, 42, 10, 2},
    {"savedSlot10", 10, 58, 42, 10, 2},
    {"savedSlot9", 178, 42, 42, 10, 2},
    {"savedSlot8", 136, 42, 42, 10, 2},
    {"savedSlot7", 94, 42, 42, 10, 2},
    {"savedSlot6", 52, 42, 42, 10, 2},
    {"savedSlot5", 10, 42, 42, 10, 2},
    {"savedSlot4", 178, 26, 42, 10, 2},
    {"savedSlot3", 136, 26, 42, 10, 2},
    {"savedSlot2", 94, 26, 42, 10, 2},
    {"savedSlot1", 52, 26, 42, 10, 2},
    {"savedSlot0", 10, 26, 42, 10, 2},
    {"savedHeader", 10, 10, 42, 10, 2},
    {"runwayIlsLine2", 15, 58, 220, 32, 0},
    {"runwayIlsLine1", 15, 42, 220, 32, 0},
    {"runwayDimensions", 15, 26, 220, 32, 0},
    {"runwayHeader", 15, 10, 220, 32, 0},
    {"navaidAircraftBearing", 195, 58, 35, 100, 2},
    {"navaidAircraftBearingLabel", 160, 58, 35, 100, 2},
    {"navaidAircraftRange", 100, 58, 60, 100, 2},
    {"navaidAircraftRangeLabel", 0, 58, 100, 100, 2},
    {"navaidAirportBearing", 195, 42, 35, 100, 2},
    {"navaidAirportBearingLabel", 160, 42, 35, 100, 2},
    {"navaidAirportRange", 100, 42, 60, 100, 2},
    {"navaidAirportRangeLabel", 0, 42, 100, 100, 2},
    {"navaidName", 50, 10, 320, 25, 0},
    {"navaidNameLabel", 0, 10, 50, 100, 2},
    {"navaidIdent", 180, 26, 30, 8, 2},
    {"navaidIdentLabel", 145, 26, 35, 12, 2},
    {"navaidFrequency", 75, 26, 75, 12, 2},
    {"navaidListLabel", 20, 26, 55, 12, 2},
    {"detailsMagVar", 180, 58, 45, 32, 2},
    {"detailsMagVarLabel", 150, 58, 25, 32, 2},
    {"detailsLonMinutes", 95, 58, 35, 32, 2},
    {"detailsLonDegrees", 35, 58, 55, 32, 2},
    {"detailsLonLabel", 10, 58, 40, 32, 2},
    {"detailsElevation", 180, 42, 45, 32, 2},
    {"detailsElevationLabel", 145, 42, 30, 32, 2},
    {"detailsLatMinutes", 95, 42, 35, 32, 2},
    {"detailsLatDegrees", 35, 42, 55, 32, 2},
    {"detailsLatLabel", 10, 42, 40, 32, 2},
    {"detailsCity", 50, 26, 180, 32, 0},
    {"detailsCityLabel", 10, 26, 40, 10, 2},
    {"detailsName", 50, 10, 270, 32, 0},
    {"detailsIdent", 10, 10, 40, 32, 2},
    {"airportEte", 196, 58, 38, 50, 2},
    {"airportEteLabel", 160, 58, 38, 50, 2},
    {"airportGroundSpeed", 191, 42, 53, 50, 2},
    {"airportGroundSpeedLabel", 153, 42, 38, 50, 2},
    {"airportDistance", 111, 42, 53, 50, 2},
    {"airportDistanceLabel", 83, 42, 38, 50, 0},
    {"airportRelBearing", 127, 58, 38, 32, 2},
    {"airportRelBearingLabel", 83, 58, 58, 32, 0},
    {"airportTrack", 40, 58, 38, 32, 2},
    {"airportTrackLabel", 0, 58, 38, 32, 2},
    {"airportBearing", 40, 42, 38, 32, 2},
    {"airportBearingLabel", 0, 42, 38, 32, 2},
    {"airportName", 55, 26, 180, 32, 0},
    {"airportNameLabel", 8, 26, 45, 32, 2},
    {"airportCity", 58, 10, 182, 32, 0},
    {"airportIdentChar3", 43, 10, 12, 2, 1},
    {"airportIdentChar2", 32, 10, 12, 2, 1},
    {"airportIdentChar1", 21, 10, 12, 2, 1},
    {"airportIdentChar0", 10, 10, 12, 2, 1},
};

// Mouse-table rows: type (0 end, 1 parent, 2 child, 3 end parent, 4 tooltip).
struct MouseRow {
  std::uint32_t type;
  std::int32_t x, y, width, height;
  std::int32_t cursor;
  std::int32_t helpId;
  std::uint32_t flags;
  const char* tooltip;  // tooltip rows: the fixed text, or null for a buffer
};

constexpr std::uint32_t kLeft = 0x20000000;
constexpr std::uint32_t kLeftRepeat = 0x20200000;
constexpr std::uint32_t kLeftRight = 0xA0000000;

std::vector<MouseRow> GpsMouseRows() {
  const MouseRow end_parent{3, 0, 0, 0, 0, -1, 0, 0, nullptr};
  std::vector<MouseRow> rows = {
      {1, 0, 0, 0, 0, -1, 0, 0, nullptr},
      {1, 235, 0, 15, 15, -1, 43911, 0, nullptr},
      end_parent,
  };
  for (int i = 0; i < 5; ++i) {
    rows.push_back({1, 50 * i, 80, 50, 25, -1, 0, 0, nullptr});
    rows.push_back({4, 0, 0, 0, 0, -1, 0, 0, nullptr});
    rows.push_back(end_parent);
  }
  rows.push_back({2, 235, 0, 15, 15, 5, 0, kLeft, nullptr});
  rows.push_back({2, 0, 80, 50, 25, 5, 0, kLeftRepeat, nullptr});
  rows.push_back({2, 50, 80, 50, 25, 2, 0, kLeftRepeat, nullptr});
  rows.push_back({2, 100, 80, 50, 25, 1, 0, kLeftRepeat, nullptr});
  rows.push_back({2, 150, 80, 50, 25, 2, 0, kLeftRight, nullptr});
  rows.push_back({2, 200, 80, 50, 25, 1, 0, kLeftRight, nullptr});
  const char* lower_tooltips[] = {"Next Page", "Activate", nullptr, "Save Current Airport",
                                  "Load Saved Airport"};
  for (int i = 0; i < 5; ++i) {
    rows.push_back({1, 50 * i, 105, 50, 25, -1, 0, 0, nullptr});
    rows.push_back({4, 0, 0, 0, 0, -1, 0, 0, lower_tooltips[i]});
    rows.push_back(end_parent);
  }
  rows.push_back({2, 0, 105, 50, 25, 5, 0, kLeftRepeat, nullptr});
  rows.push_back({2, 50, 105, 50, 25, 5, 0, kLeftRight, nullptr});
  rows.push_back({2, 100, 105, 50, 25, -1, 0, kLeftRepeat, nullptr});
  rows.push_back({2, 150, 105, 50, 25, 5, 0, kLeftRepeat, nullptr});
  rows.push_back({2, 200, 105, 50, 25, 5, 0, kLeftRepeat, nullptr});
  rows.push_back(end_parent);
  rows.push_back({0, 0, 0, 0, 0, -1, 0, 0, nullptr});
  return rows;
}

std::vector<MouseRow> IconMouseRows() {
  return {
      {1, 0, 0, 0, 0, -1, 43911, 0, nullptr},
      {2, 0, 0, 50, 25, 5, 0, kLeft, nullptr},
      {3, 0, 0, 0, 0, -1, 0, 0, nullptr},
      {0, 0, 0, 0, 0, -1, 0, 0, nullptr},
  };
}

class Checker {
 public:
  explicit Checker(const ModuleFile& file) : f_(file) {}

  std::vector<std::string> Run() {
    const std::map<std::string, std::uint32_t> exports = f_.Exports();
    std::vector<std::string> names;
    for (const auto& [name, address] : exports) names.push_back(name);
    Expect(names == std::vector<std::string>{"GetICAO", "ImportTable", "Linkage", "SetICAO"},
           "exports are GetICAO, ImportTable, Linkage, SetICAO");
    const auto linkage = exports.find("Linkage");
    const auto import_table = exports.find("ImportTable");
    if (linkage == exports.end() || import_table == exports.end()) return problems_;
    CheckImportTable(import_table->second);
    CheckLinkage(linkage->second);
    const std::vector<std::uint32_t> bitmaps = f_.ResourceIds(2);
    for (std::uint32_t id : {256u, 512u, 513u, 768u}) {
      Expect(std::find(bitmaps.begin(), bitmaps.end(), id) != bitmaps.end(),
             "bitmap resource " + std::to_string(id));
    }
    Expect(!f_.ResourceIds(16).empty(), "a version resource");
    // The simulator loads the module with nothing beside it.
    for (std::string dll : f_.ImportedDlls()) {
      for (char& c : dll) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      Expect(dll == "kernel32.dll" || dll == "msvcrt.dll" || dll == "user32.dll",
             "imports from " + dll + ", not a system DLL");
    }
    return problems_;
  }

 private:
  void Expect(bool ok, const std::string& what) {
    if (!ok) problems_.push_back(what);
  }
  void Equal(std::int64_t actual, std::int64_t expected, const std::string& what) {
    if (actual != expected) {
      problems_.push_back(what + ": " + std::to_string(actual) + ", expected " +
                          std::to_string(expected));
    }
  }

  void CheckImportTable(std::uint32_t table) {
    Expect(f_.Writable(table), "ImportTable is writable data");
    Equal(f_.Read32(table + 0), 0x0F, "ImportTable first id");
    Equal(f_.Read32(table + 4), 0, "ImportTable first pointer");
    Equal(f_.Read32(table + 8), 0, "ImportTable end id");
    Equal(f_.Read32(table + 12), 0, "ImportTable end pointer");
  }

  void CheckLinkage(std::uint32_t linkage) {
    Equal(f_.Read32(linkage + 0), 0x13, "Linkage ModuleID");
    Expect(f_.InCode(f_.Read32(linkage + 4)), "Linkage ModuleInit is code");
    Expect(f_.InCode(f_.Read32(linkage + 8)), "Linkage ModuleDeinit is code");
    Equal(f_.Read32(linkage + 12), 0, "Linkage ModuleFlags");
    Equal(f_.Read32(linkage + 16), 0, "Linkage ModulePriority");
    Equal(f_.Read32(linkage + 20), 0x900, "Linkage ModuleVersion");
    const std::uint32_t gps = f_.Read32(linkage + 24);
    const std::uint32_t icon = f_.Read32(linkage + 28);
    Equal(f_.Read32(linkage + 32), 0, "Linkage header list ends after two");
    Expect(gps != 0 && f_.Writable(gps), "Linkage header 0 is writable data");
    Expect(icon != 0 && f_.Writable(icon), "Linkage header 1 is writable data");
    if (gps == 0 || icon == 0) return;
    CheckHeader(gps, "gps", 250);
    CheckHeader(icon, "icon", 30);
    CheckGpsElements(gps);
    CheckIconElements(icon);
    CheckMouseTable(f_.Read32(gps + 80), GpsMouseRows(), "gps");
    CheckMouseTable(f_.Read32(icon + 80), IconMouseRows(), "icon");
  }

  void CheckHeader(std::uint32_t header, const std::string& name, std::int64_t width) {
    const std::string at = name + " header ";
    Equal(f_.Read32(header + 0), 800, at + "version");
    Expect(f_.Text(f_.Read32(header + 4), 16) == name, at + "name");
    Expect(f_.Writable(f_.Read32(header + 8)), at + "element list is writable data");
    for (std::uint32_t routine = 12; routine <= 36; routine += 4) {
      Expect(f_.InCode(f_.Read32(header + routine)),
             at + "routine at " + std::to_string(routine) + " is code");
    }
    Equal(f_.Read32(header + 44), width, at + "size_x_mm");
    Expect(f_.Writable(f_.Read32(header + 80)), at + "mouse_rect is writable data");
    Expect(f_.InCode(f_.Read32(header + 84)), at + "gauge_callback is code");
    Equal(f_.Read32(header + 92), 0, at + "parameters left to the host");
    Equal(f_.Read32(header + 96), 0, at + "usage");
    // Everything else of the 252 bytes is the host's: zero in the file.
    for (std::uint32_t offset = 40; offset < kHeaderSize; offset += 4) {
      if (offset == 44 || offset == 80 || offset == 84) continue;
      if (f_.Read32(header + offset) != 0) {
        problems_.push_back(at + "byte " + std::to_string(offset) + " is not zero");
        break;
      }
    }
  }

  // One element header: type, bitmap, position, back-reference, flags.
  void CheckElementHeader(std::uint32_t element, std::uint32_t type, std::int32_t resource,
                          std::int32_t x, std::int32_t y, std::uint32_t gauge,
                          const std::string& at) {
    Expect(f_.Writable(element), at + " is writable data");
    Equal(f_.Read32(element + 0), type, at + " element_type");
    Equal(f_.ReadS32(element + 4), resource, at + " resource_id");
    Equal(f_.ReadS32(element + 8), x, at + " x");
    Equal(f_.ReadS32(element + 12), y, at + " y");
    for (std::uint32_t offset : {16u, 20u, 24u, 28u}) {
      Equal(f_.ReadS32(element + offset), 0, at + " byte " + std::to_string(offset));
    }
    Equal(f_.Read32(element + 32), gauge, at + " gauge_header");
    Equal(f_.Read32(element + 44), 0, at + " failure_systems");
    Equal(f_.Read32(element + 48) & ~kHiddenFlag, 0x83, at + " image_flags");
    Equal(f_.Read32(element + 52), 0, at + " aircraft_special_instrumentation");
  }

  // The element after `element` in the chain: its next-element list holds
  // exactly one entry (or none at the end).
  std::uint32_t Next(std::uint32_t element, const std::string& at) {
    const std::uint32_t list = f_.Read32(element + 40);
    if (list == 0) return 0;
    Expect(f_.Writable(list), at + " next_element list is writable data");
    const std::uint32_t next = f_.Read32(list);
    if (next != 0) Equal(f_.Read32(list + 4), 0, at + " next_element list holds one entry");
    return next;
  }

  void CheckGpsElements(std::uint32_t gps) {
    const std::uint32_t list = f_.Read32(gps + 8);
    std::uint32_t element = f_.Read32(list);
    Equal(f_.Read32(list + 4), 0, "gps element list holds one entry");
    CheckElementHeader(element, 0, 256, 0, 0, gps, "gps background");
    element = Next(element, "gps background");
    std::vector<std::uint32_t> callbacks;
    for (const StringRow& row : kStrings) {
      if (element == 0) {
        problems_.push_back(std::string("gps chain ends before ") + row.name);
        return;
      }
      const std::string at = std::string("gps ") + row.name;
      CheckElementHeader(element, 2, -1, row.x, row.y, gps, at);
      for (std::uint32_t offset = 60; offset < 184; offset += 4) {
        if (f_.Read32(element + offset) != 0) {
          problems_.push_back(at + " source variables are not empty");
          break;
        }
      }
      Equal(f_.Read32(element + 184), 0, at + " string buffer left to the host");
      Equal(f_.ReadS32(element + 192), row.width, at + " width");
      Equal(f_.ReadS32(element + 196), 17, at + " height");
      Equal(f_.Read32(element + 208), 0x00FFFFFF, at + " fg_color");
      Equal(f_.Read32(element + 212), 0, at + " bg_color");
      Equal(f_.Read32(element + 216), 0, at + " hilite_color");
      Expect(f_.Text(element + 248, 32) == "Arial", at + " font_name Arial inline");
      Equal(f_.ReadS32(element + 280), 725, at + " font_weight");
      Equal(f_.Read8(element + 284), 1, at + " font_charset");
      Equal(f_.Read32(element + 288), row.align, at + " draw_text_flags");
      Equal(f_.Read16(element + 292), row.chars, at + " max_string_length");
      Equal(f_.ReadS32(element + 308), 12, at + " char_height");
      const std::uint32_t callback = f_.Read32(element + 312);
      Expect(f_.InCode(callback), at + " update_cb is code");
      callbacks.push_back(callback);
      element = Next(element, at);
    }
    // Each element has its own callback but the 15 saved slots, which share
    // one routine through their own small callbacks.
    std::sort(callbacks.begin(), callbacks.end());
    Expect(std::adjacent_find(callbacks.begin(), callbacks.end()) == callbacks.end(),
           "gps string callbacks are distinct");
    if (element == 0) {
      problems_.push_back("gps chain ends before the steering indicator");
      return;
    }
    CheckElementHeader(element, 4, 512, 235, 65, gps, "gps steering indicator");
    Equal(f_.ReadS32(element + 92), 3, "gps steering indicator switch_type");
    Expect(f_.ReadDouble(element + 100) == 1.0, "gps steering indicator scale 1.0");
    Equal(f_.ReadS32(element + 108), 0, "gps steering indicator offset");
    Equal(f_.ReadS32(element + 112), 2, "gps steering indicator num_icons");
    Expect(f_.InCode(f_.Read32(element + 132)), "gps steering indicator update_cb is code");
    Equal(Next(element, "gps steering indicator"), 0, "gps chain ends at the indicator");
  }

  void CheckIconElements(std::uint32_t icon) {
    const std::uint32_t list = f_.Read32(icon + 8);
    const std::uint32_t element = f_.Read32(list);
    Equal(f_.Read32(list + 4), 0, "icon element list holds one entry");
    CheckElementHeader(element, 0, 768, 0, 0, icon, "icon face");
    for (std::uint32_t offset = 60; offset < kStaticImageSize; offset += 4) {
      Equal(f_.Read32(element + offset), 0, "icon face host byte " + std::to_string(offset));
    }
    Equal(Next(element, "icon face"), 0, "icon chain ends at its face");
  }

  void CheckMouseTable(std::uint32_t table, const std::vector<MouseRow>& rows,
                       const std::string& gauge) {
    std::vector<std::uint32_t> tooltip_buffers;
    for (std::size_t i = 0; i < rows.size(); ++i) {
      const MouseRow& row = rows[i];
      const std::uint32_t at_va = table + static_cast<std::uint32_t>(i) * kMouseRowSize;
      const std::string at = gauge + " mouse row " + std::to_string(i + 1);
      Equal(f_.Read32(at_va + 0), row.type, at + " rect_type");
      Equal(f_.ReadS32(at_va + 4), row.x, at + " x");
      Equal(f_.ReadS32(at_va + 8), row.y, at + " y");
      Equal(f_.ReadS32(at_va + 12), row.width, at + " width");
      Equal(f_.ReadS32(at_va + 16), row.height, at + " height");
      Equal(f_.ReadS32(at_va + 20), row.cursor, at + " cursor");
      Equal(f_.ReadS32(at_va + 24), row.helpId, at + " help_id");
      Equal(f_.Read32(at_va + 28), row.flags, at + " mouse_flags");
      Equal(f_.Read32(at_va + 32), 0, at + " event_id");
      Equal(f_.Read32(at_va + 40), 0, at + " api_data");
      const std::uint32_t function = f_.Read32(at_va + 36);
      if (row.type == 2) {
        Expect(f_.InCode(function), at + " handler is code");
      } else if (row.type == 4 && row.tooltip != nullptr) {
        Expect(f_.Text(function, 100) == row.tooltip, at + " tooltip \"" + row.tooltip + "\"");
      } else if (row.type == 4) {
        Expect(f_.Writable(function), at + " tooltip buffer is writable data");
        tooltip_buffers.push_back(function);
      } else {
        Equal(function, 0, at + " mouse_function");
      }
    }
    // The upper row's five buffers lie 100 bytes apart; the blank button's
    // is a buffer of its own.
    if (gauge == "gps" && tooltip_buffers.size() == 6) {
      for (std::size_t i = 1; i < 5; ++i) {
        Equal(tooltip_buffers[i] - tooltip_buffers[i - 1], 100,
              "gps tooltip buffer " + std::to_string(i) + " follows the one before");
      }
      Expect(
          tooltip_buffers[5] < tooltip_buffers[0] || tooltip_buffers[5] >= tooltip_buffers[4] + 100,
          "gps blank tooltip buffer is its own");
    } else if (gauge == "gps") {
      problems_.push_back("gps mouse table has " + std::to_string(tooltip_buffers.size()) +
                          " tooltip buffers, expected 6");
    }
  }

  const ModuleFile& f_;
  std::vector<std::string> problems_;
};

std::vector<std::string> Check(const Bytes& bytes) {
  ModuleFile file(bytes);
  if (const std::string problem = file.Open(); !problem.empty()) return {problem};
  return Checker(file).Run();
}

// Corruptions a drifted declaration would cause; each must be caught.
struct Corruption {
  const char* what;
  std::function<void(const ModuleFile&, Bytes&)> apply;
};

void Poke32(const ModuleFile& file, Bytes& bytes, std::uint32_t va, std::uint32_t value) {
  const std::optional<std::uint32_t> offset = file.FileOffset(va);
  if (!offset) return;
  for (int i = 0; i < 4; ++i) bytes[*offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint32_t GpsHeader(const ModuleFile& file) {
  return file.Read32(file.Exports().at("Linkage") + 24);
}

std::uint32_t FirstString(const ModuleFile& file) {
  const std::uint32_t background = file.Read32(file.Read32(GpsHeader(file) + 8));
  return file.Read32(file.Read32(background + 40));
}

const Corruption kCorruptions[] = {
    {"header pointers behind a pointer",
     [](const ModuleFile& f, Bytes& b) {
       Poke32(f, b, f.Exports().at("Linkage") + 24, f.Exports().at("Linkage") + 28);
     }},
    {"mouse table a word early",
     [](const ModuleFile& f, Bytes& b) {
       const std::uint32_t gps = GpsHeader(f);
       Poke32(f, b, gps + 76, f.Read32(gps + 80));
       Poke32(f, b, gps + 80, 0);
     }},
    {"callback four bytes late",
     [](const ModuleFile& f, Bytes& b) {
       const std::uint32_t gps = GpsHeader(f);
       Poke32(f, b, gps + 88, f.Read32(gps + 84));
       Poke32(f, b, gps + 84, 0);
     }},
    {"font name as a pointer",
     [](const ModuleFile& f, Bytes& b) { Poke32(f, b, FirstString(f) + 248, 0x00401000); }},
    {"capacity in the upper half",
     [](const ModuleFile& f, Bytes& b) {
       const std::uint32_t element = FirstString(f);
       Poke32(f, b, element + 292, f.Read16(element + 292) << 16);
     }},
    {"no font size", [](const ModuleFile& f, Bytes& b) { Poke32(f, b, FirstString(f) + 308, 0); }},
    {"string callback at the old place",
     [](const ModuleFile& f, Bytes& b) { Poke32(f, b, FirstString(f) + 312, 0); }},
    {"element header 40 bytes long",
     [](const ModuleFile& f, Bytes& b) {
       const std::uint32_t element = FirstString(f);
       Poke32(f, b, element + 32, f.Read32(element + 40));
     }},
    {"a DLL beside the module",
     [](const ModuleFile& f, Bytes& b) {
       const std::uint32_t name = f.ImageBase() + f.Read32(f.ImportDirectory() + 12);
       Poke32(f, b, name, 0x4C454B53);  // "SKEL..."
     }},
    {"ImportTable id",
     [](const ModuleFile& f, Bytes& b) { Poke32(f, b, f.Exports().at("ImportTable"), 0x10); }},
};

int SelfTest(const Bytes& bytes) {
  ModuleFile file(bytes);
  if (const std::string problem = file.Open(); !problem.empty()) {
    std::fprintf(stderr, "cannot read the module file: %s\n", problem.c_str());
    return 1;
  }
  if (!Check(bytes).empty()) {
    std::fprintf(stderr, "the module file itself does not pass the check\n");
    return 1;
  }
  int missed = 0;
  for (const Corruption& corruption : kCorruptions) {
    Bytes copy = bytes;
    corruption.apply(file, copy);
    const std::vector<std::string> problems = Check(copy);
    if (problems.empty()) {
      std::fprintf(stderr, "MISSED: %s\n", corruption.what);
      ++missed;
    } else {
      std::printf("caught: %s (%s)\n", corruption.what, problems.front().c_str());
    }
  }
  return missed == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const bool self_test = argc == 3 && std::strcmp(argv[1], "--self-test") == 0;
  if (argc != 2 && !self_test) {
    std::fprintf(stderr, "usage: module_file_check [--self-test] FILE\n");
    return 2;
  }
  const char* path = argv[argc - 1];
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "cannot open %s\n", path);
    return 2;
  }
  const Bytes bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (self_test) return SelfTest(bytes);
  const std::vector<std::string> problems = Check(bytes);
  for (const std::string& problem : problems) std::fprintf(stderr, "%s\n", problem.c_str());
  if (!problems.empty()) {
    std::fprintf(stderr, "%s: %zu problem(s) in the records the host reads\n", path,
                 problems.size());
    return 1;
  }
  std::printf("%s: Linkage, ImportTable, both gauges, their elements and mouse tables hold\n",
              path);
  return 0;
}
