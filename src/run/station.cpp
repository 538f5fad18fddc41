#include "run/station.h"

#include <cstdint>
#include <limits>
#include <string>

#include "records/rounding.h"
#include "run/cell_index.h"
#include "run/run_error_codes.h"
#include "text/compile_failure.h"

namespace scenario::run {
namespace {

constexpr std::int32_t kFirstKindWithoutStop = 25;
// Room the track must leave after a station.
constexpr std::int32_t kStationTrackMargin = 800;
// A station area must start this far after the previous one ends.
constexpr std::int32_t kStationSpacing = 350;
constexpr std::int32_t kApproachMarkerBase = 80;

std::int32_t fit_long(double value, int line, const char* what) {
  if (value < std::numeric_limits<std::int32_t>::min() ||
      value > std::numeric_limits<std::int32_t>::max()) {
    throw text::CompileFailure(line, std::string(what) + " fuori dai limiti di un campo a 32 bit");
  }
  return static_cast<std::int32_t>(value);
}

// Start and end of the station area around position p, length L.
void lay_out_area(records::TableRecord& slot, std::int32_t length, int line) {
  const double p = slot.long_c;
  const double l = length;
  switch (slot.kind) {
    case 5:
    case 6:
      slot.long_a = fit_long(p - l, line, "inizio della stazione");
      slot.long_b = fit_long(p + 150, line, "fine della stazione");
      slot.byte_d = 0;
      break;
    case 7:
    case 8:
      slot.long_a = fit_long(p - l, line, "inizio della stazione");
      slot.long_b = fit_long(p + l, line, "fine della stazione");
      slot.byte_d = 0;
      break;
    default: {
      const double extra = slot.byte_d != 0 ? 50 : 0;
      slot.long_a = fit_long(records::round_half_even(p - l / 2), line, "inizio della stazione");
      slot.long_b =
          fit_long(records::round_half_even(p + l / 2) + extra, line, "fine della stazione");
    }
  }
}

// Fields 4 to 17 of the row.
void read_station_values(text::FieldReader& in, records::TableRecord& slot, int line) {
  slot.byte_a = in.read_uint8();
  slot.byte_e = in.read_uint8();
  slot.byte_d = in.read_uint8();
  slot.short_a = in.read_int16();
  slot.short_b = in.read_int16();
  slot.byte_b = in.read_uint8();
  slot.short_c = in.read_int16();
  slot.short_d = in.read_int16();
  slot.short_e = in.read_int16();
  slot.byte_c = in.read_uint8();
  const std::int64_t hours = in.read_int32();
  const std::int64_t minutes = in.read_int32();
  const std::int64_t seconds = in.read_int32();
  slot.long_d = fit_long(static_cast<double>((hours * 60 + minutes) * 60 + seconds), line,
                         "orario della stazione");
  slot.text = in.read_counted_text();
}

// The station stop cell round(long_b / 50 - 1) and, except for kinds 5 and
// 6, approach markers 81 to 84 in the four cells before it.
RowOutcome place_station_stop(RunCompilation& run, const records::TableRecord& slot,
                              std::int32_t station) {
  records::CellArray& cells = run.records.cells;
  const double stop = slot.long_b / 50.0 - 1;
  if (stop > 1 && !in_cells(cells, cell_index(stop))) {
    run.reject_at(kErrorStationStopOutsideCells, slot.long_c);
    return RowOutcome::kRejected;
  }
  if (slot.kind != 5 && slot.kind != 6) {
    for (int k = 1; k <= 4; ++k) {
      const double marker = slot.long_b / 50.0 - k - 1;
      if (marker > 1) {
        cells[cell_index(marker)].approach = static_cast<std::uint8_t>(kApproachMarkerBase + k);
      }
    }
  }
  if (stop <= 1) {
    run.reject(kErrorStationAtLineStart);
    return RowOutcome::kRejected;
  }
  records::CellRecord& cell = cells[cell_index(stop)];
  cell.type = records::kStationStop;
  cell.value_a = static_cast<std::int16_t>(station);
  return RowOutcome::kContinue;
}

}  // namespace

RowOutcome compile_station_row(RunCompilation& run) {
  const std::int32_t station = run.station_counter;
  // With the sign-board texts down to slot 1 there is no slot at all.
  if (station >= run.next_board_slot) {
    run.reject(kErrorStationsReachBoardTexts);
    return RowOutcome::kRejected;
  }
  records::TableRecord& slot = run.records.header[station];
  text::FieldReader& in = run.reader;

  const std::int32_t position = in.read_int32();
  slot.long_c = position;
  if (run.beyond_track(position, kStationTrackMargin))
    return RowOutcome::kBeyondTrack;
  if (position % 50 != 0) {
    run.reject_at(kErrorStationPosition, position);
    return RowOutcome::kRejected;
  }
  slot.kind = in.read_uint8();
  const std::int32_t length = in.read_int32();
  if (length % 100 != 0) {
    run.reject_at(kErrorStationLength, position);
    return RowOutcome::kRejected;
  }
  read_station_values(in, slot, run.row_line);

  lay_out_area(slot, length, run.row_line);
  if (length < 600)
    slot.byte_e = 0;
  if (station == records::kFirstStationSlot) {
    slot.byte_d = 0;
    slot.byte_e = 0;
  }
  if (slot.kind < kFirstKindWithoutStop) {
    if (const RowOutcome outcome = place_station_stop(run, slot, station);
        outcome != RowOutcome::kContinue) {
      return outcome;
    }
  }
  if (station > records::kFirstStationSlot &&
      static_cast<std::int64_t>(slot.long_a) - kStationSpacing <
          run.records.header[station - 1].long_b) {
    run.reject_at(kErrorStationSpacing, position);
    return RowOutcome::kRejected;
  }
  ++run.station_counter;
  if (run.station_counter >= run.next_board_slot) {
    run.reject(kErrorStationsReachBoardTexts);
    return RowOutcome::kRejected;
  }
  return RowOutcome::kContinue;
}

}  // namespace scenario::run
