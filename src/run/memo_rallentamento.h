#pragma once

#include <cstdint>

#include "records/cell_record.h"
#include "run/run_compilation.h"

namespace scenario::run {

// The values of a "rallentamento" row: start `x`, speed `v`, length `l`,
// then `f_tt`, `f_ta` and `d_v`.
struct SlowSectionRow {
  std::int32_t x = 0, v = 0, l = 0, f_tt = 0, f_ta = 0, d_v = 0;
};

// Places one slow section: its start cell round(x / 50 + 1), its end cell
// round((x + l) / 50 + 1) and, for a start beyond 1500 m, its warning point
// 1200 m before the start and, when `f_ta` is set, the four pre-warning
// cells just before the warning point. Returns 0 when placed, else the code
// of the reason: 17, 18, 19 for a taken warning point, start or end cell
// (nothing placed); 20 for a taken pre-warning cell (the section itself
// stays placed); 222 when any of these cells would lie outside the array
// (nothing placed).
std::int32_t memo_rallentamento(records::CellArray& cells, const SlowSectionRow& row);

// A "rallentamento" row: reads it, checks it against the track and places it.
EntryOutcome compile_slow_section_row(RunCompilation& run);

}  // namespace scenario::run
