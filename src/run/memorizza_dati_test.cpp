#include "run/memorizza_dati.h"

#include <gtest/gtest.h>

#include <string>

#include "line/builtin_line.h"
#include "platform/files.h"
#include "run/builtin_run_text.h"
#include "run/run_test_support.h"
#include "test_support.h"
#include "text/line_list.h"

namespace scenario::run {
namespace {

using records::ScenarioRecords;
using scenario::testing::TempFolder;
using scenario::testing::write_bytes;

// The two description texts in a folder of their own.
struct Texts {
  TempFolder folder;
  DescriptionTexts paths{folder.file("Velbrio_Dolvena_linea.txt"),
                         folder.file("Velbrio_Dolvena_30527-.txt")};

  Texts(const std::string& line_text, const std::string& run_text) {
    write_bytes(paths.line_text, line_text);
    write_bytes(paths.run_text, run_text);
  }
  bool any_left() const {
    return platform::file_exists(paths.line_text) || platform::file_exists(paths.run_text);
  }
};

const std::string kBuiltInLine = text::render_lines(line::builtin_line());
const std::string kBuiltInRun = text::render_lines(builtin_run_text());

ScenarioRecords compiled(const Texts& texts) {
  ScenarioRecords records;
  records.line_id = "Velbrio_Dolvena";
  records.train_number = "30527";
  memorizza_dati(records, texts.paths);
  return records;
}

TEST(MemorizzaDati, TheBuiltInLineAndRunCompileWithoutErrorAndLeaveNoText) {
  const Texts texts(kBuiltInLine, kBuiltInRun);
  const ScenarioRecords records = compiled(texts);
  EXPECT_EQ(records.state.error_code, 0);
  EXPECT_FALSE(texts.any_left());
  ASSERT_EQ(records.cells.size(), static_cast<std::size_t>(kBuiltInLastCell + 1));
  EXPECT_EQ(records.header[19].text, "DOLVENA C.LE");
  EXPECT_EQ(records.header[20].text, "");
  // The three sign-board texts keep slots 80 to 78.
  for (int slot = 78; slot <= 80; ++slot)
    EXPECT_FALSE(records.header[slot].text.empty());
  EXPECT_EQ(cells_of_type(records, records::kSignal).size(), 44u);
  EXPECT_EQ(records.cells[304].tempo, 230);
  EXPECT_EQ(records.cells[kBuiltInLastCell - 3].speed_limit, 6);
}

TEST(MemorizzaDati, ASoftStopOfTheLineLetsTheWholeRunCompileAndKeepsItsCode) {
  // An entry beyond the track after "[fine]": the line stops there (15) and
  // the run goes on.
  const Texts texts(kBuiltInLine + "pendenza,  200000,   0\r\n", kBuiltInRun);
  const ScenarioRecords records = compiled(texts);
  EXPECT_EQ(records.state.error_code, 15);
  EXPECT_EQ(records.state.error_position, 200000);
  EXPECT_EQ(records.state.text, records::SourceText::kLine);
  EXPECT_FALSE(texts.any_left());
  EXPECT_EQ(cells_of_type(records, records::kSignal).size(), 44u);
  EXPECT_EQ(records.header[19].text, "DOLVENA C.LE");
}

TEST(MemorizzaDati, AHardStopOfTheLineDeletesTheRunTextUnread) {
  const Texts texts("[generale]\r\nlunghezza percorso, 1000001\r\n", kBuiltInRun);
  const ScenarioRecords records = compiled(texts);
  EXPECT_EQ(records.state.error_code, 1);
  EXPECT_FALSE(texts.any_left());
  EXPECT_EQ(records.header[84].long_c, 0);  // "numero vetture" was not read
}

TEST(MemorizzaDati, ARunTextCutShortIsCaughtByTheTrap) {
  const Texts texts(kBuiltInLine, "[generale]\r\nnumero vetture, 8\r\nsegnale, 1050, 1, 5\r\n");
  const ScenarioRecords records = compiled(texts);
  EXPECT_EQ(records.state.error_code, kErrorUnexpectedFailure);
  EXPECT_EQ(records.state.text, records::SourceText::kRun);
  // The text ends after the line end of line 3: the reader stands on line 4.
  EXPECT_EQ(records.state.line, 4);
  EXPECT_EQ(records.state.detail, "lettura oltre la fine del testo");
  EXPECT_FALSE(texts.any_left());
  EXPECT_EQ(records.header[84].long_c, 8);  // what was compiled stays
}

}  // namespace
}  // namespace scenario::run
