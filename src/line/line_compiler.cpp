#include "line/line_compiler.h"

#include <array>

#include "line/boards.h"
#include "line/general_section.h"
#include "line/gradients.h"
#include "line/kilometric_sort.h"
#include "line/line_compilation.h"
#include "line/plan_geometry.h"
#include "line/terrain_stretches.h"

namespace scenario::line {
namespace {

bool computes_plan(const LineCompilation& line) {
  return line.records.plan.has_value();
}

// After "[generale]" every entry is recognised by its keyword alone,
// wherever it stands, in any letter case; curves only where the plan is
// computed (elsewhere a curve's values are read as keyword fields).
constexpr std::array<text::EntryKind<LineCompilation>, 5> kLineEntries = {{
    {{"pendenza"}, compile_gradient},
    {{"curva"}, compile_curve, computes_plan},
    {{"montagna"}, compile_terrain_stretch},
    {{"indicatori_v"}, compile_speed_indicator},
    {{"indicat", "cartello"}, compile_sign_board},
}};

EntryOutcome compile_entries(LineCompilation& line) {
  while (auto keyword = text::next_keyword(line.reader, text::kEntryDashRule)) {
    line.keyword = *keyword;
    line.keyword_line = line.reader.field_line();
    if (const EntryOutcome outcome =
            text::compile_entry<LineCompilation>(*keyword, kLineEntries, line);
        outcome != EntryOutcome::kGoOn)
      return outcome;
  }
  return EntryOutcome::kGoOn;
}

// Everything that reads the text. Returns kGoOn or kEndOfText when the line
// is to be finished, kStop when the compiler stops at once.
EntryOutcome read_line_text(LineCompilation& line) {
  if (!text::find_general_section(line.reader)) {
    line.keyword_line = line.reader.field_line();
    return line.stop(compiler::kErrorNoGeneralSection);
  }
  if (compile_general_section(line) == EntryOutcome::kStop)
    return EntryOutcome::kStop;
  // Without a length there is no cell array to compile the line into.
  if (line.records.cells.empty())
    return line.stop_at(compiler::kErrorNoLineLength, 0);
  progressive_ordina(line.records.header);
  if (computes_plan(line))
    start_plan(*line.records.plan);
  return compile_entries(line);
}

void finish_line(LineCompilation& line) {
  fill_last_gradient(line);
  if (computes_plan(line))
    finish_plan(line);
}

}  // namespace

LineHandOver compile_line(records::ScenarioRecords& records, std::optional<std::string_view> text) {
  // The track exists only once this text has given its length.
  records.clear_track();
  if (!text) {
    records.state.fail(compiler::kErrorNoLineText, records::SourceText::kLine);
    return {.hard_stop = true};
  }
  LineCompilation line(records, *text);
  if (read_line_text(line) == EntryOutcome::kStop)
    return {.hard_stop = true};
  finish_line(line);
  return {.hard_stop = false, .next_board_slot = line.next_board_slot};
}

}  // namespace scenario::line
