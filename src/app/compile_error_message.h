#pragma once

#include <string>

#include "records/compile_state.h"

namespace scenario::app {

// The line the installer prints on standard error when compilation or the
// finishing pass has recorded an error: the code, the position in metres
// and, when an entry of a description text is to blame, the text and line.
std::string compile_error_message(const records::CompileState& state);

}  // namespace scenario::app
