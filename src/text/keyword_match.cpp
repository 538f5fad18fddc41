#include "text/keyword_match.h"

#include <algorithm>

#include "text/cp1252.h"

namespace scenario::text {

bool contains_any_case(std::string_view field, std::string_view word) {
  auto same = [](char a, char b) {
    return cp1252_lower(static_cast<unsigned char>(a)) == cp1252_lower(static_cast<unsigned char>(b));
  };
  return std::search(field.begin(), field.end(), word.begin(), word.end(), same) != field.end();
}

}  // namespace scenario::text
