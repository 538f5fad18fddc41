#include "finish/identification_codes.h"

#include <gtest/gtest.h>

#include "records/slot_roles.h"

namespace scenario::finish {
namespace {

// The copies of the train number (slot 86) and line identifier (slot 85).
records::HeaderTable header_with(const std::string& train_number, const std::string& line_id) {
  records::HeaderTable header{};
  header[records::kRunSlot].text = train_number;
  header[records::kLineSlot].text = line_id;
  return header;
}

TEST(IdentificationCodes, CodeTextAndBothSums) {
  struct Case {
    const char* what;
    std::string train_number;
    std::string line_id;
    std::string code_text;
    std::int32_t plain;
    std::int32_t weighted;
  };
  const Case cases[] = {
      {"25 characters together, no filler", "12345", "Abcdefghijklmnopqrst",
       "12345abcdefghijklmnopqrst", 2385, 34455},
      {"the built-in scenario", "30527", "Velbrio_Dolvena", "30527velbrio_dolvenazzyyx", 2458,
       35384},
      {"swapped: same plain, other weighted", "Velbrio_Dolvena", "30527",
       "velbrio_dolvena30527zzyyx", 2458, 31264},
      {"both empty: the filler alone", "", "", "zzyyxxwwvvuuttssrrqqppkkj", 2894, 36840},
      {"more than 25 characters: the first 25 count", "12345678901234567890", "ABCDEFGHIJ",
       "12345678901234567890abcde", 1545, 22495},
      {"the largest codes", std::string(30, '\xFF'), "", std::string(25, '\xFF'), 6375, 82875},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(identification_code_text(c.train_number, c.line_id), c.code_text);
    const records::HeaderTable header = header_with(c.train_number, c.line_id);
    EXPECT_EQ(codice_gara_og(header), c.plain);
    EXPECT_EQ(codice_gara_st(header), c.weighted);
  }
}

TEST(IdentificationCodes, UpperAndLowerCaseSpellingsGiveTheSameCodes) {
  struct Case {
    const char* what;
    std::string capitals;
    std::string small;
  };
  const Case cases[] = {
      {"ASCII", "VELBRIO_DOLVENA", "velbrio_dolvena"},
      {"Windows-1252 capitals", "\xC0\xC9\xD6\xDE\x8A\x8C\x8E\x9F",
       "\xE0\xE9\xF6\xFE\x9A\x9C\x9E\xFF"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const records::HeaderTable capitals = header_with("30527", c.capitals);
    const records::HeaderTable small = header_with("30527", c.small);
    EXPECT_EQ(codice_gara_og(capitals), codice_gara_og(small));
    EXPECT_EQ(codice_gara_st(capitals), codice_gara_st(small));
  }
}

}  // namespace
}  // namespace scenario::finish
