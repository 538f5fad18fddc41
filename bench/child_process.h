#pragma once

#include <string>
#include <vector>

namespace scenario::bench {

struct ChildRun {
  int status = -1;     // exit status; -1 when the child did not exit normally
  double seconds = 0;  // from just before the spawn to the end of the wait
  std::string output;  // what the child wrote on standard output
};

// Runs `program` (looked up in PATH when the name has no slash) with
// `arguments` as one child process, standard input and standard error on
// /dev/null and DISPLAY removed from its environment, and waits for it. Throws std::system_error
// when it cannot be started.
ChildRun run_child(const std::string& program, const std::vector<std::string>& arguments);

}  // namespace scenario::bench
