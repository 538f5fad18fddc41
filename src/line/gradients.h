#pragma once

#include "line/line_compilation.h"

namespace scenario::line {

// A "pendenza" entry (position, gradient in per mille): the previous
// gradient is written into the cells from the fill index up to the cell of
// the position, and the new gradient is carried on from there.
EntryOutcome compile_gradient(LineCompilation& line);

// At the end of the line: the carried gradient fills the cells up to N - 3;
// the last three cells keep gradient 0.
void fill_last_gradient(LineCompilation& line);

}  // namespace scenario::line
