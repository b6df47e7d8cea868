// What only the sdk's own private-profile functions promise: a write changes
// the one line it concerns and keeps every other byte (Windows' layout for the
// rest of the file is its own), a file of any size is read and written whole, and names or
// values that cannot be stored are refused instead of breaking the file.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <string>

#include "sdk/win32_api.h"
#include "tests/profile/profile_file.h"

namespace {

using profile_test::FreshPath;
using profile_test::ReadBytes;
using profile_test::WriteBytes;

std::string ReadString(const char* section, const char* key, const std::string& path,
                       DWORD size = 64) {
  char out[300];
  const DWORD count = GetPrivateProfileStringA(section, key, "default", out, size, path.c_str());
  return std::string(out, count);
}

TEST(PosixProfile, WriteKeepsLayoutAndLineEndsOfOtherLines) {
  const std::string path = FreshPath("KeepsLayout");
  WriteBytes(path, "; settings\n\n[A]\n  x  =  1  \n\n[B]\ny = 2\n");
  EXPECT_TRUE(WritePrivateProfileStringA("a", "X", "5", path.c_str()));
  EXPECT_TRUE(WritePrivateProfileStringA("A", "n", "1", path.c_str()));
  EXPECT_TRUE(WritePrivateProfileStringA("C", "c", "1", path.c_str()));
  EXPECT_EQ(ReadBytes(path), "; settings\n\n[A]\n  x=5\nn=1\n\n[B]\ny = 2\n[C]\nc=1\n");

  WriteBytes(path, "[A]\rx=1\r\r[B]\ry=2\r");
  EXPECT_TRUE(WritePrivateProfileStringA("A", "z", "3", path.c_str()));
  EXPECT_TRUE(WritePrivateProfileStringA("B", nullptr, nullptr, path.c_str()));
  EXPECT_EQ(ReadBytes(path), "[A]\rx=1\rz=3\r\r");
  std::remove(path.c_str());
}

TEST(PosixProfile, WriteReplacesFileAndKeepsItsPermissions) {
  const std::string path = FreshPath("Permissions");
  WriteBytes(path, "[A]\r\nx=1\r\n");
  ASSERT_EQ(chmod(path.c_str(), 0666), 0);
  const mode_t mask = umask(022);  // would otherwise take the new file's write bits
  const BOOL written = WritePrivateProfileStringA("A", "x", "2", path.c_str());
  umask(mask);
  EXPECT_TRUE(written);
  struct stat status;
  ASSERT_EQ(stat(path.c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 07777, 0666u);
  EXPECT_FALSE(ReadBytes(path + ".tmp").has_value());
  EXPECT_EQ(ReadString("A", "x", path), "2");
  std::remove(path.c_str());
}

TEST(PosixProfile, WriteFailsWhereNoFileCanBe) {
  EXPECT_FALSE(WritePrivateProfileStringA("A", "x", "1", "/nonexistent-folder/skelbor.ini"));
  EXPECT_FALSE(WritePrivateProfileStringA("A", "x", "1", testing::TempDir().c_str()));
  EXPECT_FALSE(WritePrivateProfileStringA("A", "x", "1", nullptr));
  EXPECT_EQ(ReadString("A", "x", testing::TempDir()), "default");
}

TEST(PosixProfile, RefusesWhatCannotBeReadBackAsWritten) {
  const std::string path = FreshPath("Refused");
  const std::string before = "[A]\r\nx=1\r\n";
  WriteBytes(path, before);
  EXPECT_FALSE(WritePrivateProfileStringA("A", "x", "1\r\ny=2", path.c_str()));
  EXPECT_FALSE(WritePrivateProfileStringA("A", "x", "1\nz=2", path.c_str()));
  EXPECT_FALSE(WritePrivateProfileStringA("A", "a=b", "1", path.c_str()));
  EXPECT_FALSE(WritePrivateProfileStringA("A", "[B]", "1", path.c_str()));
  EXPECT_FALSE(WritePrivateProfileStringA("A]x", "k", "1", path.c_str()));
  EXPECT_FALSE(WritePrivateProfileStringA("A\r\n[B", "k", "1", path.c_str()));
  EXPECT_EQ(ReadBytes(path), before);
  std::remove(path.c_str());
}

TEST(PosixProfile, MegabyteFileReadsAndWritesWhole) {
  std::string bytes = "; comment kept\r\n[A]\r\nfirst=1\r\n";
  while (bytes.size() < 1024 * 1024) bytes += "filler=0123456789\r\n";
  bytes += "last=2\r\n[B]\r\nother=3\r\n";
  const std::string path = FreshPath("Megabyte");
  WriteBytes(path, bytes);
  EXPECT_EQ(ReadString("A", "first", path), "1");
  EXPECT_EQ(ReadString("A", "last", path), "2");
  EXPECT_EQ(ReadString("B", "other", path), "3");

  // The edited line alone changes; everything else stays byte for byte.
  EXPECT_TRUE(WritePrivateProfileStringA("B", "other", "4", path.c_str()));
  EXPECT_TRUE(WritePrivateProfileStringA("A", "added", "5", path.c_str()));
  std::string expected = bytes;
  expected.replace(expected.find("other=3"), 7, "other=4");
  expected.insert(expected.find("[B]"), "added=5\r\n");
  EXPECT_TRUE(ReadBytes(path) == expected) << "the megabyte file changed elsewhere";
  EXPECT_EQ(ReadString("A", "added", path), "5");
  std::remove(path.c_str());
}

TEST(PosixProfile, QuotedValueThatJustFitsIsWhole) {
  const std::string path = FreshPath("QuotedFits");
  WriteBytes(path, "[s]\r\nk=\"quoted\"\r\n");
  EXPECT_EQ(ReadString("s", "k", path, 7), "quoted");
  EXPECT_EQ(ReadString("s", "k", path, 6), "quote");
  std::remove(path.c_str());
}

TEST(PosixProfile, NameListCutEndsWithTwoNuls) {
  const std::string path = FreshPath("ListCut");
  WriteBytes(path, "[A]\r\nx=1\r\nyy=2\r\n");
  char out[8] = "#######";
  EXPECT_EQ(GetPrivateProfileStringA("A", nullptr, "d", out, 5, path.c_str()), 3u);
  EXPECT_EQ(std::string(out, 6), std::string("x\0y\0\0#", 6));
  EXPECT_EQ(GetPrivateProfileStringA("A", nullptr, "d", out, 2, path.c_str()), 0u);
  EXPECT_EQ(std::string(out, 2), std::string("\0\0", 2));
  std::remove(path.c_str());
}

// A name that fills the buffer to its last byte leaves no room for the next
// one: the list is cut there, never past the buffer.
TEST(PosixProfile, NameListFullToTheLastByteStaysInTheBuffer) {
  const std::string path = FreshPath("ListFull");
  WriteBytes(path, "[a]\n[bc]\n[K]\nx=1\nyz=2\n");
  char out[8] = "#######";
  EXPECT_EQ(GetPrivateProfileStringA(nullptr, nullptr, "d", out, 3, path.c_str()), 1u);
  EXPECT_EQ(std::string(out, 5), std::string("a\0\0##", 5));
  EXPECT_EQ(GetPrivateProfileStringA("K", nullptr, "d", out, 3, path.c_str()), 1u);
  EXPECT_EQ(std::string(out, 5), std::string("x\0\0##", 5));
  std::remove(path.c_str());
}

}  // namespace
