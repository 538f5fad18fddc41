#include "tools/folders.h"

#include <random>
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

ScratchFolder::ScratchFolder() {
  std::error_code error;
  const fs::path base = fs::temp_directory_path(error);
  if (error)
    throw platform::FileError("cartella temporanea", error.message());
  std::random_device seed;
  std::mt19937_64 random(seed());
  // create_directory reports an existing folder as not created, so two runs
  // never share one.
  for (int attempt = 0; attempt < 100; ++attempt) {
    const fs::path candidate = base / ("scenario_tool-" + std::to_string(random()));
    if (fs::create_directory(candidate, error)) {
      path_ = candidate;
      return;
    }
    if (error)
      throw platform::FileError(candidate.string(), error.message());
  }
  throw platform::FileError(base.string(), "nessuna cartella temporanea libera");
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

}  // namespace scenario::tools
