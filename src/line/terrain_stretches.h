#pragma once

#include <cstdint>

#include "line/line_compilation.h"

namespace scenario::line {

// Marks one terrain stretch from `inizio` to `fine` in the cell array. A
// `tipo` above 10 is a tunnel of type `tipo` - 10, whose every fourth cell
// becomes a tunnel marker where nothing stands yet; a stretch that starts
// 150 m or less after the previous one ends becomes type 3. The cells from
// round(inizio / 50) to round(fine / 50 - 1) must lie within the array.
void memo_montagna(LineCompilation& line, std::int32_t& inizio, std::int32_t& fine,
                   std::int32_t& tipo);

// A "montagna" entry (start, end, type).
EntryOutcome compile_terrain_stretch(LineCompilation& line);

}  // namespace scenario::line
