#pragma once

#include <cstdint>
#include <optional>

#include "records/scenario_records.h"
#include "text/field_reader.h"

namespace scenario::run {

// How the compilation of one row ends.
enum class RowOutcome {
  kContinue,     // read the next row
  kBeyondTrack,  // code 15 recorded: stop reading, then the end-of-text steps
  kRejected,     // the row was refused with its code: stop, no end-of-text steps
};

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
                 std::int32_t next_board_slot);

  records::ScenarioRecords& records;
  text::FieldReader& reader;
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

  // The track range check: a row at `position` lies beyond the track when
  // (position + margin) / 50 exceeds N. Records code 15 at the position.
  bool beyond_track(std::int32_t position, std::int32_t margin = 100);

  // Records `code` for the current row, with the row's position...
  void reject_at(std::int32_t code, std::int32_t position);
  // ...or keeping the error position held so far.
  void reject(std::int32_t code);
};

}  // namespace scenario::run
