#include "line/general_section.h"

#include <gtest/gtest.h>

#include "compiler/error_codes.h"
#include "line_text_fixture.h"

namespace scenario::line {
namespace {

using namespace compiler;

const records::TableRecord& slot(const CompiledLine& line, int s) {
  return line.records.header[s];
}

TEST(GeneralSection, TheLengthSizesTheCellsAndThePlan) {
  struct Case {
    std::int32_t length;
    std::size_t cells;
  };
  // N = round((L + 7000) / 50), halves to even.
  const Case cases[] = {{43000, 1001}, {43025, 1001}, {43075, 1003}, {0, 141}, {1000000, 20141}};
  for (const auto& c : cases) {
    const CompiledLine line = compile_text("[generale]\r\nlunghezza percorso,    " +
                                           std::to_string(c.length) + "\r\n[fine]\r\n");
    EXPECT_EQ(line.state().error_code, 0) << c.length;
    EXPECT_EQ(slot(line, 84).long_b, c.length);
    EXPECT_EQ(line.records.cells.size(), c.cells) << c.length;
    EXPECT_EQ(line.records.plan->last_metre(), c.length + 7000);
  }
}

TEST(GeneralSection, BackgroundsGoToSlot85AsUnoTreDue) {
  const CompiledLine line = compile_text(
      "[generale]\r\nsfondo due, 2\r\nsfondo tre, 3\r\nsfondo uno, 1\r\n"
      "lunghezza percorso, 3000\r\n[fine]\r\n");
  EXPECT_EQ(slot(line, 85).long_a, 1);
  EXPECT_EQ(slot(line, 85).long_b, 3);
  EXPECT_EQ(slot(line, 85).long_c, 2);
}

TEST(GeneralSection, SignalRepetition) {
  struct Case {
    const char* entry;
    std::int32_t code;   // error code
    std::int32_t start;  // slot 86
    std::int32_t end;
    std::int32_t codes;
  };
  const Case cases[] = {
      {"ripetizione segnali 4 codici, 1050, 95500", 0, 1050, 95500, 4},
      {"ripetizione segnali 9 codici, 1000, 2000", 0, 1000, 2000, 9},
      {"ripetizione segnali 49 codici, 1000, 2000", 0, 1000, 2000, 4},  // "4" is looked for first
      {"ripetizione segnali 4 codici, 1050, 0", 0, 1050, 0, 0},
      {"ripetizione segnali 4 codici, -50, 100", 0, -50, 100, 4},
      {"ripetizione segnali 4 codici, 1075, 95500", kErrorRepetitionStart, 1075, 95500, 0},
      {"ripetizione segnali 4 codici, 1050, 95510", kErrorRepetitionEnd, 1050, 95510, 0},
      {"ripetizione segnali codici, 1050, 95500", kErrorRepetitionCodes, 1050, 95500, 0},
      {"ripetizione segnali codici, 1050, 0", kErrorRepetitionCodes, 1050, 0, 0},
  };
  for (const auto& c : cases) {
    const CompiledLine line = compile_text("[generale]\r\nlunghezza percorso, 3000\r\n" +
                                           std::string(c.entry) + "\r\n[fine]\r\n");
    EXPECT_EQ(line.state().error_code, c.code) << c.entry;
    EXPECT_EQ(line.hand_over.hard_stop, c.code != 0) << c.entry;
    EXPECT_EQ(slot(line, 86).long_a, c.start) << c.entry;
    EXPECT_EQ(slot(line, 86).long_b, c.end) << c.entry;
    EXPECT_EQ(slot(line, 86).long_c, c.codes) << c.entry;
    if (c.code != 0) {
      EXPECT_EQ(line.state().line, 3) << c.entry;
    }
  }
}

TEST(GeneralSection, LengthErrorsStopBeforeTheCellsExist) {
  struct Case {
    const char* text;
    std::int32_t code;
    std::int32_t position;
    int line;
  };
  const Case cases[] = {
      {"[generale]\r\nlunghezza percorso, 1000001\r\n[fine]\r\n", kErrorLineTooLong, 0, 2},
      {"[generale]\r\nlunghezza percorso, -1\r\n[fine]\r\n", kErrorNegativeLineLength, -1, 2},
      {"[generale]\r\nsfondo uno, 0\r\n[curve]\r\npendenza, 0, 1\r\n", kErrorNoLineLength, 0, 3},
      {"[generale]\r\nsfondo uno, 0\r\n", kErrorNoLineLength, 0, 2},
      // "Lunghezza percorso" is taken in any case; "percorso" alone is not.
      {"[generale]\r\npercorso, 3000\r\n[fine]\r\n", kErrorNoLineLength, 0, 3},
  };
  for (const auto& c : cases) {
    const CompiledLine line = compile_text(c.text);
    EXPECT_EQ(line.state().error_code, c.code) << c.text;
    EXPECT_EQ(line.state().error_position, c.position) << c.text;
    EXPECT_EQ(line.state().text, records::SourceText::kLine) << c.text;
    EXPECT_EQ(line.state().line, c.line) << c.text;
    EXPECT_TRUE(line.hand_over.hard_stop) << c.text;
    EXPECT_TRUE(line.records.cells.empty()) << c.text;
    EXPECT_FALSE(line.records.plan.has_value()) << c.text;
  }
}

TEST(GeneralSection, KeywordsKeepTheirCaseRules) {
  // Only the length is found in any case; the other keywords must stand in
  // lower case, and a field may hold several of them.
  const CompiledLine line = compile_text(
      "[generale]\r\nLUNGHEZZA PERCORSO, 3000\r\nSfondo uno, 7\r\nsfondo due tre, 5, 6\r\n"
      "progressiva due, 100, 2, 0\r\n[fine]\r\n");
  EXPECT_EQ(line.state().error_code, 0);
  EXPECT_EQ(line.records.cells.size(), 201u);
  EXPECT_EQ(slot(line, 85).long_a, 0);    // "Sfondo" is not "sfondo": 7 is read as a keyword
  EXPECT_EQ(slot(line, 85).long_c, 5);    // "due" read first ...
  EXPECT_EQ(slot(line, 85).long_b, 6);    // ... then "tre"
  EXPECT_EQ(slot(line, 81).long_a, 100);  // the only reference, sorted to the top
}

TEST(GeneralSection, UpToTenDashedFieldsAreSkippedAndOnlyAHeaderWithoutDashEndsIt) {
  std::string ten_dashed;
  for (int i = 0; i < 10; ++i)
    ten_dashed += "- nota\r\n";
  const CompiledLine line = compile_text("[generale]\r\n" + ten_dashed +
                                         "lunghezza percorso, 3000\r\n"
                                         "-[finto]\r\nsfondo uno, 4\r\n"
                                         "  [curve]\r\nsfondo due, 9\r\n");
  EXPECT_EQ(line.state().error_code, 0);
  EXPECT_EQ(line.records.cells.size(), 201u);
  // "-[finto]" is skipped by the dash rule: "sfondo uno" is still general.
  EXPECT_EQ(slot(line, 85).long_a, 4);
  // After "[curve]" general entries are no longer recognised.
  EXPECT_EQ(slot(line, 85).long_c, 0);

  // After ten dashed fields in a row the eleventh is examined as it is.
  const CompiledLine nine = compile_text("[generale]\r\nlunghezza percorso, 3000\r\n" +
                                         ten_dashed.substr(8) + "-sfondo uno, 5\r\n");
  EXPECT_EQ(slot(nine, 85).long_a, 0);
  const CompiledLine ten = compile_text("[generale]\r\nlunghezza percorso, 3000\r\n" + ten_dashed +
                                        "-sfondo uno, 5\r\n");
  EXPECT_EQ(slot(ten, 85).long_a, 5);
}

}  // namespace
}  // namespace scenario::line
