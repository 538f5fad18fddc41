#pragma once

#include <string>

#include "text/line_list.h"

namespace scenario::docs {

// The three fixed driver documents of the built-in run, line by line,
// closed by the end marker.
text::LineList builtin_notes();
text::LineList builtin_slow_order();
text::LineList builtin_train_sheet();

// Each writes one fixed driver document to `path`, replacing any file of
// that name. Throw platform::FileError.
void dati_note(const std::string& path);
void dati_rallentamenti(const std::string& path);
void dati_scheda(const std::string& path);

}  // namespace scenario::docs
