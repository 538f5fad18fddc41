#include "compiler/error_codes.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>

namespace scenario::compiler {
namespace {

std::set<std::int32_t> table_numbers() {
  std::set<std::int32_t> numbers;
  for (const ErrorCode& code : error_codes())
    numbers.insert(code.number);
  return numbers;
}

TEST(ErrorCodes, EachNumberAndNameBelongsToOneRowWithAMeaning) {
  std::set<std::string_view> names;
  for (const ErrorCode& code : error_codes()) {
    EXPECT_TRUE(names.insert(code.name).second) << code.name;
    EXPECT_FALSE(code.meaning.empty()) << code.number;
    ASSERT_NE(find_error_code(code.number), nullptr) << code.number;
    EXPECT_EQ(find_error_code(code.number)->name, code.name);
  }
  EXPECT_EQ(table_numbers().size(), error_codes().size());
  for (std::int32_t nothing : {0, 14, 23, 9999, -1})
    EXPECT_EQ(find_error_code(nothing), nullptr) << nothing;
}

TEST(ErrorCodes, OnlyCodesThatRecordAPositionOfTheirOwnSayTheyHaveOne) {
  for (std::int32_t code : {1, 2, 3, 4, 5, 10, 24, 25, 101, 102, 103, 201, 1250, 1251})
    EXPECT_FALSE(find_error_code(code)->own_position) << code;
  for (std::int32_t code : {6, 7, 8, 9, 11, 12, 13, 15, 16, 20, 21, 22, 202, 208, 221, 241})
    EXPECT_TRUE(find_error_code(code)->own_position) << code;
}

TEST(ErrorCodes, BlameTheTextTheirEntryStandsIn) {
  struct Case {
    std::int32_t code;
    Blame blame;
  };
  // 2 is found at the end of the run text but concerns the line's
  // kilometric references; 15 and 25 come from either text.
  for (const Case& c :
       {Case{1, Blame::kLineText}, Case{2, Blame::kLineText}, Case{21, Blame::kLineText},
        Case{208, Blame::kLineText}, Case{16, Blame::kRunText}, Case{224, Blame::kRunText},
        Case{15, Blame::kTextBeingRead}, Case{25, Blame::kTextBeingRead}, Case{11, Blame::kNone},
        Case{241, Blame::kNone}, Case{1250, Blame::kNone}}) {
    EXPECT_EQ(find_error_code(c.code)->blame, c.blame) << c.code;
  }
}

// The documentation lists the same codes as the table, no more, no less.
TEST(ErrorCodes, ListsTheCodesOfTheDocumentation) {
  std::ifstream doc(std::string(SCENARIO_SOURCE_DIR) + "/doc/error_codes.md");
  ASSERT_TRUE(doc) << "doc/error_codes.md not found";
  std::set<std::int32_t> documented;
  const std::regex row(R"(^\| (\d+) \|)");
  std::string line;
  while (std::getline(doc, line)) {
    std::smatch match;
    if (std::regex_search(line, match, row))
      documented.insert(std::stoi(match[1]));
  }
  EXPECT_EQ(documented, table_numbers());
}

}  // namespace
}  // namespace scenario::compiler
