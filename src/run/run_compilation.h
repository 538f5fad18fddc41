#pragma once

#include <cstdint>
#include <optional>

#include "compiler/compile_observer.h"
#include "compiler/error_codes.h"
#include "records/scenario_records.h"
#include "text/field_reader.h"
#include "text/keyword_reader.h"

namespace scenario::run {

using text::EntryOutcome;

// A value carried along the track from row to row ("velocita", "aderenza"):
// the value of the last row read and the next cell to receive it.
struct TrackFill {
  std::int32_t cursor = 0;
  std::optional<std::int32_t> carried;  // none before the first row
  int carried_line = 0;                 // line of the row that gave `carried`
};

// The working state of one compilation of a run description text.
struct RunCompilation {
  RunCompilation(records::ScenarioRecords& records, text::FieldReader& reader,
                 std::int32_t next_board_slot, compiler::CompileObserver* observer = nullptr);

  records::ScenarioRecords& records;
  text::FieldReader& reader;
  // Who hears what the compile does (none: nobody).
  compiler::CompileObserver* const observer;
  // N, the last cell index; -1 when the line gave no cell array.
  const std::int32_t last_cell;
  // The header slot just below the sign-board texts; stations stay below it.
  const std::int32_t next_board_slot;
  // The header slot that receives the next station.
  std::int32_t station_counter = records::kFirstStationSlot;
  TrackFill speed;
  TrackFill adhesion;
  // The line of the keyword field of the row being compiled.
  int row_line = 0;

  // Whether `index` names a cell of the array, 0 to N.
  bool in_cells(std::int64_t index) const { return index >= 0 && index <= last_cell; }

  // The current row has placed an occupant of `type` in `cell`.
  void placed(std::int64_t cell, std::uint8_t type) const {
    if (observer != nullptr)
      observer->placed(cell, type);
  }

  // The track range check: a row at `position` lies beyond the track when
  // (position + margin) / 50 exceeds N. Records code 15 at the position.
  bool beyond_track(std::int32_t position, std::int32_t margin = records::kItemRangeMargin);

  // Records `code` for the current row, with the row's position, and stops
  // the reading...
  EntryOutcome reject_at(std::int32_t code, std::int32_t position);
  // ...or keeping the error position held so far.
  EntryOutcome reject(std::int32_t code);
};

}  // namespace scenario::run
