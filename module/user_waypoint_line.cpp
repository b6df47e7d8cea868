#include "module/user_waypoint_line.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "module/bounded_text.h"

namespace {

constexpr std::size_t kNameChars = 29;
constexpr std::size_t kNumberChars = 11;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t SkipDigits(const char* text, std::size_t at) {
  while (IsDigit(text[at])) ++at;
  return at;
}

// Length of the decimal number at the start of `text`. The conversion below
// sees only these characters, so "inf", "nan" and hexadecimal texts read as
// no number, as in the settings file's own format.
std::size_t DecimalNumberLength(const char* text) {
  std::size_t at = 0;
  if (text[at] == '+' || text[at] == '-') ++at;
  const std::size_t integer_end = SkipDigits(text, at);
  std::size_t end = integer_end;
  bool digits = integer_end > at;
  if (text[end] == '.') {
    const std::size_t fraction_end = SkipDigits(text, end + 1);
    digits = digits || fraction_end > end + 1;
    end = fraction_end;
  }
  if (!digits) return 0;
  if (text[end] == 'e' || text[end] == 'E') {
    std::size_t exponent = end + 1;
    if (text[exponent] == '+' || text[exponent] == '-') ++exponent;
    const std::size_t exponent_end = SkipDigits(text, exponent);
    if (exponent_end > exponent) end = exponent_end;
  }
  return end;
}

// A number field: at most 11 characters of the text from `start` up to `end`
// (or the end of the line).
double ParseNumberField(const char* start, const char* end) {
  char field[kNumberChars + 1];
  std::size_t length = end != nullptr ? static_cast<std::size_t>(end - start) : std::strlen(start);
  if (length > kNumberChars) length = kNumberChars;
  std::memcpy(field, start, length);
  field[length] = '\0';

  const char* number = field;
  while (*number == ' ' || *number == '\t') ++number;
  char digits[kNumberChars + 1];
  const std::size_t number_length = DecimalNumberLength(number);
  std::memcpy(digits, number, number_length);
  digits[number_length] = '\0';
  const double value = number_length == 0 ? 0.0 : std::strtod(digits, nullptr);
  return std::isfinite(value) ? value : 0.0;
}

}  // namespace

int ParseUserWaypointLine(const char* line, UserWaypoint& waypoint) {
  if (line == nullptr || line[0] == '\0') return 0;
  const char* const comma1 = std::strchr(line, ',');
  if (comma1 == nullptr) return 0;
  CopyTextCut(waypoint.name, line,
              std::min<std::size_t>(static_cast<std::size_t>(comma1 - line), kNameChars));

  const char* const lat = comma1 + 1;
  const char* const comma2 = std::strchr(lat, ',');
  if (comma2 == nullptr) return 0;
  waypoint.lat = ParseNumberField(lat, comma2);

  const char* const lon = comma2 + 1;
  if (*lon == '\0') return 0;
  const char* const comma3 = std::strchr(lon, ',');
  waypoint.lon = ParseNumberField(lon, comma3);

  if (comma3 == nullptr || comma3[1] == '\0') {
    waypoint.elevation = 0.0;
    waypoint.magVar = 0.0;
    return 1;
  }
  const char* const elevation = comma3 + 1;
  const char* const comma4 = std::strchr(elevation, ',');
  waypoint.elevation = ParseNumberField(elevation, comma4);
  if (comma4 == nullptr || comma4[1] == '\0') {
    waypoint.magVar = 0.0;
    return 1;
  }
  waypoint.magVar = ParseNumberField(comma4 + 1, nullptr);
  return 1;
}
