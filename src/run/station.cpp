#include "run/station.h"

#include <cstdint>
#include <limits>
#include <string>

#include "records/rounding.h"
#include "records/track_geometry.h"
#include "text/compile_failure.h"

namespace scenario::run {
namespace {

// Room the track must leave after a station.
constexpr std::int32_t kStationTrackMargin = 800;
// A station area must start this far after the previous one ends.
constexpr std::int32_t kStationSpacing = 350;
constexpr std::int32_t kApproachMarkerBase = 80;
// A station's length is a whole number of 100 m.
constexpr std::int32_t kLengthUnit = 100;
// Kinds 5 and 6: the area ends this far after the station's position.
constexpr std::int32_t kShortAreaEnd = 150;
// A nonzero field 6 moves the end of the area this far on.
constexpr std::int32_t kAreaExtension = 50;

std::int32_t fit_long(double value, int line, const char* what) {
  if (value < std::numeric_limits<std::int32_t>::min() ||
      value > std::numeric_limits<std::int32_t>::max()) {
    throw text::CompileFailure(line, text::CompileFailure::Reason::kValueTooLarge,
                               std::string(what) + " fuori dai limiti di un campo a 32 bit");
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
      slot.long_b = fit_long(p + kShortAreaEnd, line, "fine della stazione");
      slot.byte_d = 0;
      break;
    case 7:
    case 8:
      slot.long_a = fit_long(p - l, line, "inizio della stazione");
      slot.long_b = fit_long(p + l, line, "fine della stazione");
      slot.byte_d = 0;
      break;
    default: {
      const double extra = slot.byte_d != 0 ? kAreaExtension : 0;
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
EntryOutcome place_station_stop(RunCompilation& run, const records::TableRecord& slot,
                                std::int32_t station) {
  records::CellArray& cells = run.records.cells;
  const double stop = records::in_cells(slot.long_b) - 1;
  if (stop > 1 && !run.in_cells(records::rounded_cell(stop)))
    return run.reject_at(compiler::kErrorStationStopOutsideCells, slot.long_c);
  if (slot.kind != 5 && slot.kind != 6) {
    for (int k = 1; k <= 4; ++k) {
      const double marker = records::in_cells(slot.long_b) - k - 1;
      if (marker > 1) {
        cells[records::rounded_cell(marker)].approach =
            static_cast<std::uint8_t>(kApproachMarkerBase + k);
      }
    }
  }
  if (stop <= 1)
    return run.reject(compiler::kErrorStationAtLineStart);
  records::CellRecord& cell = cells[records::rounded_cell(stop)];
  cell.type = records::kStationStop;
  cell.value_a = static_cast<std::int16_t>(station);
  run.placed(records::rounded_cell(stop), records::kStationStop);
  return EntryOutcome::kGoOn;
}

}  // namespace

EntryOutcome compile_station_row(RunCompilation& run) {
  const std::int32_t station = run.station_counter;
  // With the sign-board texts down to slot 1 there is no slot at all.
  if (station >= run.next_board_slot)
    return run.reject(compiler::kErrorStationsReachBoardTexts);
  records::TableRecord& slot = run.records.header[station];
  text::FieldReader& in = run.reader;

  const std::int32_t position = in.read_int32();
  slot.long_c = position;
  if (run.beyond_track(position, kStationTrackMargin))
    return EntryOutcome::kEndOfText;
  if (!records::on_cell_grid(position))
    return run.reject_at(compiler::kErrorStationPosition, position);
  slot.kind = in.read_uint8();
  const std::int32_t length = in.read_int32();
  if (length % kLengthUnit != 0)
    return run.reject_at(compiler::kErrorStationLength, position);
  read_station_values(in, slot, run.row_line);

  lay_out_area(slot, length, run.row_line);
  if (length < 600)
    slot.byte_e = 0;
  if (station == records::kFirstStationSlot) {
    slot.byte_d = 0;
    slot.byte_e = 0;
  }
  if (slot.kind < kFirstKindWithoutStop) {
    if (const EntryOutcome outcome = place_station_stop(run, slot, station);
        outcome != EntryOutcome::kGoOn) {
      return outcome;
    }
  }
  if (station > records::kFirstStationSlot &&
      static_cast<std::int64_t>(slot.long_a) - kStationSpacing <
          run.records.header[station - 1].long_b)
    return run.reject_at(compiler::kErrorStationSpacing, position);
  ++run.station_counter;
  if (run.station_counter >= run.next_board_slot)
    return run.reject(compiler::kErrorStationsReachBoardTexts);
  return EntryOutcome::kGoOn;
}

}  // namespace scenario::run
