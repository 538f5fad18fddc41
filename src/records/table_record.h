#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace scenario::records {

// One slot of the header table. `text` holds Windows-1252 bytes.
struct TableRecord {
  std::uint8_t kind = 0;
  std::int32_t long_a = 0;
  std::int32_t long_b = 0;
  std::int32_t long_c = 0;
  std::uint8_t byte_a = 0;
  std::string text;
  std::int16_t short_a = 0;
  std::int16_t short_b = 0;
  std::int16_t short_c = 0;
  std::int16_t short_d = 0;
  std::int16_t short_e = 0;
  std::uint8_t byte_b = 0;
  std::uint8_t byte_c = 0;
  std::uint8_t byte_d = 0;
  std::uint8_t byte_e = 0;
  std::int32_t long_d = 0;

  bool operator==(const TableRecord&) const = default;
};

// The header table: exactly 87 slots, 0 to 86.
inline constexpr std::size_t kHeaderSlots = 87;
using HeaderTable = std::array<TableRecord, kHeaderSlots>;

// Slots with a fixed use.
inline constexpr int kFirstStationSlot = 1;     // stations: 1 upward
inline constexpr int kFirstBoardTextSlot = 80;  // sign-board texts: 80 downward
inline constexpr int kKilometricSlotTre = 81;   // kilometric references 81, 82, 83
inline constexpr int kKilometricSlotDue = 82;
inline constexpr int kKilometricSlotUno = 83;
inline constexpr int kTrainValuesSlot = 84;  // brake mass %, line length, cars
inline constexpr int kLineSlot = 85;         // backgrounds, line identifier, stamp, code
inline constexpr int kRunSlot = 86;          // signal repetition, train number, sand, clock

// Sets every field of all 87 records to zero and every text to empty.
inline void reset(HeaderTable& table) {
  table.fill(TableRecord{});
}

}  // namespace scenario::records
