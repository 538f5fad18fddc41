#pragma once

#include <string>

namespace scenario::docs {

// Each writes one fixed driver document to `path`, replacing any file of
// that name. Throw platform::FileError.
void dati_note(const std::string& path);
void dati_rallentamenti(const std::string& path);
void dati_scheda(const std::string& path);

}  // namespace scenario::docs
