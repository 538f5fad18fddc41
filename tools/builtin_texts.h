#pragma once

#include <string>
#include <vector>

namespace scenario::tools {

// Writes the built-in line and run description texts into `folder`
// (created when missing) under the names the installer gives them, with the
// installer's own writers. Returns the two paths. Throws
// platform::FileError.
std::vector<std::string> write_builtin_texts(const std::string& folder);

}  // namespace scenario::tools
