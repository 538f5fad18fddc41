// `documents` on the built-in texts against the installer's own documents.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "docs/driver_documents.h"
#include "test_support.h"
#include "tools/builtin_texts.h"
#include "tools/exit_codes.h"
#include "tools/tool_test_support.h"

namespace scenario::tools {
namespace {

using scenario::testing::read_bytes;
using scenario::testing::TempFolder;
using Lines = std::vector<std::string>;

Lines lines_of(const std::string& bytes) {
  Lines lines;
  for (std::size_t start = 0; start < bytes.size();) {
    const std::size_t end = bytes.find("\r\n", start);
    lines.push_back(bytes.substr(start, end - start));
    start = end == std::string::npos ? bytes.size() : end + 2;
  }
  return lines;
}

// The timetable rows of a train sheet: from the line after the head to the
// line before the table bottom.
constexpr std::size_t kFirstRow = 16;
Lines timetable_rows(const Lines& sheet) {
  const auto bottom = std::find(sheet.begin() + kFirstRow, sheet.end(), sheet[15]);
  return Lines(sheet.begin() + kFirstRow, bottom);
}

// The cells a row of the run must share with the installer's row: line
// speed, kilometre, place, time.
struct StationCells {
  std::string line_speed, kilometre, place, time;
  bool operator==(const StationCells&) const = default;
};
StationCells station_cells(const std::string& row) {
  return {row.substr(2, 5), row.substr(14, 10), row.substr(31, 28), row.substr(60, 16)};
}

class BuiltInDocuments : public ::testing::Test {
 protected:
  void SetUp() override {
    write_builtin_texts(texts.path().string(), false);
    docs::dati_rallentamenti(installer.file("rallentamenti.txt"));
    docs::dati_scheda(installer.file("scheda_treno.txt"));
    const ToolRun result =
        run_tool_here({"documents", texts.file("Velbrio_Dolvena_linea.txt"),
                       texts.file("Velbrio_Dolvena_30527-.txt"), "--line-id", "Velbrio_Dolvena",
                       "--train", "30527", "--out", out.path().string()});
    ASSERT_EQ(result.status, kExitOk) << result.err;
  }
  std::string generated(const std::string& kind) const {
    return read_bytes(out.file("Velbrio_Dolvena_30527_" + kind + ".txt"));
  }

  TempFolder texts;
  TempFolder installer;
  TempFolder out;
};

TEST_F(BuiltInDocuments, TheSlowOrderIsTheInstallersByteForByte) {
  EXPECT_EQ(generated("rallentamenti"), read_bytes(installer.file("rallentamenti.txt")));
}

TEST_F(BuiltInDocuments, EveryStationRowOfTheInstallersSheetIsInTheGeneratedOne) {
  const Lines ours = lines_of(generated("scheda_treno"));
  const Lines theirs = lines_of(read_bytes(installer.file("scheda_treno.txt")));
  ASSERT_EQ(theirs.size(), 56u);
  // The bands and the head, with the options' defaults, are the installer's.
  for (std::size_t i = 0; i < kFirstRow; ++i)
    EXPECT_EQ(ours.at(i), theirs[i]) << i;

  // Rows by kilometre; the installer's second-name row has none.
  std::map<std::string, std::string> their_rows;
  for (const std::string& row : timetable_rows(theirs))
    their_rows[row.substr(14, 10)] = row;
  std::size_t stations = 0;
  for (const std::string& row : timetable_rows(ours)) {
    SCOPED_TRACE(row);
    EXPECT_EQ(row.size(), 83u);
    if (row.substr(31, 28) == std::string(28, ' ')) {
      // A speed change of its own: at a point of the installer's sheet
      // that the run does not hold, within 200 m.
      EXPECT_NE(row.substr(2, 5), "     ");
      continue;
    }
    ++stations;
    const auto theirs_there = their_rows.find(row.substr(14, 10));
    ASSERT_NE(theirs_there, their_rows.end());
    EXPECT_EQ(station_cells(row), station_cells(theirs_there->second));
    // The running speeds are not the run's: blank.
    EXPECT_EQ(row.substr(8, 5), "     ");
    EXPECT_EQ(row.substr(25, 5), "     ");
  }
  EXPECT_EQ(stations, 19u);
  EXPECT_EQ(timetable_rows(ours).size(), 28u);

  // The bottom, the single space and the first line of the legend.
  const std::size_t bottom = kFirstRow + timetable_rows(ours).size();
  ASSERT_EQ(ours.size(), bottom + 3);
  EXPECT_EQ(ours[bottom], theirs[52]);
  EXPECT_EQ(ours[bottom + 1], theirs[53]);
  EXPECT_EQ(ours[bottom + 2], theirs[54]);
}

}  // namespace
}  // namespace scenario::tools
