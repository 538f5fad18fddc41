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

constexpr text::ValueField kGradient[] = {{"posizione in m"}, {"pendenza in per mille"}};
constexpr text::ValueField kCurve[] = {{"inizio in m"}, {"lunghezza in m"}};
constexpr text::ValueField kStretch[] = {{"inizio in m"}, {"fine in m"}, {"tipo"}};
constexpr text::ValueField kSpeedIndicator[] = {
    {"posizione in m"},
    {"velocità del rango A a sinistra in km/h"},
    {"velocità del rango B a sinistra in km/h"},
    {"velocità del rango C a sinistra in km/h"},
    {"strisce a sinistra"},
    {"velocità del rango A a destra in km/h"},
    {"velocità del rango B a destra in km/h"},
    {"velocità del rango C a destra in km/h"},
    {"strisce a destra"},
};
constexpr text::ValueField kSignBoard[] = {{"posizione in m"}, {"testo del cartello", true}};

// After "[generale]" every entry is recognised by its keyword alone,
// wherever it stands, in any letter case; curves only where the plan is
// computed (elsewhere a curve's values are read as keyword fields).
constexpr std::array<text::EntryKind<LineCompilation>, 5> kLineEntries = {{
    {{"pendenza"}, {"pendenza", kGradient}, compile_gradient},
    {{"curva"}, {"curva", kCurve}, compile_curve, computes_plan},
    {{"montagna"}, {"montagna", kStretch}, compile_terrain_stretch},
    {{"indicatori_v"}, {"indicatori_vmax", kSpeedIndicator}, compile_speed_indicator},
    {{"indicat", "cartello"}, {"cartello_indicatore", kSignBoard}, compile_sign_board},
}};

EntryOutcome compile_entries(LineCompilation& line) {
  while (auto keyword = text::next_keyword(line.reader, text::kEntryDashRule)) {
    line.keyword = *keyword;
    line.keyword_line = line.reader.field_line();
    if (const EntryOutcome outcome =
            text::compile_entry<LineCompilation>(*keyword, kLineEntries, line, line.observer);
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

std::vector<text::EntryInfo> line_entry_kinds() {
  return text::entry_infos<LineCompilation>(kLineEntries);
}

LineHandOver compile_line(records::ScenarioRecords& records, std::optional<std::string_view> text,
                          compiler::CompileObserver* observer) {
  // The track exists only once this text has given its length.
  records.clear_track();
  if (!text) {
    records.state.fail(compiler::kErrorNoLineText, records::SourceText::kLine);
    return {.hard_stop = true};
  }
  LineCompilation line(records, *text, observer);
  if (read_line_text(line) == EntryOutcome::kStop)
    return {.hard_stop = true};
  finish_line(line);
  return {.hard_stop = false, .next_board_slot = line.next_board_slot};
}

}  // namespace scenario::line
