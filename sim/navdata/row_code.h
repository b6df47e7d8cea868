#pragma once

#include <string_view>

#include "sim/navdata/fields.h"

namespace sim::navdata {

// The leading row code of a data line: -1 for a blank line, -2 when the line
// does not start with a number. Cheap, since most rows are passed over by it.
inline int RowCode(std::string_view line) {
  std::size_t i = 0;
  while (i < line.size() && IsBlank(line[i])) ++i;
  if (i == line.size()) return -1;
  int code = 0;
  std::size_t digits = 0;
  for (; i < line.size() && line[i] >= '0' && line[i] <= '9' && digits < 6; ++i, ++digits) {
    code = code * 10 + (line[i] - '0');
  }
  if (digits == 0 || (i < line.size() && !IsBlank(line[i]))) return -2;
  return code;
}

// Splits `line` into at most `capacity` fields; returns how many were found.
inline std::size_t SplitFields(std::string_view line, std::string_view* fields,
                               std::size_t capacity) {
  Fields cursor(line);
  std::size_t count = 0;
  while (count < capacity) {
    const std::string_view field = cursor.Next();
    if (field.empty()) break;
    fields[count++] = field;
  }
  return count;
}

}  // namespace sim::navdata
