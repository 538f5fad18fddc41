#include "records/line_data_file.h"

#include <bit>

namespace scenario::records {
namespace {

using Kind = PlanArray::Kind;

// A kind code and a double.
constexpr std::size_t kLargestElement = 10;

// Puts one element at `at`: its kind code, then its data, if any. Returns
// the place of the next one.
std::uint8_t* put_element(std::uint8_t* at, Kind kind, double value) {
  at = put_little_endian<2>(at, static_cast<std::uint16_t>(kind));
  if (kind == Kind::kInt16) {
    const auto bits = static_cast<std::uint16_t>(static_cast<std::int16_t>(value));
    return put_little_endian<2>(at, bits);
  }
  if (kind == Kind::kDouble)
    return put_little_endian<8>(at, std::bit_cast<std::uint64_t>(value));
  return at;
}

// The column's elements go straight into the writer's buffer, a buffer's
// worth at a time, through a local cursor: two million elements of the
// longest line are then a tight loop of stores rather than a call and a
// room check per field.
void encode_column(std::span<const Kind> kinds, std::span<const double> values,
                   LittleEndianWriter& writer) {
  std::size_t metre = 0;
  while (metre < kinds.size()) {
    const std::span<std::uint8_t> room = writer.room(kLargestElement);
    std::uint8_t* const start = room.data();
    std::uint8_t* const last_fit = start + (room.size() - kLargestElement);
    std::uint8_t* at = start;
    for (; metre < kinds.size() && at <= last_fit; ++metre) {
      at = put_element(at, kinds[metre], values[metre]);
    }
    writer.advance(static_cast<std::size_t>(at - start));
  }
}

}  // namespace

void encode_line_data_file(const PlanArray& plan, const ByteConsumer& out) {
  LittleEndianWriter writer(out);
  for (int column : {PlanArray::kX, PlanArray::kY}) {
    encode_column(plan.kinds(column), plan.values(column), writer);
  }
  writer.flush();
}

}  // namespace scenario::records
