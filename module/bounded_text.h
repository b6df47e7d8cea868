// Bounded text operations on fixed-capacity fields. A value that does not fit
// leaves the field empty; nothing is ever written past the field.
#pragma once

#include <cstdarg>
#include <cstddef>
#include <cstdio>
#include <cstring>

// Copies `source` (null counts as empty) into a field of `capacity` bytes.
inline void CopyText(char* field, std::size_t capacity, const char* source) {
  if (capacity == 0) return;
  if (source == nullptr) source = "";
  const std::size_t length = std::strlen(source);
  if (length >= capacity) {
    field[0] = '\0';
    return;
  }
  std::memmove(field, source, length + 1);
}

template <std::size_t N>
void CopyText(char (&field)[N], const char* source) {
  CopyText(field, N, source);
}

// Copies at most `max_chars` characters of `source`, then terminates.
template <std::size_t N>
void CopyTextCut(char (&field)[N], const char* source, std::size_t max_chars) {
  static_assert(N > 0);
  if (source == nullptr) source = "";
  if (max_chars > N - 1) max_chars = N - 1;
  std::size_t length = 0;
  while (length < max_chars && source[length] != '\0') ++length;
  std::memmove(field, source, length);
  field[length] = '\0';
}

// Appends `source`; when the result would not fit, the field becomes empty.
template <std::size_t N>
void AppendText(char (&field)[N], const char* source) {
  const std::size_t used = std::strlen(field);
  const std::size_t length = std::strlen(source == nullptr ? "" : source);
  if (used + length >= N) {
    field[0] = '\0';
    return;
  }
  std::memcpy(field + used, source, length + 1);
}

// printf-style formatting into a buffer of `capacity` bytes; a longer result
// is cut to the capacity.
inline void FormatText(char* buffer, std::size_t capacity, const char* format, ...)
    __attribute__((format(printf, 3, 4)));
inline void FormatText(char* buffer, std::size_t capacity, const char* format, ...) {
  if (buffer == nullptr || capacity == 0) return;
  va_list arguments;
  va_start(arguments, format);
  std::vsnprintf(buffer, capacity, format, arguments);
  va_end(arguments);
}

// printf-style formatting into a field; a result that does not fit leaves the
// field empty.
template <std::size_t N, typename... Args>
void FormatField(char (&field)[N], const char* format, Args... arguments) {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
#pragma GCC diagnostic ignored "-Wformat-security"
  const int length = std::snprintf(field, N, format, arguments...);
#pragma GCC diagnostic pop
  if (length < 0 || static_cast<std::size_t>(length) >= N) field[0] = '\0';
}
