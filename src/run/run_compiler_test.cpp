#include "run/run_compiler.h"

#include <gtest/gtest.h>

#include <string>

#include "compiler/error_codes.h"
#include "run/builtin_run_text.h"
#include "run_test_support.h"
#include "text/compile_failure.h"
#include "text/line_list.h"

namespace scenario::run {
namespace {

using namespace compiler;

using records::CellRecord;
using records::ScenarioRecords;
using records::TableRecord;

ScenarioRecords compiled_builtin_run() {
  ScenarioRecords records = line_records();
  compile_text(records, text::render_lines(builtin_run_text()));
  return records;
}

TEST(BuiltInRun, CompilesWithoutErrorIntoTheHeaderTable) {
  const ScenarioRecords records = compiled_builtin_run();
  EXPECT_EQ(records.state.error_code, 0);
  EXPECT_EQ(records.header[84].long_a, 125);
  EXPECT_EQ(records.header[84].long_c, 8);
  EXPECT_EQ(records.header[86].short_a, 300);
  EXPECT_EQ(records.header[86].short_c, 22);
  EXPECT_EQ(records.header[86].short_d, 3);
  EXPECT_EQ(records.header[86].short_e, 40);
  for (int slot = 1; slot <= 19; ++slot)
    EXPECT_FALSE(records.header[slot].text.empty()) << slot;
  EXPECT_EQ(records.header[20], TableRecord{});
  EXPECT_EQ(records.header[19].text, "DOLVENA C.LE");
}

TEST(BuiltInRun, FirstAndSecondStations) {
  const ScenarioRecords records = compiled_builtin_run();
  TableRecord first;
  first.kind = 8;
  first.long_a = -600;
  first.long_b = 600;
  first.long_c = 0;
  first.text = "VELBRIO S.M.N.";
  first.short_a = 1;
  first.short_b = 1;
  first.short_c = 4;
  first.short_d = 1;
  first.short_e = 1;
  first.byte_c = 1;
  first.long_d = 78900;
  EXPECT_EQ(records.header[1], first);
  for (int k = 1; k <= 4; ++k)
    EXPECT_EQ(records.cells[11 - k].approach, 80 + k) << k;
  EXPECT_EQ(records.cells[11].type, records::kStationStop);
  EXPECT_EQ(records.cells[11].value_a, 1);

  TableRecord second;
  second.kind = 12;
  second.long_a = 2500;
  second.long_b = 3050;
  second.long_c = 2750;
  second.text = "VELBRIO PORTA SERRA";
  second.byte_d = 1;
  second.short_a = 1;
  second.short_b = 1;
  second.short_c = 5;
  second.short_d = 6;
  second.short_e = 1;
  second.byte_c = 50;
  second.long_d = 79200;
  EXPECT_EQ(records.header[2], second);
  EXPECT_EQ(records.cells[60].type, records::kStationStop);
  EXPECT_EQ(records.cells[60].value_a, 2);
}

TEST(BuiltInRun, SpeedAndAdhesionCoverTheTrackUpToNMinus3) {
  const ScenarioRecords records = compiled_builtin_run();
  const auto& cells = records.cells;
  for (int i = 0; i <= 17; ++i)
    EXPECT_EQ(cells[i].speed_limit, 6) << i;
  for (int i = 18; i <= 65; ++i)
    EXPECT_EQ(cells[i].speed_limit, 23) << i;
  EXPECT_EQ(cells[66].speed_limit, 30);
  EXPECT_EQ(cells[1918].speed_limit, 13);  // 65 km/h from 95500
  for (int i = 1919; i <= kBuiltInLastCell - 3; ++i)
    EXPECT_EQ(cells[i].speed_limit, 6) << i;
  for (int i = 0; i <= 374; ++i)
    EXPECT_EQ(cells[i].adhesion, 75) << i;
  EXPECT_EQ(cells[375].adhesion, 95);
  for (int i = 744; i <= kBuiltInLastCell - 3; ++i)
    EXPECT_EQ(cells[i].adhesion, 100) << i;
  for (int i = kBuiltInLastCell - 2; i <= kBuiltInLastCell; ++i) {
    EXPECT_EQ(cells[i].speed_limit, 0) << i;
    EXPECT_EQ(cells[i].adhesion, 0) << i;
  }
}

TEST(BuiltInRun, SlowSectionsSignalsAndStationStops) {
  const ScenarioRecords records = compiled_builtin_run();
  const auto& cells = records.cells;
  for (const auto& [index, type] :
       {std::pair{198, records::kSlowStart}, std::pair{201, records::kSlowEnd},
        std::pair{174, records::kWarningPoint}}) {
    EXPECT_EQ(cells[index].type, type) << index;
    EXPECT_EQ(cells[index].value_a, 60) << index;
    EXPECT_EQ(cells[index].value_b, 60) << index;
  }
  EXPECT_TRUE(cells_of_type(records, records::kPreWarning).empty());

  CellRecord signal = cells[304];
  EXPECT_EQ(signal.type, records::kSignal);
  EXPECT_EQ(signal.tempo, 230);
  EXPECT_EQ(signal.value_a, 22);  // s1 2, d1 2
  EXPECT_EQ(signal.value_b, 31);  // s2 3, d2 1
  EXPECT_EQ(signal.value_c, 0);
  EXPECT_EQ(signal.value_d, 18);  // rapp 1, sx 2, dx 2
  for (int k = 1; k <= 4; ++k)
    EXPECT_EQ(cells[304 - 2 * k].approach, 80 + k) << k;

  EXPECT_EQ(cells_of_type(records, records::kSignal).size(), 44u);
  EXPECT_EQ(cells_of_type(records, records::kStationStop).size(), 13u);  // the kinds below 25
  EXPECT_EQ(cells_of_type(records, records::kSlowStart), (std::vector<std::int32_t>{198, 1500}));
}

// --- Reading the text ---------------------------------------------------

TEST(RunReading, DashedCommentLinesAreSkippedTwoInARow) {
  ScenarioRecords two = line_records();
  compile_text(two, "[generale]\r\n-- commento\r\n-- altro\r\nnumero vetture, 8\r\n[fine]\r\n");
  EXPECT_EQ(two.header[84].long_c, 8);
  EXPECT_EQ(two.state.error_code, 0);

  // The third dashed field is a keyword field like any other.
  ScenarioRecords three = line_records();
  compile_text(three, "[generale]\r\n-- a\r\n-- b\r\n-- vetture, 12\r\nsabbia, 7\r\n[fine]\r\n");
  EXPECT_EQ(three.header[84].long_c, 12);
  EXPECT_EQ(three.header[86].short_a, 7);

  // A dash inside a value is no comment.
  ScenarioRecords value = line_records();
  compile_text(value,
               "[generale]\r\nstazione, 9000, 27, 400, 0,0,0, 0,0,0, 0,0,0, 0, 0,0,0, "
               "ROCCA-FIORALE\r\nsabbia, 7\r\n[fine]\r\n");
  EXPECT_EQ(value.header[1].text, "ROCCA-FIORALE");
  EXPECT_EQ(value.header[86].short_a, 7);
}

TEST(RunReading, KeywordsMatchInAnyCase) {
  ScenarioRecords records = line_records();
  // "VELOCITÀ" and "velocità" in Windows-1252.
  compile_text(records,
               "[GENERALE]\r\nNUMERO VETTURE, 8\r\nVELOCIT\xC0, 0, 30\r\nVelocit\xE0, 100, 60\r\n"
               "Percentuale MASSA Frenata, 125\r\n[fine]\r\n");
  EXPECT_EQ(records.header[84].long_c, 8);
  EXPECT_EQ(records.header[84].long_a, 125);
  EXPECT_EQ(records.cells[0].speed_limit, 6);
  EXPECT_EQ(records.cells[1].speed_limit, 6);
  EXPECT_EQ(records.cells[2].speed_limit, 12);
}

TEST(RunReading, AFieldHoldingTwoKeywordsRunsBothRowsInTableOrder) {
  ScenarioRecords records = line_records();
  // "aderenza" comes after "velocit": the first pair of values is a speed.
  compile_text(records, "[generale]\r\naderenza velocita, 0, 50, 0, 90\r\n[fine]\r\n");
  EXPECT_EQ(records.cells[0].speed_limit, 10);
  EXPECT_EQ(records.cells[0].adhesion, 90);
}

TEST(RunReading, TheLastLineCountsOnlyWithItsValues) {
  const struct {
    const char* text;
    std::uint8_t speed_of_cell_20;
  } cases[] = {
      {"[generale]\r\nvelocita, 0, 30\r\nvelocita, 1000, 60\r\n", 12},
      {"[generale]\r\nvelocita, 0, 30\r\nvelocita, 1000, 60", 12},
      {"[generale]\r\nvelocita, 0, 30\r\nvelocita\r\n", 6},
      {"[generale]\r\nvelocita, 0, 30\r\nvelocita", 6},
      {"[generale]\r\nvelocita, 0, 30\r\n-- commento\r\n", 6},
  };
  for (const auto& c : cases) {
    ScenarioRecords records = line_records();
    compile_text(records, c.text);
    EXPECT_EQ(records.state.error_code, 0) << c.text;
    EXPECT_EQ(records.cells[19].speed_limit, 6) << c.text;
    EXPECT_EQ(records.cells[20].speed_limit, c.speed_of_cell_20) << c.text;
  }
}

TEST(RunReading, EverythingBeforeTheGeneralSectionIsPassedOver) {
  ScenarioRecords records = line_records();
  compile_text(records, "numero vetture, 8\r\nxx [Generale] xx\r\nsabbia, 3\r\n");
  EXPECT_EQ(records.header[84].long_c, 0);
  EXPECT_EQ(records.header[86].short_a, 3);

  // Without the section nothing is read, and that is no error.
  ScenarioRecords none = line_records();
  none.cells[5].adhesion = 7;
  compile_text(none, "numero vetture, 8\r\nvelocita, 0, 30\r\n");
  EXPECT_EQ(none.state.error_code, 0);
  EXPECT_EQ(none.header[84].long_c, 0);
  EXPECT_EQ(none.cells[5].speed_limit, 0);
  EXPECT_EQ(none.cells[5].adhesion, 0);  // the tail still runs, with nothing carried

  ScenarioRecords empty = line_records();
  compile_text(empty, "");
  EXPECT_EQ(empty.state.error_code, 0);
}

TEST(RunReading, NoTextIsAnUnexpectedFailure) {
  ScenarioRecords records = line_records();
  EXPECT_THROW(compile_run(records, std::nullopt, 80), text::CompileFailure);
}

// --- Codes --------------------------------------------------------------

// Each case compiles "[generale]" followed by `rows` over records whose
// error position starts at 4242 (so "unchanged" shows).
struct CodeCase {
  const char* name;
  const char* rows;
  std::int32_t code;
  std::int32_t position;
  int line;  // of the row's keyword field
  std::int32_t next_board_slot = records::kFirstBoardTextSlot;
};

const CodeCase kCodeCases[] = {
    {"speed row beyond the track", "velocita, 103950, 60\r\n", 15, 103950, 2},
    {"adhesion row beyond the track", "numero vetture, 1\r\naderenza, 104000, 60\r\n", 15, 104000,
     3},
    {"signal beyond the track", "segnale, 104000, 2,0,0,0,0,0,0,0,0,0\r\n", 15, 104000, 2},
    {"slow section beyond the track", "rallentamento, 103951, 60, 100, 0, 0, 0\r\n", 15, 103951, 2},
    {"abatement point beyond the track", "abbattimento, 104000, 60\r\n", 15, 104000, 2},
    {"station beyond the track", "stazione, 103250, 27, 400, 0,0,0, 0,0,0, 0,0,0, 0, 0,0,0, X\r\n",
     15, 103250, 2},
    {"abatement point on a taken cell",
     "segnale, 5000, 1,0,0,0,0,0,0,0,0,0\r\nabbattimento, 5050, 60\r\n", 7, 5050, 3},
    {"station position off the 50 m grid",
     "stazione, 8025, 12, 500, 0,0,0, 0,0,0, 0,0,0, 0, 0,0,0, X\r\n", 8, 8025, 2},
    {"station length off the 100 m grid",
     "stazione, 8000, 12, 450, 0,0,0, 0,0,0, 0,0,0, 0, 0,0,0, X\r\n", 9, 8000, 2},
    {"stations reach the sign-board texts",
     "stazione, 5000, 27, 400, 0,0,0, 0,0,0, 0,0,0, 0, 0,0,0, A\r\n"
     "stazione, 9000, 27, 400, 0,0,0, 0,0,0, 0,0,0, 0, 0,0,0, B\r\n",
     10, 4242, 3, 3},
    {"second signal at one position",
     "segnale, 15150, 2,0,0,0,0,0,0,0,0,0\r\nsegnale, 15150, 1,0,0,0,0,0,0,0,0,0\r\n", 16, 15150,
     3},
    {"warning point taken",
     "segnale, 8650, 1,0,0,0,0,0,0,0,0,0\r\nrallentamento, 9850, 60, 150, 0, 0, 0\r\n", 17, 9850,
     3},
    {"slow section start taken",
     "segnale, 9850, 1,0,0,0,0,0,0,0,0,0\r\nrallentamento, 9850, 60, 150, 0, 0, 0\r\n", 18, 9850,
     3},
    {"slow section end taken",
     "segnale, 10000, 1,0,0,0,0,0,0,0,0,0\r\nrallentamento, 9850, 60, 150, 0, 0, 0\r\n", 19, 9850,
     3},
    {"pre-warning cell taken",
     "segnale, 8500, 1,0,0,0,0,0,0,0,0,0\r\nrallentamento, 9850, 60, 150, 0, 1, 0\r\n", 20, 9850,
     3},
    {"stations too close",
     "stazione, 5000, 27, 400, 0,0,0, 0,0,0, 0,0,0, 0, 0,0,0, A\r\n"
     "stazione, 5700, 27, 400, 0,0,0, 0,0,0, 0,0,0, 0, 0,0,0, B\r\n",
     22, 5700, 3},
    {"stopping station ending at 100 m",
     "stazione, 0, 12, 100, 0,0,0, 0,0,0, 0,0,0, 0, 0,0,0, X\r\n", 24, 4242, 2},
    {"signal before cell 0", "segnale, -100, 2,0,0,0,0,0,0,0,0,0\r\n", 221, -100, 2},
    {"slow section ending beyond cell N", "rallentamento, 100000, 60, 5000, 0, 0, 0\r\n", 222,
     100000, 2},
    {"slow section starting before cell 0", "rallentamento, -100, 60, 500, 0, 0, 0\r\n", 222, -100,
     2},
    {"slow section ending before cell 0", "rallentamento, 100, 60, -500, 0, 0, 0\r\n", 222, 100, 2},
    {"station stop cell beyond cell N",
     "stazione, 100000, 8, 5000, 0,0,0, 0,0,0, 0,0,0, 0, 0,0,0, X\r\n", 223, 100000, 2},
    {"abatement point before cell 0", "abbattimento, -100, 60\r\n", 224, -100, 2},
};

TEST(RunCodes, EachRejectedRowRecordsItsCodePositionAndLine) {
  for (const CodeCase& c : kCodeCases) {
    SCOPED_TRACE(c.name);
    ScenarioRecords records = line_records();
    records.state.error_position = 4242;
    compile_text(records, std::string("[generale]\r\n") + c.rows + "sabbia, 9\r\n",
                 c.next_board_slot);
    EXPECT_EQ(records.state.error_code, c.code);
    EXPECT_EQ(records.state.error_position, c.position);
    EXPECT_EQ(records.state.text, records::SourceText::kRun);
    EXPECT_EQ(records.state.line, c.line);
    // Reading stopped at the row: the sand row after it is never read.
    EXPECT_EQ(records.header[86].short_a, 0);
  }
}

TEST(RunCodes, ARowBeyondTheTrackStillGetsTheTailsAndARejectedRowDoesNot) {
  ScenarioRecords beyond = line_records();
  compile_text(beyond, "[generale]\r\nvelocita, 0, 30\r\nvelocita, 103950, 60\r\n");
  EXPECT_EQ(beyond.state.error_code, 15);
  EXPECT_EQ(beyond.cells[kBuiltInLastCell - 3].speed_limit, 6);

  ScenarioRecords rejected = line_records();
  compile_text(rejected, "[generale]\r\nvelocita, 0, 30\r\nsegnale, -100, 2,0,0,0,0,0,0,0,0,0\r\n");
  EXPECT_EQ(rejected.state.error_code, 221);
  EXPECT_EQ(rejected.cells[0].speed_limit, 0);
}

TEST(RunCodes, MisplacedKilometricReferencesReplaceAnEarlierCode) {
  ScenarioRecords records = line_records();
  records.header[82].long_b = 1025;
  records.state.error_position = 4242;
  compile_text(records, "[generale]\r\nvelocita, 103950, 60\r\n");
  EXPECT_EQ(records.state.error_code, 2);
  EXPECT_EQ(records.state.error_position, 103950);  // code 2 keeps the position of the 15
  EXPECT_EQ(records.state.text, records::SourceText::kLine);

  ScenarioRecords on_grid = line_records();
  on_grid.header[81].long_a = 5000;
  on_grid.header[83].long_b = -150;
  on_grid.header[83].long_c = 7;  // the third value is not checked
  compile_text(on_grid, "[generale]\r\n");
  EXPECT_EQ(on_grid.state.error_code, 0);
}

TEST(RunCodes, ACodeLeftByTheLineDoesNotStopTheRun) {
  ScenarioRecords records = line_records();
  records.state.fail_at(15, 98000, records::SourceText::kLine, 120);
  compile_text(records,
               "[generale]\r\nsegnale, 1050, 1,5,1,0,0,0,0,0,0,0\r\n"
               "rallentamento, 9850, 60, 150, 0, 0, 60\r\nsegnale, 15150, 2,2,3,0,1,2,2,1,0,230\r\n"
               "numero vetture, 8\r\n");
  EXPECT_EQ(cells_of_type(records, records::kSignal), (std::vector<std::int32_t>{22, 304}));
  EXPECT_EQ(records.cells[198].type, records::kSlowStart);
  EXPECT_EQ(records.header[84].long_c, 8);
  EXPECT_EQ(records.state.error_code, 15);
  EXPECT_EQ(records.state.error_position, 98000);
  EXPECT_EQ(records.state.text, records::SourceText::kLine);
}

TEST(RunCodes, ValuesThatDoNotFitTheirFieldAreUnexpectedFailures) {
  const struct {
    const char* rows;
    int line;
  } cases[] = {
      {"sabbia, 40000\r\n", 2},
      {"orologio, 22 3 -40000\r\n", 2},
      {"stazione, 5000, 256, 400, 0,0,0, 0,0,0, 0,0,0, 0, 0,0,0, X\r\n", 2},
      {"stazione, 5000, 27, 400, 0,0,0, 0,0,0, 0,0,0, 256, 0,0,0, X\r\n", 2},
      {"stazione, 5000, 27, 400, 0,0,0, 0,0,0, 0,0,0, 0, 1000000,0,0, X\r\n", 2},
      {"velocita, 0, 1278\r\n", 2},  // 255.6 units round to 256
      {"velocita, 0, -3\r\n", 2},    // -0.6 units round to -1
      {"numero vetture, 8\r\nvelocita, 0, 30\r\nvelocita, 100, 1280\r\n", 4},  // in the tail
      {"segnale, 1050, 1, 2, 3\r\n", 0},  // the text ends inside the row
      {"numero vetture, otto\r\n", 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rows);
    ScenarioRecords records = line_records();
    try {
      compile_text(records, std::string("[generale]\r\n") + c.rows);
      ADD_FAILURE() << "no failure";
    } catch (const text::CompileFailure& failure) {
      if (c.line > 0) {
        EXPECT_EQ(failure.line(), c.line);
      }
    }
  }
  // 255 units are the most a cell holds.
  ScenarioRecords fastest = line_records();
  compile_text(fastest, "[generale]\r\nvelocita, 0, 1277\r\n");
  EXPECT_EQ(fastest.cells[0].speed_limit, 255);
}

}  // namespace
}  // namespace scenario::run
