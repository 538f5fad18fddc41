#include "line/gradients.h"

#include "records/track_geometry.h"

namespace scenario::line {
namespace {

// The cell field holds the gradient plus 100 in 8 bits.
constexpr std::int32_t kLowestGradient = -100;
constexpr std::int32_t kHighestGradient = 155;

void write_carried_gradient(LineCompilation& line) {
  line.records.cells[static_cast<std::size_t>(line.fill_index)].gradient =
      static_cast<std::uint8_t>(line.previous_gradient + 100);
  ++line.fill_index;
}

}  // namespace

EntryOutcome compile_gradient(LineCompilation& line) {
  const std::int32_t position = line.reader.read_int32();
  const std::int32_t gradient = line.reader.read_int32();
  if (test_on_track(line, position) != EntryOutcome::kGoOn)
    return EntryOutcome::kEndOfText;
  if (gradient < kLowestGradient || gradient > kHighestGradient) {
    return line.stop_at(compiler::kErrorGradientOutOfRange, position);
  }
  const auto k = static_cast<std::int32_t>(records::stretch_first_cell(position));
  // At least one cell is written, so an entry at or behind the fill index
  // still moves it on by one; entries out of order can push it off the end.
  if (k > 0) {
    do {
      if (line.fill_index > line.last_cell()) {
        return line.stop_at(compiler::kErrorGradientFillPastTrack, position);
      }
      write_carried_gradient(line);
    } while (line.fill_index < k);
  }
  line.previous_gradient = gradient;
  return EntryOutcome::kGoOn;
}

void fill_last_gradient(LineCompilation& line) {
  // Past the last cell only when entries out of order filled every cell.
  if (line.fill_index > line.last_cell())
    return;
  do {
    write_carried_gradient(line);
  } while (line.fill_index < line.last_cell() - 2);
}

}  // namespace scenario::line
