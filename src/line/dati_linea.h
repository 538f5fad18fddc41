#pragma once

#include <string>

namespace scenario::line {

// Writes the built-in line description text to `path`, replacing any file
// of that name. Throws platform::FileError.
void dati_linea(const std::string& path);

}  // namespace scenario::line
