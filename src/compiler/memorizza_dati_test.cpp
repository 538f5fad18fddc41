#include "compiler/memorizza_dati.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "compiler/error_codes.h"
#include "line/builtin_line.h"
#include "run/builtin_run_text.h"
#include "text/line_list.h"

namespace scenario::compiler {
namespace {

using records::ScenarioRecords;

// N of the built-in line (97000 m): cells 0 to 2080.
constexpr std::size_t kBuiltInLastCell = 2080;

std::size_t signals(const ScenarioRecords& records) {
  return static_cast<std::size_t>(
      std::count_if(records.cells.begin(), records.cells.end(),
                    [](const records::CellRecord& cell) { return cell.type == records::kSignal; }));
}

const std::string kBuiltInLine = text::render_lines(line::builtin_line());
const std::string kBuiltInRun = text::render_lines(run::builtin_run_text());

ScenarioRecords compiled(const std::optional<std::string>& line_text,
                         const std::optional<std::string>& run_text) {
  ScenarioRecords records;
  records.line_id = "Velbrio_Dolvena";
  records.train_number = "30527";
  records.write_line_data = 1;
  DescriptionTexts texts;
  if (line_text)
    texts.line = DescriptionText{"linea.txt", *line_text};
  if (run_text)
    texts.run = DescriptionText{"corsa.txt", *run_text};
  memorizza_dati(records, texts);
  return records;
}

TEST(MemorizzaDati, TheBuiltInLineAndRunCompileWithoutError) {
  const ScenarioRecords records = compiled(kBuiltInLine, kBuiltInRun);
  EXPECT_EQ(records.state.error_code, 0);
  ASSERT_EQ(records.cells.size(), static_cast<std::size_t>(kBuiltInLastCell + 1));
  EXPECT_EQ(records.header[85].text, "Velbrio_Dolvena");
  EXPECT_EQ(records.header[86].text, "30527");
  EXPECT_EQ(records.header[19].text, "DOLVENA C.LE");
  EXPECT_EQ(records.header[20].text, "");
  // The three sign-board texts keep slots 80 to 78.
  for (int slot = 78; slot <= 80; ++slot)
    EXPECT_FALSE(records.header[slot].text.empty());
  EXPECT_EQ(signals(records), 44u);
  EXPECT_EQ(records.cells[304].tempo, 230);
  EXPECT_EQ(records.cells[kBuiltInLastCell - 3].speed_limit, 6);
}

TEST(MemorizzaDati, ASoftStopOfTheLineLetsTheWholeRunCompileAndKeepsItsCode) {
  // An entry beyond the track after "[fine]": the line stops there (15) and
  // the run goes on.
  const ScenarioRecords records =
      compiled(kBuiltInLine + "pendenza,  200000,   0\r\n", kBuiltInRun);
  EXPECT_EQ(records.state.error_code, 15);
  EXPECT_EQ(records.state.error_position, 200000);
  EXPECT_EQ(records.state.text, records::SourceText::kLine);
  EXPECT_EQ(signals(records), 44u);
  EXPECT_EQ(records.header[19].text, "DOLVENA C.LE");
}

TEST(MemorizzaDati, AHardStopOfTheLineLeavesTheRunUncompiled) {
  const ScenarioRecords records =
      compiled("[generale]\r\nlunghezza percorso, 1000001\r\n", kBuiltInRun);
  EXPECT_EQ(records.state.error_code, 1);
  EXPECT_EQ(records.header[84].long_c, 0);  // "numero vetture" was not read
}

TEST(MemorizzaDati, NoLineTextIsCode101AndNoTrack) {
  const ScenarioRecords records = compiled(std::nullopt, kBuiltInRun);
  EXPECT_EQ(records.state.error_code, 101);
  EXPECT_TRUE(records.cells.empty());
  EXPECT_FALSE(records.plan.has_value());
}

TEST(MemorizzaDati, NoRunTextOnceTheRunIsReachedIsCaughtByTheTrap) {
  const ScenarioRecords records = compiled(kBuiltInLine, std::nullopt);
  EXPECT_EQ(records.state.error_code, kErrorUnexpectedFailure);
  EXPECT_EQ(records.state.text, records::SourceText::kRun);
  EXPECT_EQ(records.state.detail, "testo della corsa assente");
  EXPECT_EQ(records.cells.size(), static_cast<std::size_t>(kBuiltInLastCell + 1));
}

TEST(MemorizzaDati, ARunTextCutShortIsCaughtByTheTrap) {
  const ScenarioRecords records =
      compiled(kBuiltInLine, "[generale]\r\nnumero vetture, 8\r\nsegnale, 1050, 1, 5\r\n");
  EXPECT_EQ(records.state.error_code, kErrorUnexpectedFailure);
  EXPECT_EQ(records.state.text, records::SourceText::kRun);
  // The text ends after the line end of line 3: the reader stands on line 4.
  EXPECT_EQ(records.state.line, 4);
  EXPECT_EQ(records.state.detail, "lettura oltre la fine del testo");
  EXPECT_EQ(records.header[84].long_c, 8);  // what was compiled stays
}

}  // namespace
}  // namespace scenario::compiler
