// The field lists of the two binary records: every member once, in file
// order, under its own name. The byte layouts themselves are checked in
// binary_files_test.cpp against bytes written by hand.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "records/cell_record.h"
#include "records/table_record.h"

namespace scenario::records {
namespace {

using NamedValues = std::vector<std::pair<std::string, std::string>>;

// Sets every field of `record` to its place in the list, counted from 1,
// through the list itself, then reads the fields back by name.
template <typename Record>
NamedValues numbered_through_the_list(Record& record) {
  int place = 0;
  visit_fields(record, [&](std::string_view, auto& member) {
    using Member = std::remove_cvref_t<decltype(member)>;
    ++place;
    if constexpr (kIsTextField<Member>)
      member = std::to_string(place);
    else
      member = static_cast<Member>(place);
  });
  NamedValues values;
  const Record& read = record;
  visit_fields(read, [&](std::string_view name, const auto& member) {
    if constexpr (kIsTextField<std::remove_cvref_t<decltype(member)>>)
      values.emplace_back(name, member);
    else
      values.emplace_back(name, std::to_string(member));
  });
  return values;
}

TEST(RecordFields, TheTableRecordListsEveryMemberOnceInFileOrder) {
  TableRecord record;
  const NamedValues values = numbered_through_the_list(record);
  const TableRecord expected{.kind = 1,
                             .long_a = 2,
                             .long_b = 3,
                             .long_c = 4,
                             .byte_a = 5,
                             .text = "6",
                             .short_a = 7,
                             .short_b = 8,
                             .short_c = 9,
                             .short_d = 10,
                             .short_e = 11,
                             .byte_b = 12,
                             .byte_c = 13,
                             .byte_d = 14,
                             .byte_e = 15,
                             .long_d = 16};
  EXPECT_EQ(record, expected);
  const NamedValues names = {
      {"kind", "1"},    {"long_a", "2"},   {"long_b", "3"},   {"long_c", "4"},
      {"byte_a", "5"},  {"text", "6"},     {"short_a", "7"},  {"short_b", "8"},
      {"short_c", "9"}, {"short_d", "10"}, {"short_e", "11"}, {"byte_b", "12"},
      {"byte_c", "13"}, {"byte_d", "14"},  {"byte_e", "15"},  {"long_d", "16"}};
  EXPECT_EQ(values, names);
}

TEST(RecordFields, TheCellRecordListsEveryMemberOnceInFileOrder) {
  CellRecord cell;
  const NamedValues values = numbered_through_the_list(cell);
  const CellRecord expected{.type = 1,
                            .value_a = 2,
                            .value_b = 3,
                            .value_c = 4,
                            .value_d = 5,
                            .tempo = 6,
                            .approach = 7,
                            .terrain = 8,
                            .speed_limit = 9,
                            .gradient = 10,
                            .adhesion = 11};
  EXPECT_EQ(cell, expected);
  const NamedValues names = {{"type", "1"},      {"value_a", "2"},  {"value_b", "3"},
                             {"value_c", "4"},   {"value_d", "5"},  {"tempo", "6"},
                             {"approach", "7"},  {"terrain", "8"},  {"speed_limit", "9"},
                             {"gradient", "10"}, {"adhesion", "11"}};
  EXPECT_EQ(values, names);
}

}  // namespace
}  // namespace scenario::records
