#include "text/utf8.h"

#include <gtest/gtest.h>

#include <string>

namespace scenario::text {
namespace {

struct SequenceCase {
  const char* name;
  std::string bytes;
  std::size_t length;  // 0: no character starts here
  char32_t code_point;
};

class Utf8Sequences : public ::testing::TestWithParam<SequenceCase> {};

TEST_P(Utf8Sequences, TellsTheCharacterAtTheStartOrNone) {
  const SequenceCase& c = GetParam();
  const auto sequence = utf8_sequence(c.bytes, 0);
  if (c.length == 0) {
    EXPECT_FALSE(sequence.has_value());
    EXPECT_FALSE(is_utf8(c.bytes));
    return;
  }
  ASSERT_TRUE(sequence.has_value());
  EXPECT_EQ(sequence->length, c.length);
  EXPECT_EQ(sequence->code_point, c.code_point);
  std::string again;
  append_utf8(again, c.code_point);
  EXPECT_EQ(again, c.bytes.substr(0, c.length));
}

INSTANTIATE_TEST_SUITE_P(
    Utf8, Utf8Sequences,
    ::testing::Values(SequenceCase{"Ascii", "A", 1, U'A'},
                      SequenceCase{"TwoBytes", "\xC3\xA0", 2, U'\u00E0'},
                      SequenceCase{"ThreeBytes", "\xE2\x9C\x93", 3, U'\u2713'},
                      SequenceCase{"FourBytes", "\xF0\x9F\x9A\x82", 4, U'\U0001F682'},
                      SequenceCase{"LastCodePoint", "\xF4\x8F\xBF\xBF", 4, U'\U0010FFFF'},
                      SequenceCase{"LoneContinuation", "\x80", 0, 0},
                      SequenceCase{"Cp1252Letter", "\xE0 ", 0, 0},
                      SequenceCase{"CutShort", "\xE2\x9C", 0, 0},
                      SequenceCase{"BadContinuation", "\xC3\x28", 0, 0},
                      SequenceCase{"OverlongSlash", "\xC0\xAF", 0, 0},
                      SequenceCase{"OverlongThreeBytes", "\xE0\x80\xAF", 0, 0},
                      SequenceCase{"Surrogate", "\xED\xA0\x80", 0, 0},
                      SequenceCase{"BeyondTheLast", "\xF4\x90\x80\x80", 0, 0},
                      SequenceCase{"NoLeadByte", "\xF8\x88\x80\x80\x80", 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Utf8, IsUtf8JudgesTheWholeText) {
  EXPECT_TRUE(is_utf8(""));
  EXPECT_TRUE(is_utf8("citt\xC3\xA0 \xE2\x9C\x93"));
  EXPECT_FALSE(is_utf8("citt\xC3\xA0 \xE2\x9C"));  // the last character cut short
}

}  // namespace
}  // namespace scenario::text
