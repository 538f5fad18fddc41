#pragma once

#include <cstddef>
#include <string_view>

namespace scenario::text {

// Keyword tests of the description texts are containment tests on a field.

// Exact case: the characters must match as they stand.
inline bool contains(std::string_view field, std::string_view word) {
  return field.find(word) != std::string_view::npos;
}

// Any case: letters are compared after Windows-1252 lower-casing, so
// "VELOCITÀ" contains "velocit" and "Stazione" contains "stazione".
bool contains_any_case(std::string_view field, std::string_view word);

// The field without the spaces and tabs around it, as people read it.
inline std::string_view trimmed(std::string_view field) {
  const std::size_t first = field.find_first_not_of(" \t");
  if (first == std::string_view::npos)
    return {};
  return field.substr(first, field.find_last_not_of(" \t") - first + 1);
}

}  // namespace scenario::text
