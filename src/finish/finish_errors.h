#pragma once

#include <cstdint>

namespace scenario::finish {

// Problems the finishing scan records; each stops nothing. Positions are a
// cell index times 50.

// Neither of the two cells in front of a signal behind a warning point is
// free or a point. Position: the signal cell.
inline constexpr std::int32_t kErrorSignalNotCovered = 11;
// All three cells of a window ahead of a slow section are taken. Position:
// the section's start cell.
inline constexpr std::int32_t kErrorWindowTaken = 12;
// A spacing point along a slow section finds its cell and both neighbours
// taken (position: that cell), or both cells in front of the first signal
// after the section are taken (position: the section's end cell).
inline constexpr std::int32_t kErrorNoRoomForPoint = 13;
// The walk from a slow section's start reached the last cell without
// finding the section's end cell. Position: the start cell.
inline constexpr std::int32_t kErrorSectionEndMissing = 241;

// Metres from the start of the line of cell `cell`, as errors report it.
constexpr std::int32_t error_position(std::int32_t cell) {
  return cell * 50;
}

}  // namespace scenario::finish
