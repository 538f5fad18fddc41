#include "line/kilometric_sort.h"

#include <array>
#include <cstdint>
#include <limits>
#include <optional>

#include "records/slot_roles.h"
#include "text/compile_failure.h"

namespace scenario::line {
namespace {

struct Reference {
  std::int32_t first = 0;
  std::int32_t second = 0;
  std::int32_t third = 0;
};

// Indices 0, 1, 2 stand for slots 81, 82, 83.
using References = std::array<Reference, 3>;
using Order = std::array<int, 3>;

// By the first values: the strictly largest first, the other two in
// decreasing order, the one from the higher slot first when they are equal.
// None when no first value is strictly larger than both others.
std::optional<Order> order_by_first_values(const References& refs) {
  for (int top = 0; top < 3; ++top) {
    const int lower = top == 0 ? 1 : 0;
    const int higher = top == 2 ? 1 : 2;
    if (refs[top].first <= refs[lower].first || refs[top].first <= refs[higher].first)
      continue;
    if (refs[lower].first > refs[higher].first)
      return Order{top, lower, higher};
    return Order{top, higher, lower};
  }
  return std::nullopt;
}

// When the first values add up to 0: by the second values, each later rule
// that applies overriding the earlier ones. None when no second value is
// above 0.
std::optional<Order> order_by_second_values(const References& refs) {
  std::optional<Order> order;
  if (refs[0].second > 0)
    order = Order{0, 1, 2};
  if (refs[1].second > 0)
    order = Order{1, 0, 2};
  if (refs[2].second > 0)
    order = Order{2, 1, 0};
  return order;
}

}  // namespace

void progressive_ordina(records::HeaderTable& header) {
  constexpr int kFirstSlot = records::kKilometricSlotTre;
  References refs;
  for (int i = 0; i < 3; ++i) {
    const records::TableRecord& record = header[kFirstSlot + i];
    refs[i] = {record.long_a, record.long_b, record.long_c};
  }
  const std::int64_t sum =
      std::int64_t{refs[0].first} + std::int64_t{refs[1].first} + std::int64_t{refs[2].first};
  const std::optional<Order> order =
      sum != 0 ? order_by_first_values(refs) : order_by_second_values(refs);

  for (int i = 0; i < 3; ++i) {
    records::TableRecord& record = header[kFirstSlot + i];
    const Reference ref = order ? refs[(*order)[i]] : Reference{};
    record.long_a = ref.first;
    record.long_b = ref.second;
    record.long_c = ref.third;
    if (record.long_c == 1) {
      if (record.long_b > std::numeric_limits<std::int32_t>::max() - 100) {
        throw text::CompileFailure(0, text::CompileFailure::Reason::kValueTooLarge,
                                   "progressiva chilometrica fuori dai limiti");
      }
      record.long_b += 100;
    }
  }
}

}  // namespace scenario::line
