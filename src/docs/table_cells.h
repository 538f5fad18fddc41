#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

namespace scenario::docs {

// Pieces of the boxed tables of the driver documents. A cell text that does
// not fit its width would shift every bar after it, so it is a programming
// error (std::logic_error naming the text), never cut or let through.

// `text` followed by spaces up to `width` characters.
std::string left_aligned(std::string_view text, std::size_t width);

// Spaces followed by `text`, `width` characters in all.
std::string right_aligned(std::string_view text, std::size_t width);

// A kilometre point from metres, three decimals and "." as the decimal point:
// 16350 gives "16.350", 0 gives "0.000".
std::string kilometres(int metres);

// One table line: a space, then every cell between bars (" |a|b|c|").
std::string table_row(std::initializer_list<std::string_view> cells);

// Adds every line of a group to `lines` (a text::LineList or any list with
// add(std::string)).
template <typename Lines, std::size_t count>
void add_form_lines(Lines& lines, const std::array<std::string_view, count>& group) {
  for (const std::string_view line : group)
    lines.add(std::string(line));
}

}  // namespace scenario::docs
