#include "run/track_fill.h"

#include <string>

#include "records/rounding.h"
#include "records/track_geometry.h"
#include "text/compile_failure.h"

namespace scenario::run {
namespace {

using CellWriter = void (*)(records::CellRecord& cell, const TrackFill& fill);

void write_speed(records::CellRecord& cell, const TrackFill& fill) {
  const std::int32_t speed = fill.carried.value_or(0);
  const double units = records::round_half_even(speed / 5.0);
  if (units < 0 || units > 255) {
    throw text::CompileFailure(fill.carried_line, text::CompileFailure::Reason::kValueTooLarge,
                               "velocita fuori dai limiti di una cella: " + std::to_string(speed));
  }
  cell.speed_limit = static_cast<std::uint8_t>(units);
}

void write_adhesion(records::CellRecord& cell, const TrackFill& fill) {
  cell.adhesion = static_cast<std::uint8_t>(fill.carried.value_or(0));
}

// Gives the carried value to the cells from the cursor up to the cell before
// `cell`; a row at or before the previous one still gives it to one cell.
// The last cell is left to the tail, so the cursor never passes N however
// many rows share one position.
void fill_up_to(RunCompilation& run, TrackFill& fill, std::int64_t cell, CellWriter write) {
  if (cell <= 0)
    return;
  do {
    if (fill.cursor >= run.last_cell)
      return;
    write(run.records.cells[fill.cursor], fill);
    ++fill.cursor;
  } while (fill.cursor < cell);
}

EntryOutcome compile_fill_row(RunCompilation& run, TrackFill& fill, CellWriter write) {
  const std::int32_t position = run.reader.read_int32();
  const std::int32_t value = run.reader.read_int32();
  if (run.beyond_track(position))
    return EntryOutcome::kEndOfText;
  // Before the first row nothing is in force: its value holds from cell 0.
  if (!fill.carried) {
    fill.carried = value;
    fill.carried_line = run.row_line;
  }
  fill_up_to(run, fill, records::stretch_first_cell(position), write);
  fill.carried = value;
  fill.carried_line = run.row_line;
  return EntryOutcome::kGoOn;
}

void fill_tail(RunCompilation& run, TrackFill& fill, CellWriter write) {
  do {
    if (run.in_cells(fill.cursor))
      write(run.records.cells[fill.cursor], fill);
    ++fill.cursor;
  } while (fill.cursor < run.last_cell - 2);
}

}  // namespace

EntryOutcome compile_speed_row(RunCompilation& run) {
  return compile_fill_row(run, run.speed, write_speed);
}

EntryOutcome compile_adhesion_row(RunCompilation& run) {
  return compile_fill_row(run, run.adhesion, write_adhesion);
}

void fill_speed_tail(RunCompilation& run) {
  fill_tail(run, run.speed, write_speed);
}

void fill_adhesion_tail(RunCompilation& run) {
  fill_tail(run, run.adhesion, write_adhesion);
}

}  // namespace scenario::run
