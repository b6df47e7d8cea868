// One table of settings-file cases that holds for Windows' own private-profile
// functions (the Windows build runs it under Wine) and for the sdk's. Files
// after writes are compared where Windows' layout is fixed: files in its own
// layout, without blank lines or blanks around "=".
#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "sdk/win32_api.h"
#include "tests/profile/profile_file.h"

namespace {

using namespace std::string_view_literals;
using profile_test::FreshPath;
using profile_test::ReadBytes;
using profile_test::WriteBytes;

enum class Op { kRead, kReadInt, kWrite };

struct Step {
  Op op;
  const char* section;
  const char* key;
  const char* text;  // default of a read, value of a write
  DWORD size;        // buffer of a read
  int number;        // default of an integer read
  long long result;  // count, integer or BOOL
  std::string_view value;
};

// A read of `value`; the count is its length (lists hold inner NULs).
Step Read(const char* section, const char* key, const char* default_value, std::string_view value,
          DWORD size = 64) {
  return {Op::kRead, section, key, default_value, size, 0, static_cast<long long>(value.size()),
          value};
}
Step ReadInt(const char* section, const char* key, int default_value, UINT result) {
  return {Op::kReadInt, section, key, nullptr, 0, default_value, result, {}};
}
Step Write(const char* section, const char* key, const char* value, BOOL result = TRUE) {
  return {Op::kWrite, section, key, value, 0, 0, result, {}};
}

struct ProfileCase {
  const char* name;
  std::optional<std::string_view> before;  // none: no file
  std::vector<Step> steps;
  std::optional<std::string_view> after;  // none: not compared
  bool no_file_after = false;
};

const ProfileCase kCases[] = {
    {"NamesIgnoreCaseAndBlanks",
     "[Sec]\r\n  Key  =  some value  \r\nk2=\tv2\t\r\n  [ Other ]  \r\nx=1\r\n",
     {Read("sec", "KEY", "d", "some value"), Read("SEC", "k2", "d", "v2"),
      Read(" Other ", "x", "d", "1"), Read("sec", " key ", "d", "some value")}},
    {"MissingFileGivesDefaults",
     std::nullopt,
     {Read("a", "b", "def", "def"), Read("a", "b", nullptr, ""), ReadInt("a", "b", 7, 7),
      ReadInt("a", "b", -3, static_cast<UINT>(-3))},
     std::nullopt,
     true},
    {"MissingSectionOrKeyGivesDefault",
     "[Sec]\r\nKey=v\r\n",
     {Read("nosec", "Key", "d", "d"), Read("Sec", "nokey", "  dflt  ", "  dflt"),
      Read("Sec", "nokey", "longdefault", "long", 5), ReadInt("Sec", "nokey", 20000, 20000)}},
    {"ValueCutToBuffer",
     "[s]\r\nk=abcdefghij\r\n",
     {Read("s", "k", "d", "abcd", 5), Read("s", "k", "d", "", 1), Read("s", "k", "d", "", 0),
      Read("s", "k", "d", "abcdefghi", 10), Read("s", "k", "d", "abcdefghij", 11)}},
    {"EnclosingQuotesDropped",
     "[s]\r\na=\"quoted\"\r\nb=\"half\r\nc='single'\r\nd=\" sp \"\r\ne=\"\r\nf=\"a\"b\"\r\n"
     "g=x\"y\"\r\nh=  \"pad\"  \r\nq=\"\"\r\n",
     {Read("s", "a", "d", "quoted"), Read("s", "b", "d", "\"half"), Read("s", "c", "d", "single"),
      Read("s", "d", "d", " sp "), Read("s", "e", "d", "\""), Read("s", "f", "d", "a\"b"),
      Read("s", "g", "d", "x\"y\""), Read("s", "h", "d", "pad"), Read("s", "q", "d", ""),
      Read("s", "a", "d", "quo", 4), Read("s", "none", "\"qd\"", "qd")}},
    {"IntegerValues",
     "[s]\r\na= 42x\r\nb=-5\r\nc=abc\r\nd=\r\ne=+7\r\nf=0x10\r\ng=  -  3\r\nh=99999999999\r\n"
     "i=4294967295\r\nk=\"12\"\r\nl=010\r\nn= \r\no=0b11\r\np=-0x10\r\nq=0X10\r\nr=0o17\r\n"
     "s=1 2\r\n",
     {ReadInt("s", "a", 77, 42), ReadInt("s", "b", 77, static_cast<UINT>(-5)),
      ReadInt("s", "c", 77, 0), ReadInt("s", "d", 77, 77), ReadInt("s", "e", 77, 7),
      ReadInt("s", "f", 77, 16), ReadInt("s", "g", 77, 0), ReadInt("s", "h", 77, 1215752191),
      ReadInt("s", "i", 77, 4294967295u), ReadInt("s", "k", 77, 12), ReadInt("s", "l", 77, 10),
      ReadInt("s", "n", 77, 77), ReadInt("s", "o", 77, 3),
      ReadInt("s", "p", 77, static_cast<UINT>(-16)), ReadInt("s", "q", 77, 0),
      ReadInt("s", "r", 77, 15), ReadInt("s", "s", 77, 1), ReadInt("s", "zz", 77, 77)}},
    {"CommentsKeysWithoutValueAndDuplicates",
     "; top=1\r\n[s]\r\n;c=2\r\nnoeq\r\nk=first\r\nk=second\r\n[S]\r\nk=third\r\nz=later\r\n",
     {Read("s", ";c", "d", "2"), Read("s", "noeq", "d", "d"), Read("s", "k", "d", "first"),
      Read("s", "z", "d", "d"), Read("", "; top", "d", "1")}},
    {"LineEnds",
     "[s]\nk=lf\n[t]\r\nk=crlf\r\n[u]\rk=cr\r[v]\r\nk=last",
     {Read("s", "k", "d", "lf"), Read("t", "k", "d", "crlf"), Read("u", "k", "d", "cr"),
      Read("v", "k", "d", "last")}},
    {"EqualsInValueAndOddSectionLines",
     "[s]\r\nk=a=b=c\r\n[s2]x\r\nm=1\r\n[s3\r\nm=2\r\nn=2\r\n[ s4 ]  ; c\r\nm=3\r\n",
     {Read("s", "k", "d", "a=b=c"), Read("s2", "m", "d", "1"), Read("s2", "n", "d", "2"),
      Read("s3", "m", "d", "d"), Read("s4", "m", "d", "3")}},
    {"WritesCreateFileSectionAndKey",
     std::nullopt,
     {Write("Sec", "Key", "Val"), Write("Sec", "Key2", "V2"), Write("Other", "a", "b"),
      Write("sec", "KEY", "new"), Read("SEC", "key", "d", "new"), Read("Other", "a", "d", "b")},
     "[Sec]\r\nKey=new\r\nKey2=V2\r\n[Other]\r\na=b\r\n"},
    {"WritesKeepOtherLines",
     "; top comment\r\n[A]\r\nx=1\r\n; comment in A\r\ny=2\r\n[B]\r\nz=3\r\n",
     {Write("a", "Y", "22"), Write("A", "w", "4"), Write("B", "q", "5"), Write("C", "c", "6"),
      Read("A", "x", "d", "1"), Read("a", "y", "d", "22")},
     "; top comment\r\n[A]\r\nx=1\r\n; comment in A\r\ny=22\r\nw=4\r\n[B]\r\nz=3\r\nq=5\r\n"
     "[C]\r\nc=6\r\n"},
    {"WritesEqualsAndEmptyValues",
     std::nullopt,
     {Write("S", "k", "a=b"), Write("S", "e", ""), Read("S", "k", "d", "a=b"),
      Read("S", "e", "d", ""), ReadInt("S", "e", 9, 9)},
     "[S]\r\nk=a=b\r\ne=\r\n"},
    {"WritesDropLeadingBlanks",
     std::nullopt,
     {Write("S", "k", "  padded"), Write(" T ", " k ", "v"), Read("S", "k", "d", "padded"),
      Read("T", "k", "d", "v")},
     "[S]\r\nk=padded\r\n[T ]\r\nk =v\r\n"},
    {"WritesEndTheLastLine",
     "[A]\r\nx=1",
     {Write("A", "y", "2"), Write("B", "z", "3"), Write("B", "z", "4")},
     "[A]\r\nx=1\r\ny=2\r\n[B]\r\nz=4\r\n"},
    {"WriteReplacesLastLineWithoutLineEnd", "[A]\r\nx=1", {Write("A", "x", "2")}, "[A]\r\nx=2\r\n"},
    {"WritesGoToFirstSectionOfName",
     "[A]\r\nx=1\r\n[B]\r\ny=1\r\n[a]\r\nz=1\r\n",
     {Write("A", "z", "2"), Read("a", "z", "d", "2")},
     "[A]\r\nx=1\r\nz=2\r\n[B]\r\ny=1\r\n[a]\r\nz=1\r\n"},
    {"WriteGivesKeyWithoutEqualsItsValue",
     "[A]\r\nnoeq\r\nx=1\r\n",
     {Write("A", "noeq", "v"), Read("A", "noeq", "d", "v")},
     "[A]\r\nnoeq=v\r\nx=1\r\n"},
    {"LinesBeforeFirstSectionAreNamelessSection",
     "k=top\r\n[s]\r\nk=v\r\n",
     {Read("", "k", "d", "top"), Write("", "k", "new"), Write("", "n", "1"),
      Read("s", "k", "d", "v")},
     "k=new\r\nn=1\r\n[s]\r\nk=v\r\n"},
    {"NullValueDeletesKey",
     "[A]\r\nx=1\r\ny=2\r\n[B]\r\nz=3\r\n",
     {Write("A", "x", nullptr), Write("A", "nokey", nullptr), Write("Z", "nokey", nullptr),
      Read("A", "x", "d", "d"), Read("A", "y", "d", "2")},
     "[A]\r\ny=2\r\n[B]\r\nz=3\r\n"},
    {"NullKeyDeletesSection",
     "[A]\r\nx=1\r\ny=2\r\n[B]\r\nz=3\r\n",
     {Write("a", nullptr, nullptr), Write("A", nullptr, "x"), Read("A", "y", "d", "d")},
     "[B]\r\nz=3\r\n"},
    {"DeletesLeaveMissingFileMissing",
     std::nullopt,
     {Write("A", "x", nullptr), Write("A", nullptr, nullptr), Write("", nullptr, nullptr)},
     std::nullopt,
     true},
    {"NullSectionWriteFails",
     "[A]\r\nx=1\r\n",
     {Write(nullptr, "x", "2", FALSE), Read("A", "x", "d", "1")},
     "[A]\r\nx=1\r\n"},
    {"NameLists",
     "[A]\r\nx=1\r\nyy=2\r\nnoeq\r\n;c=1\r\n[B]\r\nz=3\r\n[a]\r\nw=1\r\n",
     {Read(nullptr, nullptr, "d", "A\0B\0a\0"sv, 20), Read(nullptr, "x", "d", "A\0B\0a\0"sv, 20),
      Read("A", nullptr, "d", "x\0yy\0"sv, 20), Read("b", nullptr, "d", "z\0"sv, 20),
      Read("nosec", nullptr, "dflt", "dflt", 20)}},
    {"NoFileGivesEmptySectionList", std::nullopt, {Read(nullptr, nullptr, "d", "", 20)}},
};

void PrintTo(const ProfileCase& c, std::ostream* out) { *out << c.name; }

class ProfileCaseTest : public testing::TestWithParam<ProfileCase> {};

TEST_P(ProfileCaseTest, ReadsWritesAndFile) {
  const ProfileCase& c = GetParam();
  const std::string path = FreshPath(c.name);
  if (c.before) WriteBytes(path, *c.before);
  for (std::size_t i = 0; i < c.steps.size(); ++i) {
    const Step& step = c.steps[i];
    SCOPED_TRACE(testing::Message() << "step " << i);
    switch (step.op) {
      case Op::kRead: {
        char out[300];
        std::memset(out, '#', sizeof out);
        const DWORD count = GetPrivateProfileStringA(step.section, step.key, step.text, out,
                                                     step.size, path.c_str());
        ASSERT_EQ(count, step.result);
        EXPECT_EQ(std::string_view(out, count), step.value);
        EXPECT_EQ(out[count], step.size == 0 ? '#' : '\0');
        break;
      }
      case Op::kReadInt:
        EXPECT_EQ(GetPrivateProfileIntA(step.section, step.key, step.number, path.c_str()),
                  static_cast<UINT>(step.result));
        break;
      case Op::kWrite:
        EXPECT_EQ(WritePrivateProfileStringA(step.section, step.key, step.text, path.c_str()),
                  step.result);
        break;
    }
  }
  const std::optional<std::string> after = ReadBytes(path);
  if (c.no_file_after) {
    EXPECT_FALSE(after.has_value());
  }
  if (c.after) {
    EXPECT_EQ(after, std::string(*c.after));
  }
  std::remove(path.c_str());
}

INSTANTIATE_TEST_SUITE_P(Profile, ProfileCaseTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<ProfileCase>& info) {
                           return std::string(info.param.name);
                         });

// A file far larger than any settings file: what lies near its start reads
// as in any other file.
TEST(ProfileLargeFile, ReadsKeysNearItsStart) {
  std::string bytes = "[A]\r\nfirst=1\r\n";
  for (int i = 0; i < 5000; ++i) bytes += "key" + std::to_string(i) + "=value number\r\n";
  const std::string path = FreshPath("LargeFile");
  WriteBytes(path, bytes);
  char out[16];
  EXPECT_EQ(GetPrivateProfileStringA("A", "first", "d", out, sizeof out, path.c_str()), 1u);
  EXPECT_STREQ(out, "1");
  EXPECT_EQ(GetPrivateProfileIntA("A", "key100", -1, path.c_str()), 0u);
  EXPECT_EQ(GetPrivateProfileIntA("B", "key100", -1, path.c_str()), static_cast<UINT>(-1));
  std::remove(path.c_str());
}

}  // namespace
