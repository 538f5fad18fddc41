#include "run/run_compiler.h"

#include <array>

#include "run/abatement_point.h"
#include "run/end_of_text.h"
#include "run/memo_rallentamento.h"
#include "run/memo_segnale.h"
#include "run/run_compilation.h"
#include "run/station.h"
#include "run/track_fill.h"
#include "run/train_values.h"
#include "text/compile_failure.h"

namespace scenario::run {
namespace {

// Every keyword in any letter case, in this order; "velocit" takes
// "velocita" however its last letter is written.
constexpr std::array<text::EntryKind<RunCompilation>, 10> kRunRows = {{
    {{"frenata", "massa"}, compile_brake_mass_row},
    {{"vetture"}, compile_cars_row},
    {{"velocit"}, compile_speed_row},
    {{"aderenza"}, compile_adhesion_row},
    {{"orologio"}, compile_clock_row},
    {{"sabbia"}, compile_sand_row},
    {{"segnale"}, compile_signal_row},
    {{"rallentamento"}, compile_slow_section_row},
    {{"abbattimento"}, compile_abatement_row},
    {{"stazione"}, compile_station_row},
}};

// Reads rows until the end of the text or a row that stops the reading.
EntryOutcome read_rows(RunCompilation& run) {
  while (auto keyword = text::next_keyword(run.reader, text::kEntryDashRule)) {
    run.row_line = run.reader.field_line();
    if (const EntryOutcome outcome = text::compile_entry<RunCompilation>(*keyword, kRunRows, run);
        outcome != EntryOutcome::kGoOn)
      return outcome;
  }
  return EntryOutcome::kGoOn;
}

}  // namespace

void compile_run(records::ScenarioRecords& records, std::optional<std::string_view> text,
                 std::int32_t next_board_slot) {
  if (!text)
    throw text::CompileFailure(0, "testo della corsa assente");
  text::FieldReader reader(*text);
  RunCompilation run(records, reader, next_board_slot);
  if (text::find_general_section(reader) && read_rows(run) == EntryOutcome::kStop)
    return;
  finish_run_text(run);
}

}  // namespace scenario::run
