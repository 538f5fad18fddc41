#include "fuzz/scratch_folder.h"

#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <stdexcept>

namespace scenario::fuzz {
namespace {

namespace fs = std::filesystem;

fs::path parent_folder() {
  std::error_code error;
  if (fs::is_directory("/dev/shm", error))
    return "/dev/shm";
  return fs::temp_directory_path();
}

}  // namespace

ScratchFolder::ScratchFolder() {
  std::string pattern = (parent_folder() / "scenario-fuzz-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr)
    throw std::runtime_error("cannot create a scratch folder from " + pattern);
  path_ = pattern;
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
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

}  // namespace scenario::fuzz
