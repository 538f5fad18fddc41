#include "line/boards.h"

#include <limits>
#include <optional>

#include "records/rounding.h"
#include "records/track_geometry.h"
#include "text/compile_failure.h"

namespace scenario::line {
namespace {

// The cell of a board at `position`, one further on than the cell of a
// gradient or a terrain stretch at the same position. The range test keeps
// it below N; none for a position before the start of the line.
std::optional<std::size_t> board_cell(std::int32_t position) {
  const std::int64_t k = records::item_cell(position);
  if (k < 0)
    return std::nullopt;
  return static_cast<std::size_t>(k);
}

std::int16_t to_cell_value(double value, int line) {
  if (value < std::numeric_limits<std::int16_t>::min() ||
      value > std::numeric_limits<std::int16_t>::max()) {
    throw text::CompileFailure(line, text::CompileFailure::Reason::kValueTooLarge,
                               "valore del cartello oltre i 16 bit");
  }
  return static_cast<std::int16_t>(value);
}

std::int16_t packed_speeds(std::int32_t left, std::int32_t right, int line) {
  return to_cell_value(records::round_half_even(left * 20.0 + right / 5.0), line);
}

}  // namespace

void memo_indicatori_v_max(LineCompilation& line, std::int32_t posizione,
                           const SpeedIndicatorValues& values) {
  records::CellRecord& cell = line.records.cells[*board_cell(posizione)];
  if (!records::is_free(cell)) {
    line.records.state.fail(compiler::kErrorSpeedIndicatorCell, records::SourceText::kLine,
                            line.keyword_line);
    return;
  }
  const int at = line.keyword_line;
  const std::int16_t rank_a = packed_speeds(values.vas, values.vad, at);
  const std::int16_t rank_b = packed_speeds(values.vbs, values.vbd, at);
  const std::int16_t rank_c = packed_speeds(values.vcs, values.vcd, at);
  const std::int16_t stripes = to_cell_value(values.strisces * 10.0 + values.strisced, at);
  cell.type = records::kSpeedIndicator;
  cell.value_a = rank_a;
  cell.value_b = rank_b;
  cell.value_c = rank_c;
  cell.value_d = stripes;
  line.placed(*board_cell(posizione), records::kSpeedIndicator);
}

EntryOutcome compile_speed_indicator(LineCompilation& line) {
  text::FieldReader& reader = line.reader;
  const std::int32_t posizione = reader.read_int32();
  SpeedIndicatorValues values;
  values.vas = reader.read_int32();
  values.vbs = reader.read_int32();
  values.vcs = reader.read_int32();
  values.strisces = reader.read_int16();
  values.vad = reader.read_int32();
  values.vbd = reader.read_int32();
  values.vcd = reader.read_int32();
  values.strisced = reader.read_int16();
  if (test_on_track(line, posizione) != EntryOutcome::kGoOn)
    return EntryOutcome::kEndOfText;
  if (!board_cell(posizione))
    return line.stop_at(compiler::kErrorBoardBeforeLineStart, posizione);
  memo_indicatori_v_max(line, posizione, values);
  if (line.records.state.error_code > 0)
    return line.stop_at(compiler::kErrorSpeedIndicatorCell, posizione);
  return EntryOutcome::kGoOn;
}

EntryOutcome compile_sign_board(LineCompilation& line) {
  const std::int32_t position = line.reader.read_int32();
  std::string board_text = line.reader.read_counted_text();
  if (test_on_track(line, position) != EntryOutcome::kGoOn)
    return EntryOutcome::kEndOfText;
  const std::optional<std::size_t> k = board_cell(position);
  if (!k)
    return line.stop_at(compiler::kErrorBoardBeforeLineStart, position);
  if (line.next_board_slot < 0)
    return line.stop_at(compiler::kErrorNoBoardSlotLeft, position);
  records::CellRecord& cell = line.records.cells[*k];
  if (!records::is_free(cell))
    return line.stop_at(compiler::kErrorSignBoardCell, position);
  cell.type = records::kSignBoard;
  line.placed(static_cast<std::int64_t>(*k), records::kSignBoard);
  cell.value_a = static_cast<std::int16_t>(line.next_board_slot);
  line.records.header[static_cast<std::size_t>(line.next_board_slot)].text = std::move(board_text);
  --line.next_board_slot;
  return EntryOutcome::kGoOn;
}

}  // namespace scenario::line
