#pragma once

#include <cstdint>
#include <string>

#include "records/scenario_records.h"
#include "text/field_reader.h"

namespace scenario::line {

// How a section or an entry leaves the compilation of the line text.
enum class Outcome {
  kGoOn,       // read on
  kEndOfLine,  // stop reading and finish the line as at the end of the text
  kHardStop,   // leave the compiler at once; the run text is not compiled
};

// Terrain stretches read so far, for the 150 m rule.
struct StretchHistory {
  std::int32_t count = 0;
  std::int32_t previous_end = 0;
};

// The working state of one compilation of a line text.
struct LineCompilation {
  LineCompilation(records::ScenarioRecords& target, std::string text)
      : records(target), reader(std::move(text)) {}

  records::ScenarioRecords& records;
  text::FieldReader reader;

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

  // Reads the next field as the keyword field.
  void read_keyword() {
    keyword = reader.read_text();
    keyword_line = reader.field_line();
  }

  // Records `code` against the current entry, keeping the error position,
  // and stops the compiler.
  Outcome stop(std::int32_t code) {
    records.state.fail(code, records::SourceText::kLine, keyword_line);
    return Outcome::kHardStop;
  }
  // The same, with the position the error concerns.
  Outcome stop_at(std::int32_t code, std::int32_t position) {
    records.state.fail_at(code, position, records::SourceText::kLine, keyword_line);
    return Outcome::kHardStop;
  }
};

// The range test every entry of the main sections makes on its position:
// when (position + 100) / 50 exceeds N, error 15 is recorded with the
// position and the line ends there. Returns kGoOn for a position on the
// track.
Outcome test_on_track(LineCompilation& line, std::int32_t position);

}  // namespace scenario::line
