#include "records/cell_record.h"

#include "records/rounding.h"

namespace scenario::records {

std::int32_t last_cell_index(std::int32_t length) {
  return static_cast<std::int32_t>(round_half_even((static_cast<double>(length) + 7000.0) / 50.0));
}

}  // namespace scenario::records
