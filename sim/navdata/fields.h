#pragma once

// Splitting a data row into fields separated by runs of blanks, and reading
// numbers from them without locale or allocation; "nan" and "inf" are not numbers here.

#include <charconv>
#include <cmath>
#include <string_view>
#include <system_error>

namespace sim::navdata {

inline bool IsBlank(char c) { return c == ' ' || c == '\t'; }

class Fields {
 public:
  explicit Fields(std::string_view line) : rest_(line) {}

  // The next field; empty when the row has no more.
  std::string_view Next() {
    std::size_t i = 0;
    while (i < rest_.size() && IsBlank(rest_[i])) ++i;
    std::size_t j = i;
    while (j < rest_.size() && !IsBlank(rest_[j])) ++j;
    const std::string_view field = rest_.substr(i, j - i);
    rest_.remove_prefix(j);
    return field;
  }

  // Everything not yet taken, without surrounding blanks: a name.
  std::string_view Rest() const {
    std::string_view rest = rest_;
    while (!rest.empty() && IsBlank(rest.front())) rest.remove_prefix(1);
    while (!rest.empty() && IsBlank(rest.back())) rest.remove_suffix(1);
    return rest;
  }

 private:
  std::string_view rest_;
};

inline bool ParseNumber(std::string_view field, double& value) {
  if (field.empty()) return false;
  if (field.front() == '+') field.remove_prefix(1);
  const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
  return error == std::errc() && end == field.data() + field.size() && std::isfinite(value);
}

inline bool ParseNumber(std::string_view field, long& value) {
  if (field.empty()) return false;
  if (field.front() == '+') field.remove_prefix(1);
  const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
  return error == std::errc() && end == field.data() + field.size();
}

inline bool ValidLatitude(double latitude) { return latitude >= -90.0 && latitude <= 90.0; }
inline bool ValidLongitude(double longitude) { return longitude >= -180.0 && longitude <= 180.0; }

}  // namespace sim::navdata
