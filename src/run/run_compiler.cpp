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

using text::ValueField;

constexpr ValueField kBrakeMass[] = {{"percentuale di massa frenata"}};
constexpr ValueField kCars[] = {{"numero di vetture"}};
constexpr ValueField kSpeed[] = {{"posizione in m"}, {"velocità in km/h"}};
constexpr ValueField kAdhesion[] = {{"posizione in m"}, {"aderenza"}};
constexpr ValueField kClock[] = {{"ore"}, {"minuti"}, {"secondi"}};
constexpr ValueField kSand[] = {{"sabbia"}};
constexpr ValueField kSignal[] = {
    {"posizione in m"}, {"sx"}, {"s1"}, {"s2"}, {"s3"}, {"rapp"}, {"dx"}, {"d1"}, {"d2"}, {"d3"},
    {"tempo"},
};
constexpr ValueField kSlowSection[] = {
    {"inizio in m"}, {"velocità in km/h"}, {"lunghezza in m"}, {"f_tt"}, {"f_ta"}, {"d_v"},
};
constexpr ValueField kAbatement[] = {{"posizione in m"}, {"velocità in km/h"}};
constexpr ValueField kStation[] = {
    {"posizione in m"},
    {"tipo di stazione"},
    {"lunghezza dell'area in m"},
    {"primo flag (campo 4)"},
    {"secondo flag (campo 5)"},
    {"flag area 50 m più lunga (campo 6)"},
    {"primo codice (campo 7)"},
    {"secondo codice (campo 8)"},
    {"terzo codice (campo 9)"},
    {"quarto codice (campo 10)"},
    {"quinto codice (campo 11)"},
    {"sesto codice (campo 12)"},
    {"sosta in s"},
    {"ore della partenza"},
    {"minuti della partenza"},
    {"secondi della partenza"},
    {"nome della stazione", true},
};

// Every keyword in any letter case, in this order; "velocit" takes
// "velocita" however its last letter is written.
constexpr std::array<text::EntryKind<RunCompilation>, 10> kRunRows = {{
    {{"frenata", "massa"}, {"percentuale massa frenata", kBrakeMass}, compile_brake_mass_row},
    {{"vetture"}, {"numero vetture", kCars}, compile_cars_row},
    {{"velocit"}, {"velocita", kSpeed}, compile_speed_row},
    {{"aderenza"}, {"aderenza", kAdhesion}, compile_adhesion_row},
    {{"orologio"}, {"orologio", kClock}, compile_clock_row},
    {{"sabbia"}, {"sabbia", kSand}, compile_sand_row},
    {{"segnale"}, {"segnale", kSignal}, compile_signal_row},
    {{"rallentamento"}, {"rallentamento", kSlowSection}, compile_slow_section_row},
    {{"abbattimento"}, {"abbattimento", kAbatement}, compile_abatement_row},
    {{"stazione"}, {"stazione", kStation}, compile_station_row},
}};

// Reads rows until the end of the text or a row that stops the reading.
EntryOutcome read_rows(RunCompilation& run) {
  while (auto keyword = text::next_keyword(run.reader, text::kEntryDashRule)) {
    run.row_line = run.reader.field_line();
    if (const EntryOutcome outcome =
            text::compile_entry<RunCompilation>(*keyword, kRunRows, run, run.observer);
        outcome != EntryOutcome::kGoOn)
      return outcome;
  }
  return EntryOutcome::kGoOn;
}

}  // namespace

std::vector<text::EntryInfo> run_row_kinds() {
  return text::entry_infos<RunCompilation>(kRunRows);
}

void compile_run(records::ScenarioRecords& records, std::optional<std::string_view> text,
                 std::int32_t next_board_slot, compiler::CompileObserver* observer) {
  if (!text)
    throw text::CompileFailure(0, text::CompileFailure::Reason::kNoText,
                               "testo della corsa assente");
  text::FieldReader reader(*text);
  reader.set_observer(observer);
  RunCompilation run(records, reader, next_board_slot, observer);
  if (text::find_general_section(reader) && read_rows(run) == EntryOutcome::kStop)
    return;
  finish_run_text(run);
}

}  // namespace scenario::run
