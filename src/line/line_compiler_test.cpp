// The built-in line compiled, and the ways through the compiler as a whole.

#include "line/line_compiler.h"

#include <gtest/gtest.h>

#include <bit>

#include "compiler/error_codes.h"
#include "line/builtin_line.h"
#include "line_text_fixture.h"
#include "text/compile_failure.h"
#include "text/line_list.h"

namespace scenario::line {
namespace {

using namespace compiler;

using records::PlanArray;

class BuiltinLineCompiled : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    compiled_ = new CompiledLine(compile_text(text::render_lines(builtin_line())));
  }
  static void TearDownTestSuite() { delete compiled_; }

  static const CompiledLine& line() { return *compiled_; }
  static const records::CellRecord& cell(std::size_t k) { return compiled_->cell(k); }
  static const records::TableRecord& slot(std::size_t s) { return compiled_->records.header[s]; }

 private:
  static inline CompiledLine* compiled_ = nullptr;
};

TEST_F(BuiltinLineCompiled, GivesTheLineValuesWithoutErrorAndDeletesTheText) {
  EXPECT_EQ(line().state().error_code, 0);
  EXPECT_EQ(line().state().error_position, 0);
  EXPECT_FALSE(line().hand_over.hard_stop);
  EXPECT_EQ(line().hand_over.next_board_slot, 77);

  EXPECT_EQ(slot(84).long_b, 97000);
  EXPECT_EQ(line().records.cells.size(), 2081u);
  ASSERT_TRUE(line().records.plan.has_value());
  EXPECT_EQ(line().records.plan->last_metre(), 104000);
  EXPECT_EQ(slot(86).long_a, 1050);
  EXPECT_EQ(slot(86).long_b, 95500);
  EXPECT_EQ(slot(86).long_c, 4);
  // "sfondo uno" in long_a, "sfondo tre" in long_b, "sfondo due" in long_c.
  EXPECT_EQ(slot(85).long_a, 0);
  EXPECT_EQ(slot(85).long_b, 0);
  EXPECT_EQ(slot(85).long_c, 1);
  for (int s = 81; s <= 83; ++s) {
    EXPECT_EQ(slot(s).long_a, 0);
    EXPECT_EQ(slot(s).long_b, 0);
    EXPECT_EQ(slot(s).long_c, 0);
  }
}

TEST_F(BuiltinLineCompiled, EveryCellCarriesItsGradientButTheLastThree) {
  auto gradient = [](std::size_t k) { return cell(k).gradient; };
  for (std::size_t k = 0; k <= 39; ++k)
    EXPECT_EQ(gradient(k), 102) << k;
  for (std::size_t k = 40; k <= 69; ++k)
    EXPECT_EQ(gradient(k), 100) << k;
  EXPECT_EQ(gradient(70), 105);   // 5 from 3500
  EXPECT_EQ(gradient(340), 102);  // the ramp from 17000: 2, 4, ... every 200 m
  EXPECT_EQ(gradient(344), 104);
  EXPECT_EQ(gradient(360), 112);
  EXPECT_EQ(gradient(1250), 88);  // -12 from 62500
  EXPECT_EQ(gradient(1634), 92);  // -8 from 81600 ...
  EXPECT_EQ(gradient(1635), 89);  // ... and -11 from 81750
  for (std::size_t k = 1932; k <= 2077; ++k)
    EXPECT_EQ(gradient(k), 100) << k;
  for (std::size_t k = 2078; k <= 2080; ++k)
    EXPECT_EQ(gradient(k), 0) << k;
  for (std::size_t k = 0; k <= 2077; ++k) {
    EXPECT_GE(gradient(k), 88) << k;
    EXPECT_LE(gradient(k), 112) << k;
  }
}

TEST_F(BuiltinLineCompiled, SignBoardsTakeSlotsFrom80Down) {
  EXPECT_EQ(cell(745).type, records::kSignBoard);
  EXPECT_EQ(cell(745).value_a, 80);
  EXPECT_EQ(slot(80).text, "(GALLERIA )(M.SIVELLO)(Km 18+510)");
  EXPECT_EQ(cell(1406).type, records::kSignBoard);
  EXPECT_EQ(cell(1406).value_a, 79);
  EXPECT_EQ(slot(79).text, "(VIADOTTO)(FRASSINE)");
  EXPECT_EQ(cell(1452).type, records::kSignBoard);
  EXPECT_EQ(cell(1452).value_a, 78);
  EXPECT_EQ(slot(78).text, "(GALLERIA   )(POGGIO NERO)(Km 7+135   )");
  EXPECT_EQ(slot(77).text, "");
}

