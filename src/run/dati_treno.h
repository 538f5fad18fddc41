#pragma once

#include <string>

namespace scenario::run {

// Writes the built-in run description text to `path`, replacing any file of
// that name. Throws platform::FileError.
void dati_treno(const std::string& path);

}  // namespace scenario::run
