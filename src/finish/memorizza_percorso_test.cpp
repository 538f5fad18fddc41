#include "finish/memorizza_percorso.h"

#include <gtest/gtest.h>

#include <functional>

#include "test_support.h"

namespace scenario::finish {
namespace {

using scenario::testing::hex_bytes;
using scenario::testing::read_bytes;
using scenario::testing::TempFolder;
using scenario::testing::to_hex;
using scenario::testing::write_bytes;

BinaryFiles files_in(const TempFolder& folder) {
  return {folder.file("l.dat"), folder.file("t.sim"), folder.file("c.dat")};
}

// Compiled records of a short track, cells 0 to 11, without anything on it,
// and a plan of two unset metres.
records::ScenarioRecords compiled(const std::string& train_number = "30527",
                                  const std::string& line_id = "Velbrio_Dolvena") {
  records::ScenarioRecords records;
  records.write_line_data = 1;
  records.header[records::kLineSlot].text = line_id;
  records.header[records::kRunSlot].text = train_number;
  records.cells.resize(12);
  records.plan.emplace(1);
  return records;
}

// complete_records, then the files unless a stamp conflict stopped it, as
// memorizza_percorso does after the compile.
bool complete_and_write(records::ScenarioRecords& records, const BinaryFiles& files) {
  if (!complete_records(records))
    return false;
  write_binary_files(records, files);
  return true;
}

void put(records::ScenarioRecords& records, std::int32_t cell, std::uint8_t type,
         std::int16_t value_a = 0) {
  records.cells[cell].type = type;
  records.cells[cell].value_a = value_a;
}

TEST(CompleteRecords, ScansStampsAndWritesTheThreeFiles) {
  TempFolder folder;
  records::ScenarioRecords records = compiled();
  put(records, 2, records::kSlowStart, 110);
  put(records, 4, records::kSlowEnd, 110);
  put(records, 6, records::kSignal);

  EXPECT_TRUE(complete_and_write(records, files_in(folder)));
  EXPECT_EQ(records.state.error_code, 0);

  // Cell 1: stamp 5121 and plain code 2458; the point in front of the
  // signal after the section at cell 5.
  const std::string zero_cell = hex_bytes("00 0000 0000 0000 0000 00 00 00 00 00 00");
  std::string expected_cells = zero_cell;
  expected_cells += hex_bytes(
      "00 0114 9a09 0000 0000 00 00 00 00 00 00"
      "03 6e00 0000 0000 0000 00 00 00 00 00 00");
  expected_cells += zero_cell;
  expected_cells += hex_bytes(
      "02 6e00 0000 0000 0000 00 00 00 00 00 00"
      "0c b400 0000 0000 0000 00 00 00 00 00 00"
      "01 0000 0000 0000 0000 00 00 00 00 00 00");
  for (int cell = 7; cell <= 11; ++cell)
    expected_cells += zero_cell;
  EXPECT_EQ(to_hex(read_bytes(folder.file("c.dat"))), to_hex(expected_cells));

  // Slots 0 to 84 are empty, 34 bytes each; slot 85 carries stamp 610 and
  // the weighted code 35384.
  const std::string table = read_bytes(folder.file("t.sim"));
  ASSERT_EQ(table.size(), 85u * 34 + 49 + 39);
  EXPECT_EQ(to_hex(table.substr(85 * 34)),
            to_hex(hex_bytes("00 00000000 00000000 00000000 00 0f00"
                             "56656c6272696f5f446f6c76656e61"
                             "6202 0000 0000 0000 0000 00 00 00 00 388a0000"
                             "00 00000000 00000000 00000000 00 0500 3330353237"
                             "0000 0000 0000 0000 0000 00 00 00 00 00000000")));
  EXPECT_EQ(read_bytes(folder.file("l.dat")), std::string(8, '\0'));
}

TEST(CompleteRecords, LargestCodesFitTheirFields) {
  TempFolder folder;
  records::ScenarioRecords records = compiled(std::string(30, '\xFF'), "");
  ASSERT_TRUE(complete_and_write(records, files_in(folder)));
  EXPECT_EQ(records.cells[1].value_b, 6375);
  EXPECT_EQ(records.header[records::kLineSlot].long_d, 82875);
  EXPECT_EQ(to_hex(read_bytes(folder.file("c.dat")).substr(15, 15)),
            to_hex(hex_bytes("00 0114 e718 0000 0000 00 00 00 00 00 00")));
}

TEST(CompleteRecords, ARecordedErrorStillWritesTheFiles) {
  TempFolder folder;
  records::ScenarioRecords records = compiled();
  put(records, 8, records::kWarningPoint, 60);
  put(records, 5, records::kSignal);
  put(records, 4, records::kSignBoard);
  put(records, 3, records::kSignBoard);
  EXPECT_TRUE(complete_and_write(records, files_in(folder)));
  EXPECT_EQ(records.state.error_code, 11);
  EXPECT_EQ(records.state.error_position, 250);
  EXPECT_EQ(folder.entries(), (std::vector<std::string>{"c.dat", "l.dat", "t.sim"}));
  EXPECT_EQ(read_bytes(folder.file("c.dat")).size(), 12u * 15);
}

TEST(CompleteRecords, AStampAlreadySetEndsTheRunWithoutWritingAnyFile) {
  struct Case {
    const char* what;
    std::function<void(records::ScenarioRecords&)> prepare;
    std::int32_t code;
  };
  const Case cases[] = {
      {"slot 85 short_a", [](auto& r) { r.header[records::kLineSlot].short_a = 610; }, 1250},
      {"cell 1 value_a", [](auto& r) { r.cells[1].value_a = -1; }, 1250},
      {"slot 85 long_d", [](auto& r) { r.header[records::kLineSlot].long_d = 1; }, 1251},
      {"cell 1 value_b", [](auto& r) { r.cells[1].value_b = 2458; }, 1251},
      {"a window point placed on cell 1 by the scan",
       [](auto& r) {
         put(r, 8, records::kSlowStart, 110);
         put(r, 10, records::kSlowEnd, 110);
         put(r, 3, records::kSignBoard);
         put(r, 2, records::kSignBoard);
       },
       1250},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempFolder older;
    write_bytes(older.file("l.dat"), "older line data");
    write_bytes(older.file("t.sim"), "older table");
    write_bytes(older.file("c.dat"), "older cells");
    records::ScenarioRecords records = compiled();
    c.prepare(records);
    EXPECT_FALSE(complete_and_write(records, files_in(older)));
    EXPECT_EQ(records.state.error_code, c.code);
    EXPECT_EQ(read_bytes(older.file("l.dat")), "older line data");
    EXPECT_EQ(read_bytes(older.file("t.sim")), "older table");
    EXPECT_EQ(read_bytes(older.file("c.dat")), "older cells");
    EXPECT_EQ(older.entries(), (std::vector<std::string>{"c.dat", "l.dat", "t.sim"}));

    TempFolder empty;
    records = compiled();
    c.prepare(records);
    EXPECT_FALSE(complete_and_write(records, files_in(empty)));
    EXPECT_TRUE(empty.entries().empty());
  }
}

TEST(CompleteRecords, RefusesACellArrayWithoutCell1) {
  records::ScenarioRecords records = compiled();
  records.cells.resize(1);
  EXPECT_THROW(complete_records(records), std::logic_error);
}

TEST(WriteBinaryFiles, WithoutAPlanTheLineDataFileIsNeitherWrittenNorTouched) {
  TempFolder folder;
  write_bytes(folder.file("l.dat"), "older line data");
  records::ScenarioRecords records = compiled();
  records.plan.reset();
  write_binary_files(records, files_in(folder));
  EXPECT_EQ(read_bytes(folder.file("l.dat")), "older line data");
  EXPECT_EQ(read_bytes(folder.file("t.sim")).size(), 2958u + 20);
  EXPECT_EQ(read_bytes(folder.file("c.dat")).size(), 12u * 15);
}

TEST(WriteBinaryFiles, WithAPlanAllThreeFilesAreReplaced) {
  TempFolder folder;
  write_bytes(folder.file("l.dat"), std::string(1000, 'x'));
  write_binary_files(compiled(), files_in(folder));
  EXPECT_EQ(read_bytes(folder.file("l.dat")), std::string(8, '\0'));  // four unset elements
  EXPECT_EQ(folder.entries(), (std::vector<std::string>{"c.dat", "l.dat", "t.sim"}));
}

// A folder with older binary files.
struct Installation {
  Installation() {
    for (const auto& path : {files.line_data, files.scenario_table, files.cell_file}) {
      write_bytes(path, "older bytes");
    }
  }
  TempFolder folder;
  BinaryFiles files{folder.file("L_linea.dat"), folder.file("L_T.sim"), folder.file("L_T.dat")};
};

compiler::DescriptionTexts texts(const char* line_text, const char* run_text) {
  compiler::DescriptionTexts texts;
  if (line_text != nullptr)
    texts.line = compiler::DescriptionText{"L_linea.txt", line_text};
  if (run_text != nullptr)
    texts.run = compiler::DescriptionText{"L_T-.txt", run_text};
  return texts;
}

TEST(MemorizzaPercorso, AStopBeforeTheLineLengthWritesNoBinaryFile) {
  struct Case {
    const char* line_text;  // nullptr: no line text at all
    std::int32_t code;
  };
  const Case cases[] = {
      {nullptr, 101},
      {"nessuna sezione\r\n", 102},
      {"[generale]\r\nlunghezza percorso, 1000001\r\n", 1},
      {"[generale]\r\nsfondo uno, 1\r\n[curve]\r\n", 201},
      {"[generale]\r\nsfondo uno, 1, 2, 3\r\nsfondo due, x\r\n", 25},
      // The signal repetition may stand before the length.
      {"[generale]\r\nripetizione segnali 4 codici, 1075, 2000\r\nlunghezza percorso, 3000\r\n", 3},
  };
  for (const auto& c : cases) {
    Installation installation;
    records::ScenarioRecords records;
    std::int32_t j = 1;
    EXPECT_EQ(
        memorizza_percorso(records, texts(c.line_text, "[generale]\r\n"), installation.files, j),
        Outcome::kNoTrack);
    EXPECT_EQ(records.state.error_code, c.code);
    EXPECT_TRUE(records.cells.empty());
    for (const auto& path : {installation.files.line_data, installation.files.scenario_table,
                             installation.files.cell_file}) {
      EXPECT_EQ(read_bytes(path), "older bytes") << c.code << " " << path;
    }
  }
}

TEST(MemorizzaPercorso, AFailureAfterTheLengthStillWritesTheFiles) {
  Installation installation;
  records::ScenarioRecords records;
  std::int32_t j = 1;
  EXPECT_EQ(
      memorizza_percorso(records,
                         texts("[generale]\r\nlunghezza percorso, 0\r\n[curve]\r\npendenza, 100",
                               "[generale]\r\n"),
                         installation.files, j),
      Outcome::kComplete);
  EXPECT_EQ(records.state.error_code, 25);
  EXPECT_EQ(records.state.text, records::SourceText::kLine);
  EXPECT_EQ(records.state.line, 4);
  EXPECT_EQ(read_bytes(installation.files.cell_file).size(), 141u * 15);
  EXPECT_NE(read_bytes(installation.files.line_data), "older bytes");
}

// The plan exists exactly when the flag is set, and with it the line data
// file is written; without it an older one keeps its bytes.
TEST(MemorizzaPercorso, TheFlagGivesThePlanAndTheLineDataFile) {
  for (std::int32_t flag : {1, 0, -3}) {
    Installation installation;
    records::ScenarioRecords records;
    std::int32_t j = flag;
    ASSERT_EQ(
        memorizza_percorso(
            records, texts("[generale]\r\nlunghezza percorso, 0\r\n[fine]\r\n", "[generale]\r\n"),
            installation.files, j),
        Outcome::kComplete);
    EXPECT_EQ(records.write_line_data, flag);
    EXPECT_EQ(records.plan.has_value(), flag != 0);
    if (records.plan) {
      EXPECT_EQ(records.plan->last_metre(), 7000);
    }
    EXPECT_EQ(read_bytes(installation.files.line_data) == "older bytes", flag == 0) << flag;
  }
}

}  // namespace
}  // namespace scenario::finish
