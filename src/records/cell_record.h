#pragma once

#include <concepts>
#include <cstdint>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "records/record_field.h"

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

// The occupant of a cell by its `type`, in Italian ("segnale", "inizio
// rallentamento", ...); "tipo N sconosciuto" for a number no step sets.
std::string cell_type_name(std::uint8_t type);

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

// The fields of a cell in the order the cell file holds them, each with its
// name; the member's type gives its width in the file
// (records/record_codec.h). Layout in doc/cell_file.md.
inline constexpr std::tuple kCellRecordFields{
    RecordField("type", &CellRecord::type),
    RecordField("value_a", &CellRecord::value_a),
    RecordField("value_b", &CellRecord::value_b),
    RecordField("value_c", &CellRecord::value_c),
    RecordField("value_d", &CellRecord::value_d),
    RecordField("tempo", &CellRecord::tempo),
    RecordField("approach", &CellRecord::approach),
    RecordField("terrain", &CellRecord::terrain),
    RecordField("speed_limit", &CellRecord::speed_limit),
    RecordField("gradient", &CellRecord::gradient),
    RecordField("adhesion", &CellRecord::adhesion),
};

// Calls visit(name, member) for every field of `cell` in file order.
template <typename Record, typename Visitor>
requires std::same_as<std::remove_const_t<Record>, CellRecord>
constexpr void visit_fields(Record& cell, Visitor&& visit) {
  visit_each_field(kCellRecordFields, cell, std::forward<Visitor>(visit));
}

// Signals, slow sections, boards and abatement points are placed only on
// free cells: empty ones and tunnel markers.
inline bool is_free(const CellRecord& cell) {
  return cell.type == kFree || cell.type == kTunnelMarker;
}

// Cells 0 to N; empty until the line length has been read.
using CellArray = std::vector<CellRecord>;

}  // namespace scenario::records
