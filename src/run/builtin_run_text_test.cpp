#include "run/builtin_run_text.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "run/dati_treno.h"
#include "test_support.h"
#include "text/field_reader.h"

namespace scenario::run {
namespace {

using scenario::testing::read_bytes;
using scenario::testing::TempFolder;

// The lines of the written file; every line must end with CR LF.
std::vector<std::string> written_lines() {
  TempFolder folder;
  const std::string path = folder.file("Velbrio_Dolvena_30527-.txt");
  dati_treno(path);
  const std::string bytes = read_bytes(path);
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t end = bytes.find("\r\n", start);
    if (end == std::string::npos) {
      ADD_FAILURE() << "last line without CR LF";
      break;
    }
    lines.push_back(bytes.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

TEST(BuiltInRunText, HasItsHundredAndEightLinesWithoutTheEndMarker) {
  const auto lines = written_lines();
  ASSERT_EQ(lines.size(), 108u);
  EXPECT_EQ(lines.front(), "[generale]");
  EXPECT_EQ(lines.back(), "[fine]");
  for (const auto& line : lines) {
    EXPECT_EQ(line.find("riferimento fine del file"), std::string::npos);
    EXPECT_EQ(line.find('\n'), std::string::npos);
    EXPECT_EQ(line.find('\r'), std::string::npos);
  }
}

TEST(BuiltInRunText, LinesAsWritten) {
  const auto lines = written_lines();
  ASSERT_EQ(lines.size(), 108u);
  // Line numbers count from 1, as a reader of the file counts them.
  const std::vector<std::pair<int, std::string>> expected = {
      {1, "[generale]"},
      {2, "numero vetture,    8"},
      {3, "percentuale massa frenata,    125"},
      {4, "sabbia,    300"},
      {5, "orologio,    22              3             40 "},
      {6, "[aderenze]"},
      {7, "aderenza,       0,    75"},
      {8, "aderenza,   18750,    95"},
      {24, "aderenza,   37200,   100"},
      {25, "[vel_limite]"},
      {26, "velocita,   0,    30"},
      {27, "velocita,     900,   115"},
      {28, "velocita,    3300,   150"},
      {38, "velocita,   95950,    30"},
      {39, "[stazioni]"},
      {40,
       "stazione,       0,  8,  600,  0, 0, 0,  1,1,0,  4,1,1,    1,  21,55, 0, VELBRIO S.M.N."},
      {41,
       "stazione,    2750, 12,  500,  0, 0, 1,  1,1,0,  5,6,1,   50,  22, 0, 0, "
       "VELBRIO PORTA SERRA"},
      {48, "stazione,   16350,  2,  600,  1, 0, 1,  4,1,1,  2,1,1,   50,  22,18, 0, ROCCA-FIORALE"},
      {51,
       "stazione,   46800, 26,  300,  0, 0, 0,  0,0,0,  0,0,0,   30,  22,43,30, "
       "P.C. PRECEDENZE"},
      {58, "stazione,   96600,  2,  800,  1, 1, 0,  1,1,0,  2,1,1,    0,  23,26, 0, DOLVENA C.LE"},
      {59, "[rallentamenti]"},
      {60, "rallentamento,    9850,    60,  150, 0,  0,  60"},
      {61, "rallentamento,   74950,    90,  250, 0,  0,  90"},
      {62, "[segnali]"},
      {63, "segnale,    1050,   1, 5, 1,  0, 0,    0,  0,0,0,   0"},
      {72, "segnale,   15150,   2, 2, 3,  0, 1,    2,  2,1,0, 230"},
      {106, "segnale,   95500,   2, 2, 3,  3, 0,    0,  0,0,0, 240"},
      {107, "[codici]"},
      {108, "[fine]"},
  };
  for (const auto& [number, text] : expected) {
    EXPECT_EQ(lines[number - 1], text) << "line " << number;
  }
}

TEST(BuiltInRunText, StationNamesAreThoseOfTheBuiltInScenario) {
  const auto lines = written_lines();
  ASSERT_EQ(lines.size(), 108u);
  const std::vector<std::string> names = {
      "VELBRIO S.M.N.",    "VELBRIO PORTA SERRA",
      "CAMPOLUNGO",        "PIANELLA",
      "SESTO MARINO",      "CALVANO",
      "MONTERUPI",         "LE FORNACI",
      "ROCCA-FIORALE",     "CASTELNUOVO ALTO",
      "VALDERNO",          "P.C. PRECEDENZE",
      "SAN VITO IN VALLE", "POGGIOBRUNO",
      "LAGO DI VENTA",     "CERRETO SCALO",
      "SANT'ILARIO",       "BIVIO CAMPORA",
      "DOLVENA C.LE",
  };
  for (std::size_t i = 0; i < names.size(); ++i) {
    const std::string& line = lines[39 + i];
    EXPECT_EQ(line.substr(line.rfind(", ") + 2), names[i]) << line;
  }
}

struct SignalValues {
  std::vector<std::int32_t> values;  // posizione, sx, s1, s2, s3, rapp, dx, d1, d2, d3, tempo
};

std::vector<SignalValues> signal_rows(const std::vector<std::string>& lines) {
  std::vector<SignalValues> rows;
  for (int i = 62; i < 106; ++i) {
    text::FieldReader reader(lines[i]);
    EXPECT_EQ(reader.read_text(), "segnale");
    SignalValues row;
    for (int k = 0; k < 11; ++k)
      row.values.push_back(reader.read_int32());
    EXPECT_TRUE(reader.at_end()) << lines[i];
    rows.push_back(row);
  }
  return rows;
}

TEST(BuiltInRunText, SignalsStandWhereTheLineWantsThemWithTheTellingValues) {
  const auto lines = written_lines();
  ASSERT_EQ(lines.size(), 108u);
  const auto rows = signal_rows(lines);
  const std::vector<std::int32_t> positions = {
      1050,  2250,  4250,  5850,  7050,  10150, 11500, 12850, 14050, 15150, 20100,
      21350, 24450, 25700, 30150, 31400, 34750, 36100, 40650, 41900, 44750, 46000,
      49950, 51200, 54300, 55550, 58900, 60150, 65300, 66550, 69050, 70300, 74450,
      76000, 78250, 79500, 83750, 85000, 88400, 89650, 92200, 93450, 94250, 95500};
  ASSERT_EQ(rows.size(), positions.size());
  for (std::size_t i = 0; i < rows.size(); ++i)
    EXPECT_EQ(rows[i].values[0], positions[i]);

  const std::vector<std::vector<std::int32_t>> telling = {
      {1050, 1, 5, 1, 0, 0, 0, 0, 0, 0, 0},    {4250, 2, 2, 5, 6, 0, 0, 0, 0, 0, 0},
      {5850, 1, 4, 1, 0, 0, 1, 3, 1, 0, 0},    {14050, 2, 3, 1, 1, 0, 2, 2, 1, 1, 0},
      {15150, 2, 2, 3, 0, 1, 2, 2, 1, 0, 230}, {20100, 1, 4, 0, 0, 0, 1, 1, 0, 0, 0},
      {21350, 2, 4, 0, 0, 0, 2, 1, 0, 0, 0},   {94250, 1, 3, 1, 0, 0, 0, 0, 0, 0, 215},
      {95500, 2, 2, 3, 3, 0, 0, 0, 0, 0, 240},
  };
  for (const auto& expected : telling) {
    bool found = false;
    for (const auto& row : rows)
      found = found || row.values == expected;
    EXPECT_TRUE(found) << "signal at " << expected[0];
  }

  // From 20100 on: pairs, the first with sx 1, the second with sx 2.
  for (std::size_t i = 10; i < rows.size(); i += 2) {
    EXPECT_EQ(rows[i].values[1], 1) << rows[i].values[0];
    EXPECT_EQ(rows[i + 1].values[1], 2) << rows[i + 1].values[0];
  }
  // A time is either none or above 100, so the compiler keeps it as written.
  for (const auto& row : rows) {
    const std::int32_t tempo = row.values[10];
    EXPECT_TRUE(tempo == 0 || tempo > 100) << row.values[0];
  }
}

TEST(BuiltInRunText, ASecondWriteReplacesTheFileWhole) {
  TempFolder folder;
  const std::string path = folder.file("Velbrio_Dolvena_30527-.txt");
  dati_treno(path);
  const std::string first = read_bytes(path);
  scenario::testing::write_bytes(path, first + first);
  dati_treno(path);
  EXPECT_EQ(read_bytes(path), first);
}

}  // namespace
}  // namespace scenario::run
