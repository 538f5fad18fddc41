#include "finish/memorizza_percorso.h"

#include <gtest/gtest.h>

#include "platform/files.h"
#include "test_support.h"

namespace scenario::finish {
namespace {

using scenario::testing::read_bytes;
using scenario::testing::TempFolder;
using scenario::testing::write_bytes;

// A folder with older binary files, and the paths of both texts.
struct Installation {
  Installation() {
    for (const auto& path : {files.line_data, files.scenario_table, files.cell_file}) {
      write_bytes(path, "older bytes");
    }
  }
  TempFolder folder;
  run::DescriptionTexts texts{folder.file("L_linea.txt"), folder.file("L_T-.txt")};
  BinaryFiles files{folder.file("L_linea.dat"), folder.file("L_T.sim"), folder.file("L_T.dat")};
};

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
    if (c.line_text != nullptr)
      write_bytes(installation.texts.line_text, c.line_text);
    records::ScenarioRecords records;
    std::int32_t j = 1;
    EXPECT_EQ(memorizza_percorso(records, installation.texts, installation.files, j), std::nullopt);
    EXPECT_EQ(records.state.error_code, c.code);
    EXPECT_TRUE(records.cells.empty());
    for (const auto& path : {installation.files.line_data, installation.files.scenario_table,
                             installation.files.cell_file}) {
      EXPECT_EQ(read_bytes(path), "older bytes") << c.code << " " << path;
    }
    EXPECT_FALSE(platform::file_exists(installation.texts.line_text)) << c.code;
  }
}

TEST(MemorizzaPercorso, AFailureAfterTheLengthStillWritesTheFilesAndDeletesBothTexts) {
  Installation installation;
  write_bytes(installation.texts.line_text,
              "[generale]\r\nlunghezza percorso, 0\r\n[curve]\r\npendenza, 100");
  write_bytes(installation.texts.run_text, "[generale]\r\n");
  records::ScenarioRecords records;
  std::int32_t j = 1;
  EXPECT_EQ(memorizza_percorso(records, installation.texts, installation.files, j), std::nullopt);
  EXPECT_EQ(records.state.error_code, 25);
  EXPECT_EQ(records.state.text, records::SourceText::kLine);
  EXPECT_EQ(records.state.line, 4);
  EXPECT_EQ(read_bytes(installation.files.cell_file).size(), 141u * 15);
  EXPECT_NE(read_bytes(installation.files.line_data), "older bytes");
  EXPECT_FALSE(platform::file_exists(installation.texts.line_text));
  EXPECT_FALSE(platform::file_exists(installation.texts.run_text));
}

}  // namespace
}  // namespace scenario::finish
