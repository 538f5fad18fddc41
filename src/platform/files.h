#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>

namespace scenario::platform {

// Sequential writer handed to the callback of replace_file. Every failure
// throws FileError naming the target path.
class OutputFile {
 public:
  virtual ~OutputFile() = default;
  virtual void write(std::span<const std::uint8_t> bytes) = 0;
  void write(std::string_view bytes) {
    write(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
  }
};

bool file_exists(const std::string& path);

// Reads the whole file as bytes. Throws FileError.
std::string read_file(const std::string& path);

// The last `count` bytes of a file (all of it when it is shorter) and the
// file's whole size, read without the bytes before them. Throws FileError.
struct FileTail {
  std::uint64_t file_size = 0;
  std::string bytes;
};
FileTail read_file_tail(const std::string& path, std::uint64_t count);

// Removes the file if it exists. Throws FileError when it exists and cannot be
// removed.
void remove_file(const std::string& path);

// Replaces the file at path with exactly the bytes that `write` produces.
// The bytes go to a temporary file in the same folder, which then takes the
// target's name (linked to it where no file has it yet, renamed over it
// otherwise), so the target holds either its old bytes or all the new ones,
// never a part. On any failure the temporary file is removed, the
// target is untouched, and FileError is thrown. The file is not flushed to
// disk: the system writes it back on its own schedule.
// A program (FileKind::kProgram) may be run: on POSIX systems its mode
// lets whoever may read it execute it, set before it takes the target's
// name; elsewhere the kind makes no difference.
enum class FileKind { kData, kProgram };
void replace_file(const std::string& path, const std::function<void(OutputFile&)>& write,
                  FileKind kind = FileKind::kData);

}  // namespace scenario::platform
