#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "app/compile_error_message.h"
#include "tools/author_compile.h"
#include "tools/json_writer.h"

namespace scenario::tools {

// The outcome of `compile` for a person: the files written on `out`, one a
// line (or that none was), and the recorded error, if any, as one line on
// `err`.
void print_compile_report(const CompileOutcome& outcome, const app::AuthorTexts& texts,
                          std::ostream& out, std::ostream& err);

// The members code, position (metres), km, file, line and meaning of the
// JSON object being written: the error as the installer records it; null
// where they do not apply.
void compile_state_json(const records::CompileState& state, const app::AuthorTexts& texts,
                        JsonWriter& json);

// The members files (the names written) and diagnostics (every diagnostic
// of the texts) of the JSON object being written.
void files_and_diagnostics_json(const std::vector<std::string>& files,
                                const diagnostics::CheckOutcome& diagnostics,
                                const app::AuthorTexts& texts, JsonWriter& json);

// The same as one JSON object on `out`: code, position (metres), km, file,
// line, meaning, files, diagnostics. The members that do not apply are null.
void print_compile_json(const CompileOutcome& outcome, const app::AuthorTexts& texts,
                        std::ostream& out);

}  // namespace scenario::tools
