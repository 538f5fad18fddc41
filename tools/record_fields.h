#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

#include "records/record_field.h"

namespace scenario::tools {

// How `dump` walks a record's fields (records::visit_fields): it shows the
// texts first, since a text names what the record stands for, then the
// numbers, each group in file order.

// Calls on_text(name, text) for every text field of `record`.
template <typename Record, typename OnText>
void visit_texts(const Record& record, OnText&& on_text) {
  visit_fields(record, [&](std::string_view name, const auto& value) {
    if constexpr (records::kIsTextField<std::remove_cvref_t<decltype(value)>>)
      on_text(name, value);
  });
}

// Calls on_number(name, value) for every numeric field of `record`, the
// value widened to 64 bits.
template <typename Record, typename OnNumber>
void visit_numbers(const Record& record, OnNumber&& on_number) {
  visit_fields(record, [&](std::string_view name, const auto& value) {
    if constexpr (!records::kIsTextField<std::remove_cvref_t<decltype(value)>>)
      on_number(name, static_cast<std::int64_t>(value));
  });
}

}  // namespace scenario::tools
