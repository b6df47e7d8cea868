#include "sim/draw/text_encoding.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using text_encoding::Cp1252ToCodePoint;
using text_encoding::Cp1252ToUtf8;
using text_encoding::DecodeUtf8;
using text_encoding::Utf8ToCp1252;

TEST(TextEncoding, ConvertsTheModulesSpecialCharactersBothWays) {
  struct Case {
    std::string cp1252;
    std::string utf8;
  };
  const Case cases[] = {
      {"123.4\xB0", "123.4\u00B0"},  // degree sign
      {"C\xF4te", "C\u00F4te"},      // o circumflex
      {"\x80", "\u20AC"},            // euro sign, from the 0x80 to 0x9F block
      {"\x9F", "\u0178"},            // Y diaeresis, end of that block
      {"\x8D", "\u008D"},            // undefined in the code page: kept as the C1 control
      {"\xFF", "\u00FF"},           {"ABC xyz 09", "ABC xyz 09"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Cp1252ToUtf8(c.cp1252), c.utf8) << c.utf8;
    EXPECT_EQ(Utf8ToCp1252(c.utf8), c.cp1252) << c.utf8;
  }
}

TEST(TextEncoding, EveryByteSurvivesARoundTrip) {
  std::string all;
  for (int byte = 1; byte < 256; ++byte) all += static_cast<char>(byte);
  EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
  EXPECT_EQ(Cp1252ToCodePoint(0xB0), U'\u00B0');
  EXPECT_EQ(Cp1252ToCodePoint(0x80), U'\u20AC');
}

TEST(TextEncoding, UnmappableAndMalformedUtf8BecomesQuestionMarks) {
  struct Case {
    std::string utf8;
    std::string cp1252;
  };
  const Case cases[] = {
      {"a\u65E5b", "a?b"},           // no byte in the code page
      {"\U0001F600", "?"},           // four-byte sequence, one character
      {"\u0080", "?"},               // C1 control whose byte means the euro sign
      {"x\xC3", "x?"},               // truncated at the end
      {"\xC3(", "?("},               // bad continuation: the next byte stands
      {"\xC0\xAF", "??"},            // overlong
      {"\xED\xA0\x80", "???"},       // surrogate
      {"\xF4\x90\x80\x80", "????"},  // beyond U+10FFFF
      {"\x80\xBF", "??"},            // stray continuation bytes
  };
  for (const Case& c : cases) EXPECT_EQ(Utf8ToCp1252(c.utf8), c.cp1252) << c.cp1252;
}

TEST(TextEncoding, DecodesUtf8ToCodePoints) {
  EXPECT_EQ(DecodeUtf8("N\u00B0 \u20AC\U0001F600"), U"N\u00B0 \u20AC\U0001F600");
  EXPECT_EQ(DecodeUtf8("\xE2\x82"), U"\uFFFD\uFFFD");
}

}  // namespace
