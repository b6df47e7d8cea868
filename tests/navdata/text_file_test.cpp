#include "sim/navdata/text_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sim/navdata/navdata_error.h"
#include "test_files.h"

namespace {

using sim::navdata::NavDataError;
using sim::navdata::TextFile;

std::vector<std::string> AllLines(const std::filesystem::path& path) {
  TextFile file(path);
  std::vector<std::string> lines;
  std::string_view line;
  while (file.NextLine(line)) {
    lines.emplace_back(line);
    EXPECT_EQ(file.LineNumber(), lines.size());
  }
  return lines;
}

// Many numbered lines of varying length: several megabytes, so that lines
// straddle every internal chunk boundary.
std::string ManyLines(std::size_t count) {
  std::string text;
  for (std::size_t i = 0; i < count; ++i) {
    text += "line " + std::to_string(i) + std::string(i % 97, 'x') + (i % 3 == 0 ? "\r\n" : "\n");
  }
  return text;
}

std::string ExpectedLine(std::size_t i) {
  return "line " + std::to_string(i) + std::string(i % 97, 'x');
}

std::string ErrorOf(const std::filesystem::path& path) {
  try {
    AllLines(path);
  } catch (const NavDataError& error) {
    return error.what();
  }
  return "no error";
}

TEST(TextFile, PlainAndGzipGiveTheSameLinesWithoutLineEnds) {
  const std::string text = "I\r\n1000 Version\r\n\r\n  padded  \nlast line without end";
  const std::vector<std::string> expected = {"I", "1000 Version", "", "  padded  ",
                                             "last line without end"};
  EXPECT_EQ(AllLines(navdata_test::WritePlain("small.txt", text)), expected);
  const std::filesystem::path gz = navdata_test::WriteGzip("small.txt.gz", text);
  EXPECT_EQ(AllLines(gz), expected);
  EXPECT_TRUE(TextFile(gz).Compressed());
}

TEST(TextFile, EmptyFileHasNoLines) {
  EXPECT_TRUE(AllLines(navdata_test::WritePlain("empty.txt", "")).empty());
  EXPECT_TRUE(AllLines(navdata_test::WriteGzip("empty.txt.gz", "")).empty());
}

TEST(TextFile, LargeFilesAcrossChunkBoundaries) {
  constexpr std::size_t kCount = 120000;
  const std::string text = ManyLines(kCount);
  ASSERT_GT(text.size(), 6u << 20);
  for (const auto& path : {navdata_test::WritePlain("large.txt", text),
                           navdata_test::WriteGzip("large.txt.gz", text)}) {
    const std::vector<std::string> lines = AllLines(path);
    ASSERT_EQ(lines.size(), kCount) << path;
    for (std::size_t i = 0; i < kCount; i += 997) EXPECT_EQ(lines[i], ExpectedLine(i));
    EXPECT_EQ(lines.back(), ExpectedLine(kCount - 1));
  }
}

TEST(TextFile, ConcatenatedGzipMembersReadAsOneText) {
  const std::string bytes =
      navdata_test::GzipBytes("first\nsecond") + navdata_test::GzipBytes(" half\nthird\n");
  EXPECT_EQ(AllLines(navdata_test::WriteBytes("members.gz", bytes)),
            (std::vector<std::string>{"first", "second half", "third"}));
}

TEST(TextFile, DamagedGzipIsAClearError) {
  const std::string good = navdata_test::GzipBytes(ManyLines(20000));
  struct Case {
    const char* name;
    std::string bytes;
    const char* message;
  };
  std::string badChecksum = good;
  badChecksum[badChecksum.size() - 8] ^= 0x55;  // the CRC-32 of the trailer
  std::string badBlock = good;
  badBlock[10] = static_cast<char>(0xff);  // first deflate block header: reserved type
  const Case cases[] = {
      {"truncated.gz", good.substr(0, good.size() / 2), "truncated gzip data"},
      {"no-trailer.gz", good.substr(0, good.size() - 4), "truncated gzip data"},
      {"checksum.gz", badChecksum, "corrupt gzip data"},
      {"block.gz", badBlock, "corrupt gzip data"},
      {"trailing.gz", good + "garbage", "corrupt gzip data"},
      {"header-only.gz", good.substr(0, 2), "truncated gzip data"},
  };
  for (const Case& c : cases) {
    const std::filesystem::path path = navdata_test::WriteBytes(c.name, c.bytes);
    const std::string message = ErrorOf(path);
    EXPECT_NE(message.find(c.message), std::string::npos) << c.name << ": " << message;
    EXPECT_NE(message.find(path.string()), std::string::npos) << c.name << ": " << message;
  }
}

TEST(TextFile, MissingFileIsAClearError) {
  const std::filesystem::path path = navdata_test::ScratchPath("missing.dat");
  const std::string message = ErrorOf(path);
  EXPECT_NE(message.find(path.string() + ": cannot open"), std::string::npos) << message;
}

TEST(TextFile, ClosingEarlyStopsTheInflation) {
  const std::filesystem::path path = navdata_test::WriteGzip("early.gz", ManyLines(120000));
  for (int round = 0; round < 20; ++round) {
    TextFile file(path);
    std::string_view line;
    ASSERT_TRUE(file.NextLine(line));
    EXPECT_EQ(line, "line 0");
  }
}

}  // namespace
