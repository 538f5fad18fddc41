#include "docs/table_cells.h"

#include <stdexcept>

namespace scenario::docs {
namespace {

void check_fits(std::string_view text, std::size_t width) {
  if (text.size() > width) {
    throw std::logic_error("table cell \"" + std::string(text) + "\" is wider than " +
                           std::to_string(width) + " characters");
  }
}

}  // namespace

std::string left_aligned(std::string_view text, std::size_t width) {
  check_fits(text, width);
  return std::string(text) + std::string(width - text.size(), ' ');
}

std::string right_aligned(std::string_view text, std::size_t width) {
  check_fits(text, width);
  return std::string(width - text.size(), ' ') + std::string(text);
}

std::string kilometres(int metres) {
  if (metres < 0)
    throw std::logic_error("negative kilometre point " + std::to_string(metres));
  const std::string thousandths = std::to_string(metres % 1000);
  return std::to_string(metres / 1000) + "." + std::string(3 - thousandths.size(), '0') +
         thousandths;
}

std::string table_row(std::initializer_list<std::string_view> cells) {
  std::string row = " |";
  for (std::string_view cell : cells) {
    row += cell;
    row += '|';
  }
  return row;
}

}  // namespace scenario::docs
