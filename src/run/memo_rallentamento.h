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

// The cells of one slow section: start round(x / 50 + 1), end
// round((x + l) / 50 + 1), warning point round((x - 1200) / 50 + 1) (only for
// a start beyond 1500 m) and, with `f_ta` set as well, the pre-warning cells
// round((x - 1200) / 50) and the three below it.
struct SlowSectionCells {
  std::int64_t start, end, warning, first_pre_warning;
  bool has_warning, has_pre_warning;

  explicit SlowSectionCells(const SlowSectionRow& row);
  // All of them lie in cells 0 to N.
  bool all_in(const records::CellArray& cells) const;
};

// Places one slow section: its start cell round(x / 50 + 1), its end cell
// round((x + l) / 50 + 1) and, for a start beyond 1500 m, its warning point
// 1200 m before the start and, when `f_ta` is set, the four pre-warning
// cells just before the warning point. Returns 0 when placed, else the code
// of the reason: kErrorWarningPointTaken, kErrorSlowStartTaken or
// kErrorSlowEndTaken for a taken warning point, start or end cell (nothing
// placed); kErrorPreWarningTaken for a taken pre-warning cell (the section
// itself stays placed); kErrorSlowSectionOutsideCells when any of these
// cells would lie outside the array (nothing placed).
std::int32_t memo_rallentamento(records::CellArray& cells, const SlowSectionRow& row);

// A "rallentamento" row: reads it, checks it against the track and places it.
EntryOutcome compile_slow_section_row(RunCompilation& run);

}  // namespace scenario::run
