#pragma once

#include <filesystem>
#include <string>

namespace scenario::tools {

// Makes sure `folder` exists, creating it and its parents when missing.
// Throws platform::FileError naming the folder.
void ensure_folder(const std::string& folder);

// A new empty folder of its own in the system's temporary folder, removed
// with everything in it when the object goes. Throws platform::FileError
// when none can be made.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  std::string path() const { return path_.string(); }

 private:
  std::filesystem::path path_;
};

}  // namespace scenario::tools
