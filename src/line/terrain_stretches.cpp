#include "line/terrain_stretches.h"

#include "records/track_geometry.h"

namespace scenario::line {
namespace {

constexpr std::int32_t kTunnelTypeOffset = 10;
constexpr std::int64_t kCloseFollowingGap = 150;
constexpr std::int32_t kCloseFollowingType = 3;
constexpr std::int32_t kCellsPerTunnelMarker = 4;

struct CellRange {
  std::int64_t first;
  std::int64_t last;
};

CellRange cells_of(std::int32_t inizio, std::int32_t fine) {
  return {records::stretch_first_cell(inizio), records::stretch_last_cell(fine)};
}

}  // namespace

void memo_montagna(LineCompilation& line, std::int32_t& inizio, std::int32_t& fine,
                   std::int32_t& tipo) {
  const bool tunnel = tipo > kTunnelTypeOffset;
  if (tunnel)
    tipo -= kTunnelTypeOffset;

  StretchHistory& history = line.stretches;
  ++history.count;
  if (history.count > 1 && std::int64_t{inizio} - history.previous_end <= kCloseFollowingGap) {
    tipo = kCloseFollowingType;
  }
  history.previous_end = fine;

  const CellRange range = cells_of(inizio, fine);
  std::int64_t counted = 0;
  for (std::int64_t k = range.first; k <= range.last; ++k) {
    records::CellRecord& cell = line.records.cells[static_cast<std::size_t>(k)];
    cell.terrain = static_cast<std::uint8_t>(tipo & 0xFF);
    ++counted;
    if (tunnel && counted % kCellsPerTunnelMarker == 0 && cell.type == records::kFree) {
      cell.type = records::kTunnelMarker;
    }
  }
}

EntryOutcome compile_terrain_stretch(LineCompilation& line) {
  std::int32_t inizio = line.reader.read_int32();
  std::int32_t fine = line.reader.read_int32();
  std::int32_t tipo = line.reader.read_int32();
  if (test_on_track(line, inizio) != EntryOutcome::kGoOn)
    return EntryOutcome::kEndOfText;
  const CellRange range = cells_of(inizio, fine);
  const bool writes_cells = range.first <= range.last;
  if (writes_cells && (range.first < 0 || range.last > line.last_cell())) {
    return line.stop_at(compiler::kErrorStretchOutsideCells, inizio);
  }
  memo_montagna(line, inizio, fine, tipo);
  return EntryOutcome::kGoOn;
}

}  // namespace scenario::line
