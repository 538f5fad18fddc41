#pragma once

#include <string>
#include <vector>

namespace scenario::fuzz {

// A folder of the fuzzer's own for the files one input writes, in memory
// (/dev/shm) where the system has it, so that a million runs do not wear a
// disk. Removed with its contents when the object goes.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::string& path() const { return path_; }
  std::string file(const std::string& name) const { return path_ + "/" + name; }
  // The names of the entries in the folder, hidden ones included, sorted.
  std::vector<std::string> entries() const;
  // Removes every entry.
  void clear() const;

 private:
  std::string path_;
};

}  // namespace scenario::fuzz
