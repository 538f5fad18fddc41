#pragma once

#include <cstdint>
#include <string>

namespace scenario::testing {

// What kill_while_writing saw.
struct Interruption {
  bool killed = false;     // killed while writing the file looked for
  int status = -1;         // exit status, 128 + signal when killed
  std::string file;        // what the program's descriptor named
  std::uint64_t size = 0;  // the file's size at the kill
};

// Runs `program` in `folder` (a SpawnedProcess with DISPLAY removed) and
// kills it with SIGKILL at the first moment it is seen holding open a file
// in `folder` whose size is above `more_than` and below `less_than` bytes:
// a file it is still writing. The program is stopped
// (SIGSTOP) at short intervals and its open files looked at while it stands
// still, so the kill falls on exactly the state that was seen, with no hook
// in the program. When the program ends before such a moment, `killed` is
// false and `status` is its exit status.
Interruption kill_while_writing(const std::string& program, const std::string& folder,
                                std::uint64_t more_than, std::uint64_t less_than);

}  // namespace scenario::testing
