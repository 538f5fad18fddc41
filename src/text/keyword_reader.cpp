#include "text/keyword_reader.h"

namespace scenario::text {

bool find_general_section(FieldReader& reader) {
  while (!reader.at_end()) {
    const std::string field = reader.read_text();
    if (reader.at_end())
      return false;
    if (contains_any_case(field, "[generale]"))
      return true;
  }
  return false;
}

std::optional<std::string> next_keyword(FieldReader& reader, const DashRule& rule) {
  FieldObserver* observer = reader.observer();
  if (reader.at_end())
    return std::nullopt;
  std::string keyword = reader.read_text();
  if (reader.at_end())
    return std::nullopt;
  for (int skipped = 0; skipped < rule.fields_skipped; ++skipped) {
    if (!contains(keyword, "-"))
      break;
    if (observer != nullptr)
      observer->keyword(KeywordUse::kDashSkipped);
    keyword = reader.read_text();
    if (rule.end_test_between && reader.at_end())
      return std::nullopt;
  }
  if (observer != nullptr)
    observer->keyword(KeywordUse::kExamined);
  return keyword;
}

bool is_section_header(std::string_view field) {
  if (!contains(field, "[") || !contains(field, "]"))
    return false;
  const std::string_view shown = trimmed(field);
  return shown.empty() || shown.front() != '-';
}

}  // namespace scenario::text
