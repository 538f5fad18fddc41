#include "records/plan_array.h"

#include <stdexcept>

namespace scenario::records {

PlanArray::PlanArray(std::int32_t last_metre)
    : last_metre_(last_metre),
      column_size_(last_metre < 0 ? 0 : static_cast<std::size_t>(last_metre) + 1),
      values_(2 * column_size_),
      kinds_(2 * column_size_) {
  static_assert(static_cast<int>(Kind::kUnset) == 0);
  if (last_metre < 0)
    throw std::invalid_argument("plan array with a negative last metre");
}

}  // namespace scenario::records