TEST_F(BuiltinLineCompiled, SpeedIndicatorsPackBothSidesIntoEachRank) {
  struct Expected {
    std::size_t cell;
    std::int16_t a, b, c, d;
  };
  const Expected boards[] = {
      {21, 2100, 2300, 2400, 0},     // 1000, left only
      {337, 2222, 2323, 2424, 0},    // 16800, both sides
      {1879, 1200, 1300, 1400, 20},  // 93900, left only, two stripes
      {1084, 2222, 2424, 2525, 22},  // 54150, two stripes each side
      {1203, 2525, 2726, 2828, 0},   // 60100, the right side differs
  };
  for (const auto& board : boards) {
    const records::CellRecord& c = cell(board.cell);
    EXPECT_EQ(c.type, records::kSpeedIndicator) << board.cell;
    EXPECT_EQ(c.value_a, board.a) << board.cell;
    EXPECT_EQ(c.value_b, board.b) << board.cell;
    EXPECT_EQ(c.value_c, board.c) << board.cell;
    EXPECT_EQ(c.value_d, board.d) << board.cell;
  }
}

TEST_F(BuiltinLineCompiled, TheSummitTunnelHasTerrainAndMarkersWhereNoBoardStands) {
  EXPECT_EQ(cell(744).terrain, 0);
  EXPECT_EQ(cell(1115).terrain, 0);
  const std::map<std::size_t, std::uint8_t> boards = {
      {745, records::kSignBoard},       {747, records::kSpeedIndicator},  // 37300
      {1084, records::kSpeedIndicator},                                   // 54150, on a marker
      {1088, records::kSpeedIndicator},                                   // 54350, on a marker
      {1091, records::kSpeedIndicator},                                   // 54500
  };
  for (std::size_t k = 745; k <= 1114; ++k) {
    EXPECT_EQ(cell(k).terrain, 1) << k;
    std::uint8_t expected = (k - 744) % 4 == 0 ? records::kTunnelMarker : records::kFree;
    if (boards.count(k))
      expected = boards.at(k);
    EXPECT_EQ(cell(k).type, expected) << k;
  }
  EXPECT_EQ(cell(748).type, records::kTunnelMarker);
}

TEST_F(BuiltinLineCompiled, StretchesCloseBehindAnotherBecomeType3) {
  EXPECT_EQ(cell(376).terrain, 2);  // 18800 to 18850: one cell
  EXPECT_EQ(cell(377).terrain, 0);
  EXPECT_EQ(cell(379).terrain, 3);  // 18950, 100 m after: type 12 becomes 3
  EXPECT_EQ(cell(631).terrain, 3);  // 31550, 100 m after 31450
  EXPECT_EQ(cell(632).terrain, 3);
  EXPECT_EQ(cell(627).terrain, 2);  // 31350 itself, 800 m after 30550: tunnel of type 2
  // 57450, 150 m after 57300: a tunnel still, of type 3.
  EXPECT_EQ(cell(1149).terrain, 3);
  EXPECT_EQ(cell(1171).terrain, 3);
  EXPECT_EQ(cell(1152).type, records::kTunnelMarker);
  // POGGIO NERO: type 12 is a tunnel of type 2.
  EXPECT_EQ(cell(1452).terrain, 2);
  EXPECT_EQ(cell(1593).terrain, 2);
  EXPECT_EQ(cell(1594).terrain, 0);
  EXPECT_EQ(cell(1455).type, records::kTunnelMarker);
}

std::uint64_t bits(double value) {
  return std::bit_cast<std::uint64_t>(value);
}

