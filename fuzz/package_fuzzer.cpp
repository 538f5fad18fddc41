// A packaged installer's own file on hostile bytes: any bytes at all, as a
// program copied, downloaded or altered may end with. The first byte
// chooses the form: even, the rest is the whole program file; odd, the rest
// is a payload put behind a trailer that agrees with it (its length and its
// checksum), so that the payload's fields are read and not only the
// checksum refused. Reading must end in a scenario or in a fault that says
// what is wrong with it; a scenario read must be the one whose packaging
// gives back the very bytes read.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "package/checksum.h"
#include "package/package_format.h"

namespace {

using namespace scenario;
using scenario::fuzz::require;

// A base of three bytes, then `payload` behind a trailer that agrees with it.
std::string behind_agreeing_trailer(std::string_view payload) {
  std::string program = "ELF";
  program += payload;
  auto le = [&](std::uint64_t value, int count) {
    for (int i = 0; i < count; ++i)
      program.push_back(static_cast<char>((value >> (8 * i)) & 0xFFu));
  };
  le(3, 8);
  le(payload.size(), 8);
  le(package::crc32(payload), 4);
  le(package::kFormatVersion, 4);
  program += package::kTrailerMagic;
  return program;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0)
    return 0;
  const std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
  const std::string program =
      (data[0] & 1) != 0 ? behind_agreeing_trailer(rest) : std::string(rest);
  package::ScenarioContent content;
  try {
    content = package::read_packaged_scenario(program);
  } catch (const package::PackageFault& fault) {
    require(std::string_view(fault.what()).starts_with("lo scenario "),
            "a fault says what is wrong with the scenario");
    return 0;
  }
  require(
      !package::identity_fault(content.line_id) && !package::identity_fault(content.train_number),
      "a scenario read has an identity that names files");
  // The payload begins where the trailer says; packaging the scenario read
  // behind the same base gives back the program.
  const std::string tail = package::packaged_scenario(content, 0);
  require(program.size() >= tail.size(), "the program holds its scenario");
  const std::size_t base = program.size() - tail.size();
  require(package::packaged_scenario(content, base) == std::string_view(program).substr(base),
          "the scenario read packs back into the same bytes");
  return 0;
}
