#pragma once

#include <string>
#include <string_view>

namespace scenario::platform {

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// The full path of the running executable's own file, resolved from the
// process itself. Throws FileError.
std::string executable_file();

// The folder that holds the running executable, resolved from the process
// itself (never from the current directory), without a trailing separator.
std::string executable_folder();

// folder + separator + name, the only way file names are joined to a folder.
inline std::string join_path(std::string_view folder, std::string_view name) {
  std::string path(folder);
  path += kPathSeparator;
  path += name;
  return path;
}

}  // namespace scenario::platform
