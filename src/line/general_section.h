#pragma once

#include "line/line_compilation.h"

namespace scenario::line {

// Reads the "[generale]" section, from the field after its header to the
// next section header: the line length (which creates the track), the
// kilometric references, the backgrounds and the signal repetition. Returns
// kGoOn or kStop.
EntryOutcome compile_general_section(LineCompilation& line);

}  // namespace scenario::line
