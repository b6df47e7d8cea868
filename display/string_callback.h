// The contract of a string element's callback: test the page, then show the
// element with its text or hide it, and return 0.
#pragma once

#include <cstddef>

#include "cycle/gauge_state.h"
#include "module/bounded_text.h"
#include "sdk/gauges.h"

constexpr COLORREF kWhite = 0x00FFFFFF;
constexpr COLORREF kCyan = 0x00FFFF00;

inline std::size_t TextCapacity(const ELEMENT_STRING* element) {
  return static_cast<std::size_t>(element->max_string_length) + 1;
}

// Shows the element with the formatted text, cut to the element's capacity.
template <typename... Args>
FLOAT64 ShowText(ELEMENT_STRING* element, const char* format, Args... arguments) {
  if (element->string != nullptr) {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
#pragma GCC diagnostic ignored "-Wformat-security"
    std::snprintf(element->string, TextCapacity(element), format, arguments...);
#pragma GCC diagnostic pop
  }
  element->header.image_flags &= ~IMAGE_HIDDEN;
  return 0.0;
}

// Hides the element, leaving `text` (as a rule a single blank).
inline FLOAT64 HideText(ELEMENT_STRING* element, const char* text = " ") {
  if (element->string != nullptr) CopyText(element->string, TextCapacity(element), text);
  element->header.image_flags |= IMAGE_HIDDEN;
  return 0.0;
}

// Hides the element and keeps its text.
inline FLOAT64 HideKeepingText(ELEMENT_STRING* element) {
  element->header.image_flags |= IMAGE_HIDDEN;
  return 0.0;
}

void UseColor(ELEMENT_STRING* element, COLORREF color);
