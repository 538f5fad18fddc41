#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "records/zeroed_allocator.h"

namespace scenario::records {

// The plan x (column 0) and y (column 1) of every metre 0 to last_metre of
// the line. Each element is unset, a 16-bit integer or a 64-bit double, and
// keeps that kind for the line data file. Stored column by column, as the
// file lists them, one value and one kind byte per element.
class PlanArray {
 public:
  enum class Kind : std::uint8_t { kUnset = 0, kInt16 = 2, kDouble = 5 };
  static constexpr int kX = 0;
  static constexpr int kY = 1;

  // Metres 0 to last_metre, every element unset.
  explicit PlanArray(std::int32_t last_metre);

  std::int32_t last_metre() const { return last_metre_; }

  Kind kind(std::int32_t metre, int column) const { return kinds_[index(metre, column)]; }
  // The element's value; 0 when unset.
  double value(std::int32_t metre, int column) const { return values_[index(metre, column)]; }

  // Inline: the line compiler sets two elements for every metre of the line.
  void set_int16(std::int32_t metre, int column, std::int16_t value) {
    values_[index(metre, column)] = value;
    kinds_[index(metre, column)] = Kind::kInt16;
  }
  void set_double(std::int32_t metre, int column, double value) {
    values_[index(metre, column)] = value;
    kinds_[index(metre, column)] = Kind::kDouble;
  }

  // One column whole, metre 0 first, for the line data file's encoder.
  std::span<const Kind> kinds(int column) const { return column_of(kinds_, column); }
  std::span<const double> values(int column) const { return column_of(values_, column); }

  bool operator==(const PlanArray&) const = default;

 private:
  std::size_t index(std::int32_t metre, int column) const {
    return static_cast<std::size_t>(column) * column_size_ + static_cast<std::size_t>(metre);
  }

  // Every element starts unset: a zero value and kind (kUnset), which the
  // allocator gives without a pass over the 18 MB of the longest line.
  template <typename T>
  using Column = std::vector<T, ZeroedAllocator<T>>;

  template <typename T>
  std::span<const T> column_of(const Column<T>& elements, int column) const {
    return std::span<const T>(elements).subspan(index(0, column), column_size_);
  }

  std::int32_t last_metre_;
  std::size_t column_size_;
  Column<double> values_;
  Column<Kind> kinds_;
};

}  // namespace scenario::records
