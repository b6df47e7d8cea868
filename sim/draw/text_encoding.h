// Conversions between the module's 8-bit texts (Windows code page 1252) and
// Unicode: UTF-8 for scripts and printed output, code points for glyph lookup.
#pragma once

#include <string>
#include <string_view>

namespace text_encoding {

// The code point of one Windows-1252 byte. The five bytes the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control of the same
// value, as Windows does, so that every byte survives a round trip.
char32_t Cp1252ToCodePoint(unsigned char byte);

std::u32string Cp1252ToCodePoints(std::string_view cp1252);

std::string Cp1252ToUtf8(std::string_view cp1252);

// Each code point without a Windows-1252 byte, and each malformed UTF-8
// sequence, becomes '?'.
std::string Utf8ToCp1252(std::string_view utf8);

// Malformed sequences (bad lead or continuation bytes, truncated, overlong,
// surrogates, beyond U+10FFFF) each become U+FFFD.
std::u32string DecodeUtf8(std::string_view utf8);

}  // namespace text_encoding
