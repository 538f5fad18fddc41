#pragma once

#include "line/line_compilation.h"

namespace scenario::line {

// Reads the entries after "[generale]" to the end of the text: gradients,
// curves (only with write_line_data set), terrain stretches, speed-indicator
// boards and sign boards, each recognised by its keyword wherever it
// stands. Returns kGoOn at the end of the text, kEndOfLine after an entry
// beyond the track, kHardStop after an error that stops the compiler.
Outcome compile_entries(LineCompilation& line);

}  // namespace scenario::line
