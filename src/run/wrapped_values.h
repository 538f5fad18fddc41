#pragma once

#include <cstdint>

namespace scenario::run {

// Cell values are the low bits of the row's 32-bit values: arithmetic on
// them wraps around instead of failing.
inline std::uint32_t wrapped(std::int32_t value) {
  return static_cast<std::uint32_t>(value);
}
inline std::int16_t low16(std::uint32_t value) {
  return static_cast<std::int16_t>(value);
}
inline std::uint8_t low8(std::uint32_t value) {
  return static_cast<std::uint8_t>(value);
}

}  // namespace scenario::run
