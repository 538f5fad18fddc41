#pragma once

#include <ostream>
#include <span>
#include <string>

namespace scenario::tools {

// `documents LINE_TEXT RUN_TEXT --line-id ID --train NUMBER [--out DIR]
// [--notes FILE] [--classification TEXT] [--blocked-mass TEXT] [--rank
// LETTER] [--legend-note TEXT] [--json]`: compiles the texts as `compile`
// does, without writing the binary files, and writes the train sheet, the
// slow order and the notes of the run. Returns kExitOk, or
// kExitErrorRecorded when the texts record an error or the run does not fit
// the documents (nothing written then); throws UsageError and
// platform::FileError.
int run_documents_command(std::span<const std::string> args, std::ostream& out, std::ostream& err);

}  // namespace scenario::tools
