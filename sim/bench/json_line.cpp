#include "sim/bench/json_line.h"

#include <cmath>
#include <cstdio>

namespace bench {

std::string JsonString(std::string_view utf8) {
  std::string quoted = "\"";
  for (const char c : utf8) {
    switch (c) {
      case '"':
        quoted += "\\\"";
        break;
      case '\\':
        quoted += "\\\\";
        break;
      case '\n':
        quoted += "\\n";
        break;
      case '\t':
        quoted += "\\t";
        break;
      case '\r':
        quoted += "\\r";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char escape[8];
          std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
          quoted += escape;
        } else {
          quoted += c;
        }
    }
  }
  return quoted + "\"";
}

void JsonLine::Key(std::string_view key) {
  if (!members_.empty()) members_ += ",";
  members_ += JsonString(key) + ":";
}

JsonLine& JsonLine::Text(std::string_view key, std::string_view utf8) {
  Key(key);
  members_ += JsonString(utf8);
  return *this;
}

JsonLine& JsonLine::Integer(std::string_view key, long long value) {
  Key(key);
  members_ += std::to_string(value);
  return *this;
}

JsonLine& JsonLine::Number(std::string_view key, double value, int decimals) {
  if (!std::isfinite(value)) return Null(key);
  Key(key);
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  members_ += text;
  return *this;
}

JsonLine& JsonLine::Null(std::string_view key) {
  Key(key);
  members_ += "null";
  return *this;
}

}  // namespace bench
