#include "platform/word_wrap.h"

#include <gtest/gtest.h>

namespace scenario::platform {
namespace {

// One pixel per character keeps the widths readable in the table.
int one_per_character(std::string_view text) {
  return static_cast<int>(text.size());
}

TEST(WrapWords, BreaksBetweenWordsOnlyWhereTheTextWouldNotFit) {
  using Lines = std::vector<std::string>;
  const struct {
    std::string_view text;
    int width;
    Lines lines;
  } cases[] = {
      {"Attendere", 20, {"Attendere"}},
      {" Errore n. 1250", 15, {" Errore n. 1250"}},  // a line that fits keeps its blanks
      {"uno due tre", 7, {"uno due", "tre"}},
      {"uno due tre", 3, {"uno", "due", "tre"}},
      {"uno   due", 4, {"uno", "due"}},                      // blanks at a break go
      {"lunghissima parola", 6, {"lunghissima", "parola"}},  // too wide: a line of its own
      {"Attendere", 5, {"Attendere"}},
      {"  uno due", 5, {"  uno", "due"}},
      {"a\nb\r\n\nc", 10, {"a", "b", "", "c"}},
      {"", 10, {""}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(wrap_words(c.text, c.width, one_per_character), c.lines)
        << '"' << c.text << "\" in " << c.width;
  }
}

}  // namespace
}  // namespace scenario::platform
