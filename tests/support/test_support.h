#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "scratch_folder.h"

namespace scenario::testing {

// A fresh empty folder, removed with everything in it at the end of the test.
class TempFolder : public ScratchFolder {
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

// Little-endian field helpers for building expected records in tests.
std::string le16(std::int32_t value);
std::string le32(std::int64_t value);
std::string le64_double(double value);

}  // namespace scenario::testing
