#include "records/kilometre_text.h"

namespace scenario::records {

std::string kilometre_text(std::int64_t metres) {
  const bool before_start = metres < 0;
  // Magnitude in unsigned arithmetic, so that the lowest value has one too.
  const std::uint64_t distance =
      before_start ? 0 - static_cast<std::uint64_t>(metres) : static_cast<std::uint64_t>(metres);
  std::string rest = std::to_string(distance % 1000);
  rest.insert(0, 3 - rest.size(), '0');
  return (before_start ? "-" : "") + std::to_string(distance / 1000) + "+" + rest;
}

}  // namespace scenario::records
