#pragma once

#include <string_view>

#include "run/run_compilation.h"

namespace scenario::run {

// Tests a keyword field against every keyword of the run text, in a fixed
// order and in any letter case, and compiles the row of each one it
// contains: a field holding two keywords runs both. Stops at the first row
// that does not end with RowOutcome::kContinue.
RowOutcome compile_row(RunCompilation& run, std::string_view keyword_field);

}  // namespace scenario::run
