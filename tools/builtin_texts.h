#pragma once

#include <string>
#include <vector>

namespace scenario::tools {

// Writes the built-in line and run description texts into `folder`
// (created when missing) under the names the installer gives them, with the
// installer's own writers. Returns the two paths. Unless `overwrite`, a
// folder that holds either text already is refused before anything is
// written (UsageError): an author's edited texts are not lost to a repeated
// command. Throws platform::FileError.
std::vector<std::string> write_builtin_texts(const std::string& folder, bool overwrite);

}  // namespace scenario::tools
