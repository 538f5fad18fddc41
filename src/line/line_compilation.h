#pragma once

#include <cstdint>
#include <string>

#include "compiler/compile_observer.h"
#include "compiler/error_codes.h"
#include "records/scenario_records.h"
#include "text/field_reader.h"
#include "text/keyword_reader.h"

namespace scenario::line {

using text::EntryOutcome;

// Terrain stretches read so far, for the 150 m rule.
struct StretchHistory {
  std::int32_t count = 0;
  std::int32_t previous_end = 0;
};

// The working state of one compilation of a line text.
struct LineCompilation {
  LineCompilation(records::ScenarioRecords& target, std::string_view text,
                  compiler::CompileObserver* listener = nullptr)
      : records(target), reader(text), observer(listener) {
    reader.set_observer(listener);
  }

  records::ScenarioRecords& records;
  text::FieldReader reader;
  // Who hears what the compile does (none: nobody).
  compiler::CompileObserver* observer;

  // The field last read as a keyword field and the line it stands on.
  std::string keyword;
  int keyword_line = 0;

  std::int32_t fill_index = 0;         // first cell whose gradient is not written yet
  std::int32_t previous_gradient = 0;  // per mille
  std::int32_t plan_cursor = 2;        // first metre of the plan not computed yet
  std::int32_t next_board_slot = records::kFirstBoardTextSlot;
  StretchHistory stretches;

  // N, the last cell index.
  std::int32_t last_cell() const { return static_cast<std::int32_t>(records.cells.size()) - 1; }

  // The current entry has placed an occupant of `type` in `cell`.
  void placed(std::int64_t cell, std::uint8_t type) const {
    if (observer != nullptr)
      observer->placed(cell, type);
  }

  // Records `code` against the current entry, keeping the error position,
  // and stops the compiler.
  EntryOutcome stop(std::int32_t code) {
    records.state.fail(code, records::SourceText::kLine, keyword_line);
    return EntryOutcome::kStop;
  }
  // The same, with the position the error concerns.
  EntryOutcome stop_at(std::int32_t code, std::int32_t position) {
    records.state.fail_at(code, position, records::SourceText::kLine, keyword_line);
    return EntryOutcome::kStop;
  }
};

// The range test every entry of the main sections makes on its position:
// when (position + 100) / 50 exceeds N, error 15 is recorded with the
// position and the line ends there. Returns kGoOn for a position on the
// track.
inline EntryOutcome test_on_track(LineCompilation& line, std::int32_t position) {
  if (!records::beyond_track(position, records::kItemRangeMargin, line.last_cell()))
    return EntryOutcome::kGoOn;
  line.records.state.fail_at(compiler::kErrorBeyondTrack, position, records::SourceText::kLine,
                             line.keyword_line);
  return EntryOutcome::kEndOfText;
}

}  // namespace scenario::line
