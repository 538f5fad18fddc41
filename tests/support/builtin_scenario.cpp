#include "builtin_scenario.h"

#include <stdexcept>

#include "app/form1.h"
#include "finish/memorizza_percorso.h"
#include "line/builtin_line.h"
#include "records/track_geometry.h"
#include "run/builtin_run_text.h"
#include "text/line_list.h"

namespace scenario::testing {

const records::ScenarioRecords& builtin_scenario() {
  static const records::ScenarioRecords compiled = [] {
    records::ScenarioRecords records;
    records.line_id = app::kLineId;
    records.train_number = app::kTrainNumber;
    const compiler::DescriptionTexts texts{
        compiler::DescriptionText{"linea", text::render_lines(line::builtin_line())},
        compiler::DescriptionText{"corsa", text::render_lines(run::builtin_run_text())}};
    std::int32_t j = 1;
    if (finish::compile_and_complete(records, texts, j) != finish::Outcome::kComplete ||
        records.state.error_code != 0) {
      throw std::logic_error("the built-in scenario does not compile cleanly");
    }
    return records;
  }();
  return compiled;
}

std::vector<std::int32_t> signal_positions(const records::ScenarioRecords& records) {
  std::vector<std::int32_t> positions;
  for (std::size_t cell = 1; cell < records.cells.size(); ++cell) {
    if (records.cells[cell].type == records::kSignal)
      positions.push_back(static_cast<std::int32_t>(records::cell_start_metre(cell - 1)));
  }
  return positions;
}

std::vector<SpeedChange> speed_changes(const records::ScenarioRecords& records) {
  std::vector<SpeedChange> changes;
  int previous = -1;
  for (std::size_t cell = 0; cell < records.cells.size(); ++cell) {
    // The last three cells keep no limit.
    if (cell + 3 >= records.cells.size())
      break;
    const int units = records.cells[cell].speed_limit;
    if (units != previous) {
      changes.push_back({static_cast<std::int32_t>(records::cell_start_metre(cell)), units * 5});
      previous = units;
    }
  }
  return changes;
}

std::vector<records::TableRecord> stations(const records::ScenarioRecords& records) {
  std::vector<records::TableRecord> found;
  for (int slot = records::kFirstStationSlot; slot < records::kFirstBoardTextSlot; ++slot) {
    if (records.header[slot] == records::TableRecord{})
      break;
    found.push_back(records.header[slot]);
  }
  return found;
}

}  // namespace scenario::testing
