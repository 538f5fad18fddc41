#pragma once

namespace scenario::tools {

// How a run of scenario_tool ends.
inline constexpr int kExitOk = 0;  // done; no error recorded
inline constexpr int kExitErrorRecorded =
    1;  // compile: the compiler or the finishing pass recorded one
inline constexpr int kExitUsageOrFile =
    2;                                   // wrong arguments, or a file not read, written or decoded
inline constexpr int kExitInternal = 3;  // a fault of the program itself

}  // namespace scenario::tools
