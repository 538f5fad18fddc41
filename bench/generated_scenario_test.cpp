#include "bench/generated_scenario.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <stdexcept>

#include "bench/faulty_scenario.h"
#include "bench/generated_files.h"
#include "diagnostics/checker.h"
#include "finish/memorizza_percorso.h"
#include "test_support.h"

namespace scenario::bench {
namespace {

using scenario::testing::TempFolder;

std::int32_t cells_of_type(const records::CellArray& cells, std::uint8_t type) {
  return static_cast<std::int32_t>(std::count_if(
      cells.begin(), cells.end(), [&](const auto& cell) { return cell.type == type; }));
}

// The measurements are only worth something if the generated texts compile
// whole: no row refused, no item lost to a taken cell, every file written.
TEST(GeneratedScenario, CompilesWithoutErrorAndPlacesEveryItem) {
  for (std::int32_t length : {10000, 100000, 1000000}) {
    TempFolder folder;
    const finish::BinaryFiles files = generated_binary_files(folder.path().string());
    records::ScenarioRecords records = generated_records();
    std::int32_t j = 1;
    ASSERT_EQ(finish::memorizza_percorso(records, generated_description_texts(length), files, j),
              finish::Outcome::kComplete);
    EXPECT_EQ(records.state.error_code, 0) << length << " m, at " << records.state.error_position;
    EXPECT_EQ(records.header[84].long_b, length);

    const GeneratedCounts counts = generated_counts(length);
    const records::CellArray& cells = records.cells;
    EXPECT_EQ(cells_of_type(cells, records::kSignal), counts.signals) << length;
    EXPECT_EQ(cells_of_type(cells, records::kSlowStart), counts.slow_orders) << length;
    EXPECT_EQ(cells_of_type(cells, records::kSlowEnd), counts.slow_orders) << length;
    EXPECT_EQ(cells_of_type(cells, records::kWarningPoint), counts.slow_orders) << length;
    EXPECT_EQ(cells_of_type(cells, records::kStationStop), counts.stations) << length;
    EXPECT_EQ(cells_of_type(cells, records::kSpeedIndicator), counts.speed_indicators) << length;
    EXPECT_EQ(cells_of_type(cells, records::kSignBoard), counts.sign_boards) << length;

    // Metres 0 and 1 hold 16-bit integers, the last two are never set, all
    // others are doubles: 4, 2 and 10 bytes each, in both columns.
    const std::uintmax_t metres = static_cast<std::uintmax_t>(length) + 7001;
    EXPECT_EQ(std::filesystem::file_size(files.line_data), 2 * (2 * 4 + 2 * 2 + (metres - 4) * 10));
  }
}

TEST(GeneratedScenario, GrowsWithTheLineUpToTheSlotsOfTheHeaderTable) {
  const GeneratedCounts short_line = generated_counts(10000);
  const GeneratedCounts long_line = generated_counts(1000000);
  EXPECT_EQ(short_line.signals, 9);
  EXPECT_EQ(long_line.signals, 999);
  EXPECT_EQ(long_line.slow_orders, 100);
  // Stations and sign-board texts share the 81 header slots 0 to 80.
  EXPECT_EQ(long_line.stations, 50);
  EXPECT_EQ(long_line.sign_boards, 20);
}

// The check's measurement is only worth something if every planted fault is
// found: each error once, each misspelt keyword as a warning.
TEST(GeneratedScenario, EveryPlantedFaultIsFoundByTheCheck) {
  PlantedFaults planted;
  const GeneratedTexts texts = with_planted_faults(generate_texts(1000000), planted);
  EXPECT_EQ(planted.errors + planted.warnings, 100);
  const diagnostics::CheckOutcome outcome = diagnostics::check_scenario(
      {texts.line_text, texts.run_text, kGeneratedLineId, kGeneratedTrainNumber});
  std::map<std::string, int> found;
  for (const diagnostics::Diagnostic& d : outcome.diagnostics)
    ++found[d.id];
  EXPECT_EQ(found["signal_cell_taken"], 20);
  EXPECT_EQ(found["unexpected_failure"], 15);
  EXPECT_EQ(found["sign_board_cell_taken"], 15);
  EXPECT_EQ(found["unknown_keyword"], 50);
  EXPECT_EQ(outcome.left_out, 0u);
}

TEST(GeneratedScenario, RefusesLengthsOutsideItsRange) {
  EXPECT_THROW(generate_texts(9999), std::invalid_argument);
  EXPECT_THROW(generate_texts(1000001), std::invalid_argument);
}

}  // namespace
}  // namespace scenario::bench
