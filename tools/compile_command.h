#pragma once

#include <ostream>
#include <span>
#include <string>

namespace scenario::tools {

// `compile LINE_TEXT RUN_TEXT --line-id ID --train NUMBER [--out DIR]
// [--no-line-data] [--json]`. Returns kExitOk or kExitErrorRecorded; throws
// UsageError and platform::FileError.
int run_compile(std::span<const std::string> args, std::ostream& out, std::ostream& err);

}  // namespace scenario::tools
