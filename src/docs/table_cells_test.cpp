#include "docs/table_cells.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace scenario::docs {
namespace {

TEST(TableCells, KilometresHaveThreeDecimals) {
  const std::pair<int, const char*> kCases[] = {
      {0, "0.000"}, {50, "0.050"}, {1000, "1.000"}, {16350, "16.350"}, {96600, "96.600"}};
  for (const auto& [metres, expected] : kCases)
    EXPECT_EQ(kilometres(metres), expected);
  EXPECT_THROW(kilometres(-50), std::logic_error);
}

TEST(TableCells, ACellTextWiderThanItsCellIsRefusedNamingIt) {
  EXPECT_EQ(left_aligned("ab", 4), "ab  ");
  EXPECT_EQ(right_aligned("ab", 4), "  ab");
  EXPECT_EQ(left_aligned("abcd", 4), "abcd");
  try {
    left_aligned("LAGO DI VENTA - CERRETO SCALO", 28);
    FAIL() << "no error";
  } catch (const std::logic_error& error) {
    EXPECT_NE(std::string(error.what()).find("LAGO DI VENTA - CERRETO SCALO"), std::string::npos);
  }
  EXPECT_THROW(right_aligned("12", 1), std::logic_error);
}

TEST(TableCells, ARowPutsBarsBetweenItsCells) {
  EXPECT_EQ(table_row({" 1 ", "ab", ""}), " | 1 |ab||");
}

}  // namespace
}  // namespace scenario::docs
