// Reading a written driver document back in the tests.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "test_support.h"

namespace scenario::docs::testing {

// Writes one document with `write` into a fresh folder and returns its bytes.
template <typename Writer>
std::string written_bytes(Writer write) {
  scenario::testing::TempFolder folder;
  const std::string path = folder.file("document.txt");
  write(path);
  return scenario::testing::read_bytes(path);
}

// The lines of a document: its bytes cut after every CR LF. A file that does
// not end in CR LF, or holds a CR or LF elsewhere, fails the test.
inline std::vector<std::string> lines_of(std::string_view bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t end = bytes.find("\r\n", start);
    if (end == std::string_view::npos) {
      ADD_FAILURE() << "text after the last CR LF: " << bytes.substr(start);
      break;
    }
    const std::string_view line = bytes.substr(start, end - start);
    EXPECT_EQ(line.find_first_of("\r\n"), std::string_view::npos) << "stray CR or LF in " << line;
    lines.emplace_back(line);
    start = end + 2;
  }
  return lines;
}

// Positions of the "|" characters of a line.
inline std::vector<std::size_t> bar_positions(std::string_view line) {
  std::vector<std::size_t> bars;
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (line[i] == '|')
      bars.push_back(i);
  }
  return bars;
}

// The text between two positions with the blanks around it removed.
inline std::string trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos)
    return "";
  return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

}  // namespace scenario::docs::testing
