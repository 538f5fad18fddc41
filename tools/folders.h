#pragma once

#include <string>

namespace scenario::tools {

// Makes sure `folder` exists, creating it and its parents when missing.
// Throws platform::FileError naming the folder.
void ensure_folder(const std::string& folder);

}  // namespace scenario::tools
