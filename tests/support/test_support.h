#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/scratch_folder.h"

namespace scenario::testing {

// A fresh empty folder, removed with everything in it at the end of the test.
class TempFolder : public platform::ScratchFolder {
 public:
  TempFolder() : ScratchFolder("scenario-test-") {}
};

// Bytes written out by hand: pairs of hex digits, blanks and line breaks
// between them ignored ("01 0a ff").
std::string hex_bytes(std::string_view hex);

// Bytes of a file; fails the test (throws) when it cannot be read.
std::string read_bytes(const std::string& path);
void write_bytes(const std::string& path, std::string_view bytes);

// A readable hex dump for failure messages.
std::string to_hex(std::string_view bytes);

// Runs a program with arguments in a folder, with standard input closed;
// returns its exit status and what it wrote on standard error and output.
// With drop_privileges the program runs as the unprivileged user "nobody"
// when the test runs as root, so that folder permissions hold for it. With
// a file_size_limit no file of the program may grow beyond that many bytes
// (RLIMIT_FSIZE); SIGXFSZ is ignored, so a write past it fails with EFBIG
// instead of ending the program.
struct ProcessOptions {
  bool drop_privileges = false;
  std::uint64_t file_size_limit = 0;  // 0: none
};
struct ProcessResult {
  int status = -1;
  std::string standard_error;
  std::string standard_output;
};
ProcessResult run_process(const std::string& program, const std::vector<std::string>& arguments,
                          const std::string& folder, ProcessOptions options = {});

// Little-endian field helpers for building expected records in tests.
std::string le16(std::int32_t value);
std::string le32(std::int64_t value);
std::string le64_double(double value);

}  // namespace scenario::testing
