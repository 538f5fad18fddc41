#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace scenario::text {

// Text of an author's file or of a binary file (Windows-1252 bytes) as it is
// shown to people (UTF-8): every character as itself, but control
// characters and the five bytes the code page leaves undefined as \xNN, so
// that nothing in a message can move the cursor or hide.
std::string shown_text(std::string_view cp1252);

// The same in double quotes, a quote or backslash with a backslash before
// it: "CITTÀ", "a\x09b".
std::string quoted_text(std::string_view cp1252);

// One line of a text as shown, with the column where each of its bytes
// begins, for drawing a caret under a field: the byte i of the line starts
// at column `columns[i]` (0-based) of `shown`; `columns` has one more
// element, the width of the whole line. A tab is kept and counts as one
// column, so that a caret line copying the tabs lines up in any terminal.
struct ShownLine {
  std::string shown;
  std::vector<int> columns;
};
ShownLine shown_line(std::string_view cp1252_line);

}  // namespace scenario::text
