#include "sim/navdata/ident_index.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>

#include "sim/navdata/world.h"
#include "test_files.h"

namespace {

using sim::navdata::IdentIndex;

IdentIndex MakeIndex(const std::vector<std::string>& idents) {
  std::vector<IdentIndex::Entry> entries;
  for (std::size_t i = 0; i < idents.size(); ++i) {
    entries.push_back({idents[i], static_cast<std::uint32_t>(i)});
  }
  return IdentIndex(std::move(entries));
}

std::string CharText(std::optional<unsigned char> c) {
  return c ? std::string(1, static_cast<char>(*c)) : std::string("none");
}

const IdentIndex& Sample() {
  static const IdentIndex index = MakeIndex(
      {"KSEA", "KBFI", "0S9", "S43", "KSE", "KPAE", "CYVR", "KSEA", "W37", "KS1", "\xC4XY"});
  return index;
}

TEST(IdentIndex, SortsInByteOrderEqualIdentsByItem) {
  const IdentIndex& index = Sample();
  std::vector<std::string> order;
  for (std::size_t i = 0; i < index.Size(); ++i) {
    order.push_back(index.At(i).ident + "#" + std::to_string(index.At(i).item));
  }
  // Digits before capitals, a shorter ident before its extensions, bytes
  // above 127 last.
  EXPECT_EQ(order,
            (std::vector<std::string>{"0S9#2", "CYVR#6", "KBFI#1", "KPAE#5", "KS1#9", "KSE#4",
                                      "KSEA#0", "KSEA#7", "S43#3", "W37#8", "\xC4XY#10"}));
}

TEST(IdentIndex, FirstWithPrefixAndExactMatches) {
  const IdentIndex& index = Sample();
  const std::pair<const char*, const char*> cases[] = {
      {"", "0S9"},      {"K", "KBFI"},      {"KS", "KS1"},  {"KSE", "KSE"},
      {"KSEA", "KSEA"}, {"KSEAX", nullptr}, {"X", nullptr}, {"\xC4", "\xC4XY"}};
  for (const auto& [prefix, expected] : cases) {
    const auto position = index.FirstWithPrefix(prefix);
    if (expected == nullptr) {
      EXPECT_FALSE(position) << prefix;
    } else {
      ASSERT_TRUE(position) << prefix;
      EXPECT_EQ(index.At(*position).ident, expected) << prefix;
    }
  }
  const auto [first, last] = index.EqualRange("KSEA");
  EXPECT_EQ(last - first, 2u);
  EXPECT_EQ(index.At(first).item, 0u);
  const auto [none, noneEnd] = index.EqualRange("KSEB");
  EXPECT_EQ(none, noneEnd);
}

TEST(IdentIndex, CharacterSteppingAtACursorPosition) {
  const IdentIndex& index = Sample();
  struct Case {
    const char* leading;
    int from;
    const char* next;
    const char* previous;
  };
  const Case cases[] = {
      // Leading "K": second characters B, P, S.
      {"K", -1, "B", "none"},
      {"K", 'B', "P", "none"},
      {"K", 'C', "P", "B"},
      {"K", 'P', "S", "B"},
      {"K", 'S', "none", "P"},
      {"K", 256, "none", "S"},
      // Leading "KS": third characters 1 and E.
      {"KS", '1', "E", "none"},
      {"KS", 'A', "E", "1"},
      // "KSE" itself is an ident; its only extension is A.
      {"KSE", -1, "A", "none"},
      {"KSE", 256, "none", "A"},
      {"KSEA", -1, "none", "none"},
      // First characters of all idents.
      {"", -1, "0", "none"},
      {"", 'K', "S", "C"},
      {"", 'W', "\xC4", "S"},
      {"", 256, "none", "\xC4"},
      {"Q", -1, "none", "none"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CharText(index.NextCharacter(c.leading, c.from)), c.next)
        << "'" << c.leading << "' after " << c.from;
    EXPECT_EQ(CharText(index.PreviousCharacter(c.leading, c.from)), c.previous)
        << "'" << c.leading << "' before " << c.from;
  }
}

// Walking every next character from the bundled world's airports finds
// exactly the characters that a scan of all idents finds.
TEST(IdentIndex, SteppingOverTheBundledAirportsAgreesWithAScan) {
  sim::navdata::LoadReport report;
  const sim::navdata::World world =
      sim::navdata::World::Load(navdata_test::BundledApt(), navdata_test::BundledNav(), report);
  const IdentIndex& index = world.AirportIdents();
  ASSERT_EQ(index.Size(), world.Airports().size());
  for (const std::string leading : {"", "K", "KS", "C", "CY", "W", "0", "EG"}) {
    std::set<unsigned char> scanned;
    for (const auto& airport : world.Airports()) {
      if (airport.ident.size() > leading.size() && airport.ident.starts_with(leading)) {
        scanned.insert(static_cast<unsigned char>(airport.ident[leading.size()]));
      }
    }
    std::set<unsigned char> forward;
    for (auto c = index.NextCharacter(leading, -1); c; c = index.NextCharacter(leading, *c)) {
      forward.insert(*c);
    }
    std::set<unsigned char> backward;
    for (auto c = index.PreviousCharacter(leading, 256); c;
         c = index.PreviousCharacter(leading, *c)) {
      backward.insert(*c);
    }
    EXPECT_FALSE(scanned.empty()) << leading;
    EXPECT_EQ(forward, scanned) << leading;
    EXPECT_EQ(backward, scanned) << leading;
  }
}

}  // namespace
