#pragma once

#include <concepts>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>

namespace scenario::records {

// One field of a binary record: its name and the member that holds it. A
// record lists its fields as a tuple of these in file order, once; the
// encoder, the decoder and the tools all walk that list.
template <typename Record, typename Member>
struct RecordField {
  using MemberType = Member;

  constexpr RecordField(std::string_view field_name, Member Record::*field_member)
      : name(field_name), member(field_member) {}

  std::string_view name;
  Member Record::*member;
};

// A text field (Windows-1252 bytes) rather than a number.
template <typename Member>
inline constexpr bool kIsTextField = std::same_as<Member, std::string>;

// Calls visit(name, member) for every field of `fields` in order, `member`
// a reference into `record` (a const one when `record` is const).
template <typename Fields, typename Record, typename Visitor>
constexpr void visit_each_field(const Fields& fields, Record& record, Visitor&& visit) {
  std::apply([&](const auto&... field) { (visit(field.name, record.*field.member), ...); }, fields);
}

// True when `fields` holds a field called `name`.
template <typename Fields>
constexpr bool has_field(const Fields& fields, std::string_view name) {
  return std::apply([&](const auto&... field) { return ((field.name == name) || ...); }, fields);
}

}  // namespace scenario::records
