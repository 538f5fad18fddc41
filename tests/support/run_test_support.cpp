#include "run_test_support.h"

#include <gtest/gtest.h>

#include "run/run_compiler.h"

namespace scenario::run {

records::ScenarioRecords line_records() {
  records::ScenarioRecords records;
  records.cells.resize(kBuiltInLastCell + 1);
  return records;
}

void compile_text(records::ScenarioRecords& records, std::string_view text,
                  std::int32_t next_board_slot) {
  compile_run(records, text, next_board_slot);
}

std::vector<std::int32_t> cells_of_type(const records::ScenarioRecords& records,
                                        std::uint8_t type) {
  std::vector<std::int32_t> found;
  for (std::size_t i = 0; i < records.cells.size(); ++i) {
    if (records.cells[i].type == type)
      found.push_back(static_cast<std::int32_t>(i));
  }
  return found;
}

}  // namespace scenario::run
