#include "text/field_reader.h"

#include <gtest/gtest.h>

#include "text/compile_failure.h"

namespace scenario::text {
namespace {

TEST(FieldReader, EmptyAndBlankNumberFieldsReadZero) {
  FieldReader reader("indicatori_vmax,  1000,  105,  115,  120,  0,  ,  ,  ,  0\r\n");
  EXPECT_EQ(reader.read_text(), "indicatori_vmax");
  std::vector<std::int32_t> values;
  for (int i = 0; i < 9; ++i)
    values.push_back(reader.read_int32());
  EXPECT_EQ(values, (std::vector<std::int32_t>{1000, 105, 115, 120, 0, 0, 0, 0, 0}));
  EXPECT_TRUE(reader.at_end());
}

TEST(FieldReader, ANegativeValueIsANumberAndTheKeywordKeepsItsInnerBlanks) {
  FieldReader reader("pendenza,  51400,   -1\r\nprogressiva chilometrica uno,    0");
  EXPECT_EQ(reader.read_text(), "pendenza");
  EXPECT_EQ(reader.read_int32(), 51400);
  EXPECT_EQ(reader.read_int32(), -1);
  EXPECT_EQ(reader.read_text(), "progressiva chilometrica uno");
  EXPECT_EQ(reader.read_int32(), 0);
  EXPECT_TRUE(reader.at_end());
}

TEST(FieldReader, NumbersSeparatedByBlanksAloneAndATrailingBlank) {
  FieldReader reader("orologio,    22              3             40 \r\n[aderenze]\r\n");
  EXPECT_EQ(reader.read_text(), "orologio");
  EXPECT_EQ(reader.read_int16(), 22);
  EXPECT_EQ(reader.read_int16(), 3);
  EXPECT_EQ(reader.read_int16(), 40);
  EXPECT_EQ(reader.read_text(), "[aderenze]");
  EXPECT_EQ(reader.field_line(), 2);
  EXPECT_TRUE(reader.at_end());
}

TEST(FieldReader, TextRunsToCommaOrLineEndKeepingInnerAndTrailingBlanks) {
  FieldReader reader("stazione,  5,   VELBRIO S.M.N. \r\ncartello_indicatore,  1, (GALLERIA )(X)");
  EXPECT_EQ(reader.read_text(), "stazione");
  EXPECT_EQ(reader.read_int32(), 5);
  EXPECT_EQ(reader.read_text(), "VELBRIO S.M.N. ");
  EXPECT_EQ(reader.read_text(), "cartello_indicatore");
  EXPECT_EQ(reader.read_int32(), 1);
  EXPECT_EQ(reader.read_text(), "(GALLERIA )(X)");
  EXPECT_TRUE(reader.at_end());
}

TEST(FieldReader, TheEndIsReachedAsSoonAsTheLastCharacterIsConsumed) {
  FieldReader with_line_end("[fine]\r\n");
  EXPECT_FALSE(with_line_end.at_end());
  with_line_end.read_text();
  EXPECT_TRUE(with_line_end.at_end());

  FieldReader without_line_end("velocita, 0, 30");
  without_line_end.read_text();
  without_line_end.read_int32();
  EXPECT_FALSE(without_line_end.at_end());
  EXPECT_EQ(without_line_end.read_int32(), 30);
  EXPECT_TRUE(without_line_end.at_end());

  EXPECT_TRUE(FieldReader("").at_end());
}

TEST(FieldReader, LineEndsOfEveryKindAndEmptyLinesCountLines) {
  FieldReader reader("a\nb\rc\r\n\r\nd");
  EXPECT_EQ(reader.read_text(), "a");
  EXPECT_EQ(reader.read_text(), "b");
  EXPECT_EQ(reader.read_text(), "c");
  EXPECT_EQ(reader.field_line(), 3);
  EXPECT_EQ(reader.read_text(), "");  // the empty line is an empty field
  EXPECT_EQ(reader.read_text(), "d");
  EXPECT_EQ(reader.field_line(), 5);
}

TEST(FieldReader, FailuresCarryTheLineOfTheField) {
  struct Case {
    const char* text;
    int line;
  };
  // Each text: one good field, then a field that must fail as an int16.
  const Case cases[] = {
      {"a, x1\r\n", 1},    // not a number
      {"a\r\n 12abc", 2},  // digits followed by letters
      {"a, -\r\n", 1},     // a sign alone
      {"a, 1.5", 1},       // not an integer
      {"a, 32768", 1},     // beyond 16 bits
      {"a, -32769", 1},    // below 16 bits
      {"a,", 1},           // past the end
      {"a\r\n", 2},        // past the end after a line end
  };
  for (const auto& c : cases) {
    FieldReader reader(c.text);
    reader.read_text();
    try {
      reader.read_int16();
      ADD_FAILURE() << "no failure for: " << c.text;
    } catch (const CompileFailure& failure) {
      EXPECT_EQ(failure.line(), c.line) << c.text;
    }
  }
}

TEST(FieldReader, RangesOfEachWidth) {
  FieldReader reader("255, 256, -1, 2147483647, 2147483648, -2147483648, 99999999999999999999999");
  EXPECT_EQ(reader.read_uint8(), 255);
  EXPECT_THROW(reader.read_uint8(), CompileFailure);
  EXPECT_THROW(reader.read_uint8(), CompileFailure);
  EXPECT_EQ(reader.read_int32(), 2147483647);
  EXPECT_THROW(reader.read_int32(), CompileFailure);
  EXPECT_EQ(reader.read_int32(), -2147483648);
  EXPECT_THROW(reader.read_int32(), CompileFailure);
}

TEST(FieldReader, ACountedTextHoldsAtMost65535Bytes) {
  const std::string longest(kLongestCountedText, 'x');
  const std::string text = "cartello, " + longest + "\r\nstazione, " + longest + "x\r\n";
  FieldReader reader(text);
  reader.read_text();
  EXPECT_EQ(reader.read_counted_text(), longest);
  reader.read_text();
  try {
    reader.read_counted_text();
    ADD_FAILURE() << "a text of 65536 bytes was read";
  } catch (const CompileFailure& failure) {
    EXPECT_EQ(failure.line(), 2);
  }
}

}  // namespace
}  // namespace scenario::text
