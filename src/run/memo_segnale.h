#pragma once

#include <cstdint>

#include "records/cell_record.h"
#include "run/run_compilation.h"

namespace scenario::run {

// The values of a "segnale" row after its position.
struct SignalRow {
  std::int32_t sx = 0, s1 = 0, s2 = 0, s3 = 0, rapp = 0, dx = 0, d1 = 0, d2 = 0, d3 = 0;
  std::int32_t tempo = 0;
};

// Places one signal in cell round(posizione / 50 + 1) with its approach
// markers in the four cells 2, 4, 6 and 8 before it. A `tempo` of 1 to 100
// is raised to 101 in `row` as well. Returns 0 when the signal is placed,
// else the code of the reason (kErrorSignalCellTaken, or
// kErrorSignalOutsideCells for a cell before cell 0); then nothing is
// placed. Approach markers that would lie
// before cell 0 are left out: there is no track there to announce the
// signal on.
std::int32_t memo_segnale(records::CellArray& cells, std::int32_t posizione, SignalRow& row);

// A "segnale" row: reads it, checks it against the track and places it.
EntryOutcome compile_signal_row(RunCompilation& run);

}  // namespace scenario::run
