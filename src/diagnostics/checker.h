#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "compiler/description_texts.h"
#include "diagnostics/diagnostic.h"

namespace scenario::diagnostics {

// The most diagnostics one check gives.
inline constexpr std::size_t kMostDiagnostics = 100;

// The two texts of a scenario and its identity, Windows-1252 bytes.
struct CheckedScenario {
  std::string line_text;
  std::string run_text;
  std::string line_id;
  std::string train_number;
  // As the installer compiles (1), or without line data (0), where curves
  // are no entries.
  std::int32_t write_line_data = 1;
};

struct CheckOutcome {
  // Sorted by text (line, then run), line and column; at most
  // kMostDiagnostics.
  std::vector<Diagnostic> diagnostics;
  // How many more there were beyond those.
  std::size_t left_out = 0;
};

// Every error the compile would record, each with its place, including
// those it would only reach once an earlier one is mended (checking goes on
// as if the entry at fault were not in the text: the texts are compiled
// again with it left out), then every warning. Compiles as the installer
// does, in memory; writes nothing.
CheckOutcome check_scenario(const CheckedScenario& scenario);

// The diagnostic of the code that compiling and finishing these texts
// records last (the one the compile state keeps), for the installer's
// message; none when it records none.
std::optional<Diagnostic> explain_recorded_code(const CheckedScenario& scenario);

}  // namespace scenario::diagnostics
