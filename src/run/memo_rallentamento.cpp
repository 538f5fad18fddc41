#include "run/memo_rallentamento.h"

#include "records/track_geometry.h"
#include "run/wrapped_values.h"

namespace scenario::run {
namespace {

// Start 1500 m or less: no room for a warning point before the section.
constexpr std::int32_t kLastStartWithoutWarning = 1500;
constexpr std::int32_t kWarningDistance = 1200;

}  // namespace

SlowSectionCells::SlowSectionCells(const SlowSectionRow& row)
    : start(records::item_cell(row.x)),
      end(records::item_cell(static_cast<double>(row.x) + row.l)),
      warning(records::item_cell(static_cast<double>(row.x) - kWarningDistance)),
      first_pre_warning(
          records::rounded_cell(records::in_cells(static_cast<double>(row.x) - kWarningDistance))),
      has_warning(row.x > kLastStartWithoutWarning),
      has_pre_warning(has_warning && row.f_ta != 0) {}

bool SlowSectionCells::all_in(const records::CellArray& cells) const {
  const auto in = [&](std::int64_t index) {
    return index >= 0 && index < static_cast<std::int64_t>(cells.size());
  };
  return in(start) && in(end) && (!has_warning || in(warning)) &&
         (!has_pre_warning || (in(first_pre_warning) && in(first_pre_warning - 3)));
}

std::int32_t memo_rallentamento(records::CellArray& cells, const SlowSectionRow& row) {
  const SlowSectionCells at(row);
  if (!at.all_in(cells))
    return compiler::kErrorSlowSectionOutsideCells;
  if (at.has_warning && !records::is_free(cells[at.warning]))
    return compiler::kErrorWarningPointTaken;
  if (!records::is_free(cells[at.start]))
    return compiler::kErrorSlowStartTaken;
  if (!records::is_free(cells[at.end]))
    return compiler::kErrorSlowEndTaken;

  const std::int16_t speed = low16(wrapped(row.v));
  const std::int16_t direction = low16(wrapped(row.d_v));
  // The end first: when start and end share a cell, the start wins.
  cells[at.end].type = records::kSlowEnd;
  if (row.d_v != 0)
    cells[at.end].value_b = direction;
  cells[at.start].type = records::kSlowStart;
  if (row.d_v != 0)
    cells[at.start].value_b = direction;
  if (at.has_warning) {
    records::CellRecord& warning = cells[at.warning];
    warning.type = records::kWarningPoint;
    if (row.d_v != 0)
      warning.value_b = direction;
    warning.value_a = speed;
  }
  for (const std::int64_t index : {at.start, at.end}) {
    cells[index].value_a = speed;
    cells[index].value_c = low16(wrapped(row.f_tt));
  }

  if (!at.has_pre_warning)
    return 0;
  for (std::int64_t i = 0; i < 4; ++i) {
    if (!records::is_free(cells[at.first_pre_warning - i]))
      return compiler::kErrorPreWarningTaken;
  }
  for (std::int64_t i = 0; i < 4; ++i) {
    records::CellRecord& cell = cells[at.first_pre_warning - i];
    cell.type = records::kPreWarning;
    cell.value_a = static_cast<std::int16_t>(i + 1);
    if (row.d_v != 0)
      cell.value_b = static_cast<std::int16_t>(i + 1);
  }
  return 0;
}

EntryOutcome compile_slow_section_row(RunCompilation& run) {
  text::FieldReader& in = run.reader;
  SlowSectionRow row;
  for (std::int32_t* value : {&row.x, &row.v, &row.l, &row.f_tt, &row.f_ta, &row.d_v}) {
    *value = in.read_int32();
  }
  if (run.beyond_track(row.x))
    return EntryOutcome::kEndOfText;
  // Only a code of this section's own stops the run.
  const std::int32_t code = memo_rallentamento(run.records.cells, row);
  if (code == 0 || code == compiler::kErrorPreWarningTaken) {
    const SlowSectionCells at(row);
    run.placed(at.end, records::kSlowEnd);
    run.placed(at.start, records::kSlowStart);
    if (at.has_warning)
      run.placed(at.warning, records::kWarningPoint);
    for (std::int64_t i = 0; code == 0 && at.has_pre_warning && i < 4; ++i)
      run.placed(at.first_pre_warning - i, records::kPreWarning);
  }
  if (code != 0)
    return run.reject_at(code, row.x);
  return EntryOutcome::kGoOn;
}

}  // namespace scenario::run
