#pragma once

#include <cstdint>

namespace scenario::finish {

// The smaller of two values: `x` when `x` is not greater than `y`, else `y`.
constexpr std::int32_t minimo(std::int32_t x, std::int32_t y) {
  return x <= y ? x : y;
}

}  // namespace scenario::finish
