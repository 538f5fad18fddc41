#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace scenario::testing {

// A new empty folder of its own, removed with everything in it when the
// object goes: where a test writes its files or runs the installer.
class ScratchFolder {
 public:
  // Made in `parent` (the system's temporary folder when empty), under a
  // name that begins with `prefix` and that no other folder there has.
  // Throws platform::FileError naming the folder when none can be made.
  explicit ScratchFolder(std::string_view prefix, const std::filesystem::path& parent = {});
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::string file(std::string_view name) const { return (path_ / name).string(); }
  // The names of the entries in the folder, hidden ones included, sorted.
  std::vector<std::string> entries() const;
  // Removes every entry, leaving the folder empty.
  void clear() const;

 private:
  std::filesystem::path path_;
};

}  // namespace scenario::testing
