#include "run/memo_segnale.h"

#include "records/track_geometry.h"
#include "run/wrapped_values.h"

namespace scenario::run {

std::int32_t memo_segnale(records::CellArray& cells, std::int32_t posizione, SignalRow& row) {
  const std::int64_t c = records::item_cell(posizione);
  if (c < 0 || c >= static_cast<std::int64_t>(cells.size()))
    return compiler::kErrorSignalOutsideCells;
  records::CellRecord& cell = cells[c];
  if (!records::is_free(cell))
    return compiler::kErrorSignalCellTaken;

  cell.type = records::kSignal;
  const std::uint32_t sides = wrapped(row.sx) * 3 + wrapped(row.dx);
  cell.value_d = low16(wrapped(row.rapp) * 10 + sides);
  cell.value_a = low16(wrapped(row.s1) * 10 + wrapped(row.d1));
  cell.value_b = low16(wrapped(row.s2) * 10 + wrapped(row.d2));
  cell.value_c = low16(wrapped(row.s3) * 10 + wrapped(row.d3));
  // 101 is the shortest time a signal carries; 0 or less means none.
  if (row.tempo >= 1 && row.tempo <= 100)
    row.tempo = 101;
  cell.tempo = row.sx == 2 ? low8(wrapped(row.tempo)) : 0;

  for (std::int64_t k = 1; k <= 4; ++k) {
    const std::int64_t before = c - 2 * k;
    if (before < 0)
      break;
    cells[before].approach = low8(sides * 10 + static_cast<std::uint32_t>(k));
  }
  return 0;
}

EntryOutcome compile_signal_row(RunCompilation& run) {
  text::FieldReader& in = run.reader;
  const std::int32_t posizione = in.read_int32();
  SignalRow row;
  for (std::int32_t* value : {&row.sx, &row.s1, &row.s2, &row.s3, &row.rapp, &row.dx, &row.d1,
                              &row.d2, &row.d3, &row.tempo}) {
    *value = in.read_int32();
  }
  if (run.beyond_track(posizione))
    return EntryOutcome::kEndOfText;
  // Only a code of this signal's own stops the run: a code the line left
  // behind (15) is no reason to stop here.
  if (const std::int32_t code = memo_segnale(run.records.cells, posizione, row); code != 0)
    return run.reject_at(code, posizione);
  run.placed(records::item_cell(posizione), records::kSignal);
  return EntryOutcome::kGoOn;
}

}  // namespace scenario::run
