#include "run/run_test_support.h"

#include <gtest/gtest.h>

#include "platform/files.h"
#include "run/run_compiler.h"
#include "test_support.h"

namespace scenario::run {

records::ScenarioRecords line_records() {
  records::ScenarioRecords records;
  records.cells.resize(kBuiltInLastCell + 1);
  return records;
}

void compile_text(records::ScenarioRecords& records, std::string_view text,
                  std::int32_t next_board_slot) {
  scenario::testing::TempFolder folder;
  const std::string path = folder.file("Velbrio_Dolvena_30527-.txt");
  scenario::testing::write_bytes(path, text);
  struct ExpectGone {
    std::string path;
    ~ExpectGone() { EXPECT_FALSE(platform::file_exists(path)) << "run text left on disk"; }
  } expect_gone{path};
  compile_run(records, path, next_board_slot);
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
