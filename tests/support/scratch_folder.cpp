#include "scratch_folder.h"

#include <algorithm>
#include <random>
#include <system_error>

#include "platform/file_error.h"

namespace scenario::testing {

namespace fs = std::filesystem;

ScratchFolder::ScratchFolder(std::string_view prefix, const fs::path& parent) {
  std::error_code error;
  const fs::path base = parent.empty() ? fs::temp_directory_path(error) : parent;
  if (error)
    throw platform::FileError("cartella temporanea", error.message());
  std::random_device seed;
  std::mt19937_64 random(seed());
  // create_directory reports an existing folder as not created, so two
  // objects never share one.
  for (int attempt = 0; attempt < 100; ++attempt) {
    const fs::path candidate = base / (std::string(prefix) + std::to_string(random()));
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
  // Write permission may have been taken away from the folder (a test of a
  // folder that cannot be written does so); give it back so it can go.
  fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
  fs::remove_all(path_, ignored);
}

std::vector<std::string> ScratchFolder::entries() const {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(path_))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

void ScratchFolder::clear() const {
  for (const auto& entry : fs::directory_iterator(path_))
    fs::remove_all(entry.path());
}

}  // namespace scenario::testing