// Values from tools/plan_reference.py on the built-in text.
TEST_F(BuiltinLineCompiled, PlanCoordinatesMatchTheReferenceBitForBit) {
  const PlanArray& plan = *line().records.plan;
  EXPECT_EQ(plan.kind(0, PlanArray::kX), PlanArray::Kind::kInt16);
  EXPECT_EQ(plan.kind(1, PlanArray::kY), PlanArray::Kind::kInt16);
  EXPECT_EQ(plan.value(1, PlanArray::kY), 1.0);
  EXPECT_EQ(plan.kind(2, PlanArray::kX), PlanArray::Kind::kDouble);
  EXPECT_EQ(plan.kind(103998, PlanArray::kY), PlanArray::Kind::kDouble);
  for (int column : {PlanArray::kX, PlanArray::kY}) {
    EXPECT_EQ(plan.kind(103999, column), PlanArray::Kind::kUnset);
    EXPECT_EQ(plan.kind(104000, column), PlanArray::Kind::kUnset);
  }
  struct Metre {
    std::int32_t metre;
    double x, y;
  };
  const Metre reference[] = {
      {2, 0x0.0p+0, 0x1.0000000000000p+1},
      {1000, 0x0.0p+0, 0x1.f400000000000p+9},
      {1001, -0x1.a36e2eb1c432dp-13, 0x1.f480000000000p+9},  // -0.0002, 1001
      {1002, -0x1.3a92a30553262p-11, 0x1.f4ffffffaa19cp+9},  // 1001 + (1 - 0.0002²)
      {1400, -0x1.008111da35088p+4, 0x1.5de4b3beeaafdp+10},
      {8500, -0x1.4e18994fe924fp+10, 0x1.002e763796371p+13},
      {37100, 0x1.726aca304a1f7p+10, 0x1.09df31cc1ce34p+15},
      {55750, 0x1.ee31b15dbde57p+13, 0x1.6856906d7492ep+15},
      {72250, 0x1.532dc2260e899p+14, 0x1.dcf8ef9188965p+15},
      {95800, 0x1.0a28f7e3a918bp+15, 0x1.37e545800f548p+16},
      {103998, 0x1.0b74bcb1e808bp+15, 0x1.584b3bae58fc8p+16},
  };
  for (const auto& m : reference) {
    EXPECT_EQ(bits(plan.value(m.metre, PlanArray::kX)), bits(m.x)) << m.metre;
    EXPECT_EQ(bits(plan.value(m.metre, PlanArray::kY)), bits(m.y)) << m.metre;
  }
}

TEST(CompileLine, NoTextStopsWith101) {
  records::ScenarioRecords records;
  records.write_line_data = 1;
  records.create_track(100);  // left from before: the track is built anew
  const LineHandOver hand_over = compile_line(records, std::nullopt);
  EXPECT_TRUE(hand_over.hard_stop);
  EXPECT_EQ(records.state.error_code, kErrorNoLineText);
  EXPECT_TRUE(records.cells.empty());
  EXPECT_FALSE(records.plan.has_value());
}

TEST(CompileLine, TextsWithoutAGeneralSectionStopWith102) {
  const char* const texts[] = {
      "",
      "lunghezza percorso, 3000\r\n[curve]\r\n",
      "[curve]\r\n[GENERALE",
      "qualcosa\r\n[generale]",  // the very last field counts as missing
      "qualcosa\r\n[generale]\r\n",
  };
  for (const char* text : texts) {
    const CompiledLine compiled = compile_text(text);
    EXPECT_EQ(compiled.state().error_code, kErrorNoGeneralSection) << text;
    EXPECT_TRUE(compiled.hand_over.hard_stop) << text;
    EXPECT_TRUE(compiled.records.cells.empty()) << text;
  }
  EXPECT_EQ(compile_text("note\r\n[Generale]\r\nlunghezza percorso, 0").state().error_code, 0);
}

TEST(CompileLine, WithoutTheFlagThereIsNoPlanAndCurvesAreNotEntries) {
  // The curve's value fields are then read as keyword fields and match
  // nothing; the gradient after it still counts.
  const CompiledLine compiled =
      compile_text(short_line("curvas6,  100,  200\r\npendenza,  100,  5\r\n"), 0);
  EXPECT_EQ(compiled.state().error_code, 0);
  EXPECT_FALSE(compiled.records.plan.has_value());
  EXPECT_EQ(compiled.cell(1).gradient, 100);
  EXPECT_EQ(compiled.cell(2).gradient, 105);
}

TEST(CompileLine, AnEntryCutOffByTheEndOfTheTextIsTheCompilersOwnFailure) {
  struct Case {
    const char* text;
    int line;
  };
  const Case cases[] = {
      {"[generale]\r\nprogressiva chilometrica uno, 1, 2", 2},
      {"[generale]\r\nsfondo uno, x\r\n", 2},
      {"[generale]\r\n-a\r\n-b", 3},  // the dashed fields run off the end
      {"[generale]\r\nlunghezza percorso, 3000\r\n[x]\r\npendenza, 100", 4},
      {"[generale]\r\nlunghezza percorso, 3000\r\n[x]\r\nindicatori_vmax, 100, 1, 1, 1, 40000, 0, "
       "0, 0, 0",
       4},
  };
  for (const auto& c : cases) {
    records::ScenarioRecords records;
    try {
      compile_line(records, c.text);
      ADD_FAILURE() << "no failure for: " << c.text;
    } catch (const text::CompileFailure& failure) {
      EXPECT_EQ(failure.line(), c.line) << c.text;
    }
  }
}

}  // namespace
}  // namespace scenario::line
