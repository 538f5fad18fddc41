#include "text/keyword_match.h"

#include <array>

#include "text/cp1252.h"

namespace scenario::text {
namespace {

// cp1252_lower of every byte, looked up rather than computed: every keyword
// field of a text is tested against a dozen words, byte by byte.
using LowerTable = std::array<unsigned char, 256>;

const LowerTable& lower_table() {
  static const LowerTable table = [] {
    LowerTable lower{};
    for (std::size_t c = 0; c < lower.size(); ++c) {
      lower[c] = cp1252_lower(static_cast<unsigned char>(c));
    }
    return lower;
  }();
  return table;
}

}  // namespace

bool contains_any_case(std::string_view field, std::string_view word) {
  if (word.size() > field.size())
    return false;
  const LowerTable& lower = lower_table();
  auto at = [&](std::string_view text, std::size_t i) {
    return lower[static_cast<unsigned char>(text[i])];
  };
  for (std::size_t start = 0; start + word.size() <= field.size(); ++start) {
    std::size_t matched = 0;
    while (matched < word.size() && at(field, start + matched) == at(word, matched))
      ++matched;
    if (matched == word.size())
      return true;
  }
  return false;
}

}  // namespace scenario::text
