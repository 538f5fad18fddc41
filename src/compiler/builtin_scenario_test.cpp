// The built-in line and run texts agree with each other: what the line puts
// on the track leaves the run the cells it needs.

#include <gtest/gtest.h>

#include <vector>

#include "builtin_scenario.h"
#include "line/builtin_line.h"
#include "line/line_compiler.h"
#include "text/line_list.h"

namespace scenario::compiler {
namespace {

// The cells the line's boards take, from the line compiled alone.
std::vector<std::size_t> board_cells() {
  records::ScenarioRecords line;
  line.write_line_data = 0;
  line::compile_line(line, text::render_lines(line::builtin_line()));
  std::vector<std::size_t> cells;
  for (std::size_t cell = 0; cell < line.cells.size(); ++cell) {
    const std::uint8_t type = line.cells[cell].type;
    if (type == records::kSpeedIndicator || type == records::kSignBoard)
      cells.push_back(cell);
  }
  return cells;
}

TEST(BuiltInScenario, BoardsKeepOffTheCellsOfTheRunsSignalsAndSlowSections) {
  const records::CellArray& scenario = scenario::testing::builtin_scenario().cells;
  const std::vector<std::size_t> boards = board_cells();
  ASSERT_EQ(boards.size(), 26u);
  // Every board is still there once the run and the finishing pass have
  // placed theirs: none was in their way.
  for (std::size_t cell : boards) {
    EXPECT_TRUE(scenario[cell].type == records::kSpeedIndicator ||
                scenario[cell].type == records::kSignBoard)
        << cell;
  }
  // Around each slow section, from its pre-warning cells to the 12 cells
  // after its end where the first signal after it gets its point, no board
  // takes a cell the finishing pass might want.
  std::size_t sections = 0;
  for (std::size_t start = 0; start < scenario.size(); ++start) {
    if (scenario[start].type != records::kSlowStart)
      continue;
    ++sections;
    std::size_t end = start + 1;
    while (scenario[end].type != records::kSlowEnd)
      ++end;
    const std::size_t first = start - 24 - 4;
    const std::size_t last = end + 12;
    for (std::size_t cell : boards)
      EXPECT_FALSE(cell >= first && cell <= last)
          << "board in cell " << cell << " by the section at " << start;
  }
  EXPECT_EQ(sections, 2u);
}

}  // namespace
}  // namespace scenario::compiler
