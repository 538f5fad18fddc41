#include "tools/folders.h"

#include <filesystem>
#include <system_error>

#include "platform/file_error.h"

namespace scenario::tools {

namespace fs = std::filesystem;

void ensure_folder(const std::string& folder) {
  std::error_code error;
  fs::create_directories(folder, error);
  if (error)
    throw platform::FileError(folder, error.message());
  if (!fs::is_directory(folder, error))
    throw platform::FileError(folder, "non è una cartella");
}

}  // namespace scenario::tools
