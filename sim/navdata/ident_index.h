#pragma once

// Idents in byte order, for the GPS module's ICAO search: the first ident
// with given leading characters, and the next or previous character at a
// position for which an ident with the given leading characters exists.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace sim::navdata {

class IdentIndex {
 public:
  struct Entry {
    std::string ident;
    std::uint32_t item = 0;  // index into the indexed collection
  };

  IdentIndex() = default;
  // Sorts the entries by ident bytes, equal idents by item.
  explicit IdentIndex(std::vector<Entry> entries);

  std::size_t Size() const { return entries_.size(); }
  const Entry& At(std::size_t position) const { return entries_[position]; }

  // Position of the first ident that starts with `prefix` (any ident for an
  // empty prefix); none when no ident does.
  std::optional<std::size_t> FirstWithPrefix(std::string_view prefix) const;

  // Positions [first, last) of the entries whose ident is exactly `ident`.
  std::pair<std::size_t, std::size_t> EqualRange(std::string_view ident) const;

  // The smallest byte c above `after` such that an ident starts with
  // `leading` followed by c; `after` = -1 asks for the smallest of all.
  std::optional<unsigned char> NextCharacter(std::string_view leading, int after) const;

  // The largest byte c below `before` such that an ident starts with
  // `leading` followed by c; `before` = 256 asks for the largest of all.
  std::optional<unsigned char> PreviousCharacter(std::string_view leading, int before) const;

 private:
  // Position of the first ident not below `key` in byte order.
  std::size_t LowerBound(std::string_view key) const;

  std::vector<Entry> entries_;
};

}  // namespace sim::navdata
