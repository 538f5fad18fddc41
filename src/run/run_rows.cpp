#include "run/run_rows.h"

#include "run/abatement_point.h"
#include "run/memo_rallentamento.h"
#include "run/memo_segnale.h"
#include "run/station.h"
#include "run/track_fill.h"
#include "run/train_values.h"
#include "text/keyword_match.h"

namespace scenario::run {
namespace {

struct KeywordTest {
  std::string_view word;
  std::string_view also;  // a second word the field must hold too, or empty
  RowOutcome (*compile)(RunCompilation&);
};

// "velocit" takes "velocita" however its last letter is written.
constexpr KeywordTest kKeywordTests[] = {
    {"frenata", "massa", compile_brake_mass_row}, {"vetture", "", compile_cars_row},
    {"velocit", "", compile_speed_row},           {"aderenza", "", compile_adhesion_row},
    {"orologio", "", compile_clock_row},          {"sabbia", "", compile_sand_row},
    {"segnale", "", compile_signal_row},          {"rallentamento", "", compile_slow_section_row},
    {"abbattimento", "", compile_abatement_row},  {"stazione", "", compile_station_row},
};

bool matches(const KeywordTest& test, std::string_view field) {
  return text::contains_any_case(field, test.word) &&
         (test.also.empty() || text::contains_any_case(field, test.also));
}

}  // namespace

RowOutcome compile_row(RunCompilation& run, std::string_view keyword_field) {
  for (const KeywordTest& test : kKeywordTests) {
    if (!matches(test, keyword_field))
      continue;
    if (const RowOutcome outcome = test.compile(run); outcome != RowOutcome::kContinue) {
      return outcome;
    }
  }
  return RowOutcome::kContinue;
}

}  // namespace scenario::run
