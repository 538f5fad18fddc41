#include "text/line_list.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "test_support.h"

namespace scenario::text {
namespace {

TEST(LineList, WritesEveryLineBeforeTheEndMarkerWithCrLf) {
  LineList lines;
  lines.add("");
  lines.add("però ");
  lines.add("Riferimento fine del file");  // differs in case: an ordinary line
  lines.end();
  lines.add("never written");
  EXPECT_EQ(render_lines(lines), "\r\nper\xF2 \r\nRiferimento fine del file\r\n");
}

TEST(LineList, AListWithoutEndMarkerFailsLoudlyWithoutReadingPastSlot1000) {
  LineList lines;
  for (std::size_t i = 0; i < kLineSlots; ++i)
    lines.add("x");
  EXPECT_THROW(lines.add("one too many"), std::length_error);
  EXPECT_THROW(render_lines(lines), std::logic_error);

  LineList short_list;
  short_list.add("x");
  EXPECT_THROW(render_lines(short_list), std::logic_error);
}

TEST(LineList, WriteLinesReplacesTheFile) {
  scenario::testing::TempFolder folder;
  const std::string path = folder.file("doc.txt");
  scenario::testing::write_bytes(path, std::string(100, 'z'));
  LineList lines;
  lines.add("a");
  lines.end();
  write_lines(path, lines);
  EXPECT_EQ(scenario::testing::read_bytes(path), "a\r\n");
}

}  // namespace
}  // namespace scenario::text
