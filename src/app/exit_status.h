#pragma once

namespace scenario::app {

// How a run of the installer ends.
inline constexpr int kExitInstalled = 0;      // every file written, no error recorded
inline constexpr int kExitCompileError = 1;   // files written, an error recorded
inline constexpr int kExitFileFailure = 2;    // a file could not be written; run stopped
inline constexpr int kExitStampConflict = 3;  // errore: no binary file written
inline constexpr int kExitInternalError = 4;  // a fault of the program itself
inline constexpr int kExitPackageFault = 5;   // a package's scenario unreadable: nothing written

}  // namespace scenario::app
