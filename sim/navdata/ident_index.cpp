#include "sim/navdata/ident_index.h"

#include <algorithm>

namespace sim::navdata {

namespace {

// std::string_view compares through char_traits<char>, which orders bytes as
// unsigned char: plain byte order.
bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

}  // namespace

IdentIndex::IdentIndex(std::vector<Entry> entries) : entries_(std::move(entries)) {
  std::sort(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) {
    const int order = std::string_view(a.ident).compare(b.ident);
    return order != 0 ? order < 0 : a.item < b.item;
  });
}

std::size_t IdentIndex::LowerBound(std::string_view key) const {
  const auto found = std::lower_bound(
      entries_.begin(), entries_.end(), key,
      [](const Entry& entry, std::string_view k) { return std::string_view(entry.ident) < k; });
  return static_cast<std::size_t>(found - entries_.begin());
}

std::optional<std::size_t> IdentIndex::FirstWithPrefix(std::string_view prefix) const {
  const std::size_t position = LowerBound(prefix);
  if (position == entries_.size() || !StartsWith(entries_[position].ident, prefix)) {
    return std::nullopt;
  }
  return position;
}

std::pair<std::size_t, std::size_t> IdentIndex::EqualRange(std::string_view ident) const {
  std::size_t first = LowerBound(ident);
  std::size_t last = first;
  while (last < entries_.size() && entries_[last].ident == ident) ++last;
  return {first, last};
}

std::optional<unsigned char> IdentIndex::NextCharacter(std::string_view leading, int after) const {
  if (after >= 255) return std::nullopt;
  std::string key(leading);
  key.push_back(static_cast<char>(std::max(after + 1, 0)));
  // The first ident at or beyond leading + (after + 1): if it still has the
  // leading characters, its next byte is the smallest one above `after`.
  const std::size_t position = LowerBound(key);
  if (position == entries_.size()) return std::nullopt;
  const std::string& ident = entries_[position].ident;
  if (ident.size() <= leading.size() || !StartsWith(ident, leading)) return std::nullopt;
  return static_cast<unsigned char>(ident[leading.size()]);
}

std::optional<unsigned char> IdentIndex::PreviousCharacter(std::string_view leading,
                                                           int before) const {
  if (before <= 0) return std::nullopt;
  std::size_t position = 0;
  if (before > 255) {
    // Just past every ident that starts with `leading`.
    const auto past = std::partition_point(entries_.begin(), entries_.end(), [&](const Entry& e) {
      return std::string_view(e.ident) < leading || StartsWith(e.ident, leading);
    });
    position = static_cast<std::size_t>(past - entries_.begin());
  } else {
    std::string key(leading);
    key.push_back(static_cast<char>(before));
    position = LowerBound(key);
  }
  // The last ident below that point: when it has the leading characters and
  // is longer than them, its next byte is the largest one below `before`.
  if (position == 0) return std::nullopt;
  const std::string& ident = entries_[position - 1].ident;
  if (ident.size() <= leading.size() || !StartsWith(ident, leading)) return std::nullopt;
  return static_cast<unsigned char>(ident[leading.size()]);
}

}  // namespace sim::navdata
