#pragma once

#include "text/line_list.h"

namespace scenario::run {

// The run description text of the built-in run, train 30527 from VELBRIO
// S.M.N. to DOLVENA C.LE: 108 lines and the end marker.
text::LineList builtin_run_text();

}  // namespace scenario::run
