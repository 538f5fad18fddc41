#pragma once

#include "text/line_list.h"

namespace scenario::line {

// The line description text of the built-in line "Velbrio_Dolvena", line by
// line, closed by the end marker.
text::LineList builtin_line();

}  // namespace scenario::line
