// The one way a number from outside the module (a GPS property, a sim
// variable) becomes an integer: truncated toward zero, as C does; but a value
// that is not a number or lies beyond the 32-bit integers gives 0, so that a
// hostile GPS module reads as an empty list or the first line, never as
// undefined behaviour.
#pragma once

#include <cstdint>

constexpr std::int32_t TruncateToInt32(double value) {
  if (!(value > -2147483649.0 && value < 2147483648.0)) return 0;
  return static_cast<std::int32_t>(value);
}
