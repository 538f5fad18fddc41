#pragma once

// Programs started by the tests and the measurements, in three forms: run
// to the end with everything it wrote captured (run_process), kept running
// beside the test and talked to line by line (SpawnedProcess), and timed
// as cheaply as a child can be (run_timed). A program named without a
// slash is looked up on PATH. Every form gives the exit status, or 128 +
// the signal that ended the program.

#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace scenario::testing {

// How a child starts, beside the folder it runs in. DISPLAY is set to
// `display` for it and removed when there is none, so that no program
// opens a window on a screen the test did not choose. With
// drop_privileges it runs as the unprivileged user "nobody" when the test
// runs as root, so that folder permissions hold for it. With a
// file_size_limit no file of it may grow beyond that many bytes
// (RLIMIT_FSIZE); SIGXFSZ is ignored, so a write past it fails with EFBIG
// instead of ending the program.
struct ProcessOptions {
  bool drop_privileges = false;
  std::uint64_t file_size_limit = 0;  // 0: none
  std::optional<std::string> display = std::nullopt;
};

// How long run_process lets a program run when the caller does not say.
inline constexpr std::chrono::milliseconds kProcessPatience = std::chrono::minutes(2);

struct ProcessResult {
  int status = -1;
  std::string standard_error;
  std::string standard_output;
  bool timed_out = false;  // killed at the timeout; status is then 128 + SIGKILL
};

// Runs a program with arguments in `folder`, standard input closed, to its
// end or to the timeout, and returns what it wrote on standard output and
// error. Throws std::system_error when the program cannot be started.
ProcessResult run_process(const std::string& program, const std::vector<std::string>& arguments,
                          const std::string& folder, const ProcessOptions& options = {},
                          std::chrono::milliseconds timeout = kProcessPatience);

// A program running beside the test, started as run_process starts it but
// with a pipe to its standard input and one from its standard output;
// standard error goes to a file of its own that nobody else sees. Killed
// and reaped when the object goes, if it has not ended before.
class SpawnedProcess {
 public:
  SpawnedProcess(const std::string& program, const std::vector<std::string>& arguments,
                 const std::string& folder, const ProcessOptions& options = {});
  ~SpawnedProcess();
  SpawnedProcess(const SpawnedProcess&) = delete;
  SpawnedProcess& operator=(const SpawnedProcess&) = delete;

  pid_t pid() const { return pid_; }

  void write_line(const std::string& line);

  // The next line of standard output, nullopt when none came in time.
  std::optional<std::string> read_line(std::chrono::milliseconds timeout);

  // The exit status, nullopt while still running at the timeout.
  std::optional<int> wait(std::chrono::milliseconds timeout);

  // Sends `signal_number` unless the program has ended and been reaped.
  void send(int signal_number);

  // Stops the program (SIGSTOP) and returns once it stands still; false
  // when it ended instead (wait then gives its status). resume lets it go on.
  bool pause();
  void resume();

  // Everything written on standard error so far.
  std::string standard_error() const;

 private:
  bool fill(std::chrono::milliseconds timeout);

  pid_t pid_ = -1;
  int input_ = -1;
  int output_ = -1;
  int error_ = -1;
  std::string pending_;
  std::optional<int> status_;
};

// A child run as the measurements time it: from just before the spawn to
// the end of the wait.
struct TimedRun {
  int status = -1;
  double seconds = 0;
  std::string output;  // what the child wrote on standard output
};

// Runs `program` with `arguments` in this process's folder, standard input
// and standard error on /dev/null and DISPLAY removed, and waits for it:
// posix_spawnp and one pipe, nothing written to disk while the clock runs,
// so that the time is the program's and not ours. Throws std::system_error
// when it cannot be started.
TimedRun run_timed(const std::string& program, const std::vector<std::string>& arguments);

// The full path of a program found on PATH, empty when there is none.
std::string find_program(const std::string& name);

}  // namespace scenario::testing
