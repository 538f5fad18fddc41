#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "package/scenario_content.h"

namespace scenario::package {

// A packaged installer is the package base program with its scenario
// appended: the payload (the seven fields of ScenarioContent, each a 32-bit
// little-endian length and its bytes) and then the trailer, which ends the
// file:
//   offset  0  u64  where the payload begins (the base program's length)
//   offset  8  u64  the payload's length
//   offset 16  u32  CRC-32 of the payload
//   offset 20  u32  format version
//   offset 24  8 bytes  kTrailerMagic
// All integers little-endian.
inline constexpr std::string_view kTrailerMagic = "SCENPACK";
inline constexpr std::size_t kTrailerSize = 32;
inline constexpr std::uint32_t kFormatVersion = 1;

// Why a program's own scenario cannot be installed, in Italian, for the
// driver: missing, cut short, altered or malformed.
class PackageFault : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The payload and trailer to append to a base program of `base_size` bytes.
std::string packaged_scenario(const ScenarioContent& content, std::uint64_t base_size);

// A whole packaged installer: the base program's bytes, then its scenario.
std::string packaged_program(std::string_view base, const ScenarioContent& content);

// Where a program's scenario lies, as its trailer gives it.
struct PayloadPlace {
  std::uint64_t start = 0;   // offset of the payload in the program
  std::uint64_t length = 0;  // the payload's bytes, which the trailer follows
  std::uint32_t checksum = 0;
};

// The place of the scenario a program of `program_size` bytes carries,
// from the program's last bytes (`tail`: kTrailerSize of them, or all of a
// shorter program). Throws PackageFault when the trailer is missing, of
// another format, or gives a program shorter or longer than it is.
PayloadPlace read_trailer(std::string_view tail, std::uint64_t program_size);

// The scenario in `payload`, the bytes at `place`. Throws PackageFault when
// the checksum does not match or the fields do not read as a scenario (a
// length beyond the payload, bytes left over, an identity that cannot name
// the files).
ScenarioContent read_payload(std::string_view payload, const PayloadPlace& place);

// The scenario a whole program carries: read_trailer, then read_payload.
ScenarioContent read_packaged_scenario(std::string_view program);

// True when the bytes end with a trailer's magic word: a packaged
// installer, which is never a base for another package.
bool ends_with_trailer(std::string_view program);

// Why a line identifier or a train number cannot name a packaged
// scenario's files on Linux and on Windows alike, or nothing: it must be
// non-empty UTF-8 that Windows-1252 can hold, without control characters
// and without any of / \ : * ? " < > |.
std::optional<std::string> identity_fault(std::string_view value);

}  // namespace scenario::package
