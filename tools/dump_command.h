#pragma once

#include <ostream>
#include <span>
#include <string>

namespace scenario::tools {

// The three binary files dump can read.
enum class FileKind { kTable, kCells, kPlan };

// The kind a file name gives: "_linea.dat" the line data file, ".sim" the
// scenario table file, any other ".dat" the cell file. Throws UsageError for
// a name that tells none.
FileKind kind_from_name(const std::string& path);

// `dump FILE [--kind table|cells|plan] [--all] [--json]`. Throws
// UsageError, platform::FileError and FileDecodeError.
int run_dump(std::span<const std::string> args, std::ostream& out, std::ostream& err);

}  // namespace scenario::tools
