#pragma once

#include <cstdint>

#include "records/cell_record.h"

namespace scenario::finish {

// Speed of every point the finishing scan places, and the cap it puts on
// points already there.
inline constexpr std::int16_t kPointSpeed = 180;

// N, the index of the last cell.
inline std::int32_t last_cell(const records::CellArray& cells) {
  return static_cast<std::int32_t>(cells.size()) - 1;
}

// Places a speed abatement point of 180 km/h at cell `k` when that cell
// exists and is free; says whether it did.
bool place_point_if_free(records::CellArray& cells, std::int32_t k);

// Lowers the speed of the point at cell `k` to 180 when it is higher, when
// cell `k` holds a point (type 12); says whether it does.
bool cap_point_if_present(records::CellArray& cells, std::int32_t k);

}  // namespace scenario::finish
