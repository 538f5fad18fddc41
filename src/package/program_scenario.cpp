#include "package/program_scenario.h"

#include "package/package_format.h"
#include "platform/files.h"

namespace scenario::package {

ScenarioContent read_program_scenario(const std::string& path) {
  const platform::FileTail trailer = platform::read_file_tail(path, kTrailerSize);
  const PayloadPlace place = read_trailer(trailer.bytes, trailer.file_size);
  const platform::FileTail tail = platform::read_file_tail(path, place.length + kTrailerSize);
  // Taken from the bytes read last, in case the file changed in between.
  const PayloadPlace again = read_trailer(tail.bytes, tail.file_size);
  return read_payload(
      std::string_view(tail.bytes).substr(0, static_cast<std::size_t>(again.length)), again);
}

}  // namespace scenario::package
