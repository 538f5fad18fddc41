#pragma once

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace scenario::testing {

// A program running beside the test, with a pipe to its standard input and
// one from its standard output, and DISPLAY set to `display` (removed when
// there is none). Killed and reaped when the object goes.
class SpawnedProcess {
 public:
  SpawnedProcess(const std::string& program, const std::vector<std::string>& arguments,
                 const std::optional<std::string>& display);
  ~SpawnedProcess();
  SpawnedProcess(const SpawnedProcess&) = delete;
  SpawnedProcess& operator=(const SpawnedProcess&) = delete;

  pid_t pid() const { return pid_; }

  void write_line(const std::string& line);

  // The next line of standard output, nullopt when none came in time.
  std::optional<std::string> read_line(std::chrono::milliseconds timeout);

  // The exit status (128 + signal when killed), nullopt while still running
  // at the timeout.
  std::optional<int> wait(std::chrono::milliseconds timeout);

  // All of standard output not yet read by read_line, and standard error;
  // complete once the process has ended.
  std::string rest_of_output();
  std::string standard_error() const;

 private:
  bool fill(std::chrono::milliseconds timeout);

  pid_t pid_ = -1;
  int input_ = -1;
  int output_ = -1;
  std::string error_path_;
  std::string pending_;
  std::optional<int> status_;
};

// Runs a program to its end (at most ten seconds) with DISPLAY set.
struct ToolResult {
  int status = -1;
  std::string output;
};
ToolResult run_tool(const std::string& program, const std::vector<std::string>& arguments,
                    const std::string& display);

// The full path of a program found on PATH, empty when there is none.
std::string find_program(const std::string& name);

}  // namespace scenario::testing
