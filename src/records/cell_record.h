#pragma once

#include <cstdint>
#include <vector>

namespace scenario::records {

// What occupies a cell (`type`).
enum CellType : std::uint8_t {
  kFree = 0,
  kSignal = 1,
  kSlowEnd = 2,
  kSlowStart = 3,
  kWarningPoint = 4,
  kPreWarning = 5,
  kSpeedIndicator = 6,
  kStationStop = 10,
  kTunnelMarker = 11,
  kAbatementWithSpeed = 12,
  kAbatementWithoutSpeed = 13,
  kSignBoard = 14,
};

// One cell: 50 m of track.
struct CellRecord {
  std::uint8_t type = kFree;
  std::int16_t value_a = 0;
  std::int16_t value_b = 0;
  std::int16_t value_c = 0;
  std::int16_t value_d = 0;
  std::uint8_t tempo = 0;
  std::uint8_t approach = 0;
  std::uint8_t terrain = 0;
  std::uint8_t speed_limit = 0;
  std::uint8_t gradient = 0;
  std::uint8_t adhesion = 0;

  bool operator==(const CellRecord&) const = default;
};

// Signals, slow sections, boards and abatement points are placed only on
// free cells: empty ones and tunnel markers.
inline bool is_free(const CellRecord& cell) {
  return cell.type == kFree || cell.type == kTunnelMarker;
}

// Cells 0 to N; empty until the line length has been read.
using CellArray = std::vector<CellRecord>;

}  // namespace scenario::records
