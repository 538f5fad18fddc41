#include "text/cp1252.h"

#include <gtest/gtest.h>

#include "text/keyword_match.h"

namespace scenario::text {
namespace {

TEST(Utf8ToCp1252, AccentedLettersAndTheHighRangeBecomeSingleBytes) {
  EXPECT_EQ(utf8_to_cp1252("città però è"), "citt\xE0 per\xF2 \xE8");
  EXPECT_EQ(utf8_to_cp1252("€ – Ÿ"), "\x80 \x96 \x9F");
  EXPECT_EQ(utf8_to_cp1252("plain ASCII, 123\r\n"), "plain ASCII, 123\r\n");
}

TEST(Utf8ToCp1252, RefusesWhatTheCodePageCannotHold) {
  EXPECT_THROW(utf8_to_cp1252("Ω"), std::invalid_argument);         // Greek
  EXPECT_THROW(utf8_to_cp1252("\xC3"), std::invalid_argument);      // cut short
  EXPECT_THROW(utf8_to_cp1252("\xE0\x28"), std::invalid_argument);  // bad continuation
}

TEST(Utf8ToCp1252, NamesTheCharacterItCannotHoldInHexadecimal) {
  struct Case {
    const char* utf8;
    const char* message;
  };
  const Case cases[] = {
      {"a✓", "il carattere U+2713 non ha forma in Windows-1252"},
      {"Ω", "il carattere U+03A9 non ha forma in Windows-1252"},
      {"\xF0\x9F\x9A\x82", "il carattere U+1F682 non ha forma in Windows-1252"},
      {"x\xC3", "testo UTF-8 non valido"},
      {"\xC2\x81", "il carattere U+0081 non ha forma in Windows-1252"},
  };
  for (const Case& c : cases) {
    try {
      utf8_to_cp1252(c.utf8);
      ADD_FAILURE() << c.utf8 << " was taken";
    } catch (const std::invalid_argument& error) {
      EXPECT_EQ(std::string(error.what()), c.message);
    }
  }
  EXPECT_EQ(code_point_name(0x41), "U+0041");
  EXPECT_EQ(code_point_name(0x10FFFF), "U+10FFFF");
}

TEST(Cp1252ToUtf8, RoundTripsEveryByteTheCodePageDefines) {
  EXPECT_EQ(cp1252_to_utf8("citt\xE0 per\xF2 \xE8 \x80 \x96 \x9F"), "città però è € – Ÿ");
  EXPECT_EQ(cp1252_to_utf8("\x81\x9D"), "\u0081\u009D");
  for (int byte = 1; byte < 256; ++byte) {
    if (byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D)
      continue;
    const std::string one(1, static_cast<char>(byte));
    EXPECT_EQ(utf8_to_cp1252(cp1252_to_utf8(one)), one) << byte;
  }
}

TEST(Cp1252Lower, LowersAsciiAndTheCodePageCapitalsOnly) {
  EXPECT_EQ(cp1252_lower("VELBRIO_Dolvena 30527"), "velbrio_dolvena 30527");
  // À..Þ except ×, and Š Œ Ž Ÿ.
  EXPECT_EQ(cp1252_lower("\xC0\xC9\xD6\xD7\xDE\x8A\x8C\x8E\x9F"),
            "\xE0\xE9\xF6\xD7\xFE\x9A\x9C\x9E\xFF");
  // Small letters, ß and the other bytes stay.
  EXPECT_EQ(cp1252_lower("\xDF\xE0\xFF\x80["), "\xDF\xE0\xFF\x80[");
}

TEST(Cp1252Defines, EveryByteButTheFiveTheCodePageLeavesOpen) {
  for (int byte = 0; byte < 256; ++byte) {
    const bool open = byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
    EXPECT_EQ(cp1252_defines(static_cast<unsigned char>(byte)), !open) << byte;
  }
}

TEST(Cp1252Upper, RaisesAsciiAndTheCodePageSmallLettersOnly) {
  EXPECT_EQ(cp1252_upper("Sant'Ilario 3"), "SANT'ILARIO 3");
  // à..þ except ÷, and š œ ž ÿ.
  EXPECT_EQ(cp1252_upper("\xE0\xE9\xF6\xF7\xFE\x9A\x9C\x9E\xFF"),
            "\xC0\xC9\xD6\xF7\xDE\x8A\x8C\x8E\x9F");
  // Capitals, ß and the other bytes stay.
  EXPECT_EQ(cp1252_upper("\xDF\xC0\x9F\x80["), "\xDF\xC0\x9F\x80[");
}

TEST(KeywordMatch, ExactAndAnyCaseContainment) {
  EXPECT_TRUE(contains("progressiva chilometrica tre", "tre"));
  EXPECT_FALSE(contains("Progressiva", "progressiva"));
  EXPECT_TRUE(contains_any_case("VELOCIT\xC0", "velocit"));
  EXPECT_TRUE(contains_any_case("  curvaS2", "curvas"));
  EXPECT_FALSE(contains_any_case("curv", "curva"));
  EXPECT_TRUE(contains_any_case("anything", ""));
  EXPECT_TRUE(contains_any_case("", ""));
  // Both sides are lowered; a match may end on the field's last byte.
  EXPECT_TRUE(contains_any_case("xx curvaS", "CURVAs"));
  EXPECT_TRUE(contains_any_case("\xC0\x8A", "\xE0\x9A"));
  EXPECT_FALSE(contains_any_case("cur va", "curva"));
}

}  // namespace
}  // namespace scenario::text
