// The field reader alone on hostile texts. The input is a script and a text
// separated by the first NUL byte: each byte of the script chooses the next
// read (text, 32-bit, 16-bit or 8-bit number), in turn, until the text ends.
// Every read must consume at least one character and return a field without
// its delimiter, or throw the compiler's own failure; once at the end, every
// read throws.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "text/compile_failure.h"
#include "text/field_reader.h"

namespace {

using scenario::fuzz::require;
using scenario::text::CompileFailure;
using scenario::text::FieldReader;

enum class Read { kText, kInt32, kInt16, kUint8 };

void read_one(FieldReader& reader, Read read) {
  switch (read) {
    case Read::kText: {
      const std::string field = reader.read_text();
      require(field.find_first_of(",\r\n") == std::string::npos,
              "a text field holds no comma and no line end");
      break;
    }
    case Read::kInt32:
      reader.read_int32();
      break;
    case Read::kInt16:
      reader.read_int16();
      break;
    case Read::kUint8:
      reader.read_uint8();
      break;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t separator = input.find('\0');
  std::string_view script = separator == std::string_view::npos ? "" : input.substr(0, separator);
  if (script.empty())
    script = std::string_view("\0", 1);  // text fields only
  const std::string text(separator == std::string_view::npos ? input : input.substr(separator + 1));

  FieldReader reader(text);
  std::size_t reads = 0;
  int last_line = 1;
  while (!reader.at_end()) {
    require(reads < text.size(), "every read consumes at least one character");
    const auto choice = static_cast<unsigned char>(script[reads % script.size()]);
    ++reads;
    try {
      read_one(reader, static_cast<Read>(choice % 4));
    } catch (const CompileFailure& failure) {
      require(failure.line() >= 1, "a failure names a line of the text");
    }
    require(reader.field_line() >= last_line, "fields are read forward, line by line");
    last_line = reader.field_line();
  }
  for (int read = 0; read < 4; ++read) {
    bool threw = false;
    try {
      read_one(reader, static_cast<Read>(read));
    } catch (const CompileFailure&) {
      threw = true;
    }
    require(threw, "a read at the end of the text throws");
  }
  return 0;
}
