#include "child_process.h"

#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string_view>
#include <system_error>
#include <thread>
#include <utility>

extern char** environ;

namespace scenario::testing {
namespace {

using Clock = std::chrono::steady_clock;

[[noreturn]] void fail(int error, const std::string& what) {
  throw std::system_error(error, std::generic_category(), what);
}

// A file descriptor, closed at the end of its scope.
class Descriptor {
 public:
  Descriptor() = default;
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() { reset(); }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  Descriptor(Descriptor&& other) noexcept : fd_(other.release()) {}
  Descriptor& operator=(Descriptor&& other) noexcept {
    reset();
    fd_ = other.release();
    return *this;
  }

  int get() const { return fd_; }
  int release() { return std::exchange(fd_, -1); }
  void reset() {
    if (fd_ >= 0)
      ::close(std::exchange(fd_, -1));
  }

 private:
  int fd_ = -1;
};

// Both ends are closed in a child as it starts its program, so that only
// the descriptors given to it as standard streams reach the program.
struct Pipe {
  Pipe() {
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0)
      fail(errno, "pipe");
    read = Descriptor(ends[0]);
    write = Descriptor(ends[1]);
  }
  Descriptor read;
  Descriptor write;
};

int status_of(int wait_status) {
  return WIFEXITED(wait_status) ? WEXITSTATUS(wait_status) : 128 + WTERMSIG(wait_status);
}

// The status of `pid` once it has ended, nullopt when it still runs at the
// deadline.
std::optional<int> wait_until(pid_t pid, Clock::time_point deadline) {
  for (;;) {
    int wait_status = 0;
    const pid_t ended = ::waitpid(pid, &wait_status, WNOHANG);
    if (ended == pid)
      return status_of(wait_status);
    if (ended < 0 && errno != EINTR)
      fail(errno, "waitpid");
    const auto now = Clock::now();
    if (now >= deadline)
      return std::nullopt;
    std::this_thread::sleep_for(
        std::min<Clock::duration>(deadline - now, std::chrono::milliseconds(1)));
  }
}

// Kills `pid` and waits for its end, whatever befalls: for destructors.
void kill_and_reap(pid_t pid) noexcept {
  ::kill(pid, SIGKILL);
  int ignored = 0;
  while (::waitpid(pid, &ignored, 0) < 0 && errno == EINTR) {
  }
}

int wait_to_end(pid_t pid) {
  int wait_status = 0;
  while (::waitpid(pid, &wait_status, 0) < 0) {
    if (errno != EINTR)
      fail(errno, "waitpid");
  }
  return status_of(wait_status);
}

// Milliseconds left to `deadline` for poll, rounded up so that a wait
// never ends just before it; 0 once it has passed.
int poll_timeout(Clock::time_point deadline) {
  const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
  return static_cast<int>(std::clamp<std::chrono::milliseconds::rep>(left.count(), 0, 1 << 30));
}

// argv of a child: the program as named, then its arguments.
std::vector<char*> argument_vector(const std::string& program,
                                   const std::vector<std::string>& arguments) {
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& argument : arguments)
    argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  return argv;
}

// This process's environment with DISPLAY set to `display`, or removed.
class ChildEnvironment {
 public:
  explicit ChildEnvironment(const std::optional<std::string>& display) {
    for (char** entry = environ; *entry != nullptr; ++entry) {
      if (!std::string_view(*entry).starts_with("DISPLAY="))
        entries_.push_back(*entry);
    }
    if (display) {
      display_entry_ = "DISPLAY=" + *display;
      entries_.push_back(display_entry_.data());
    }
    entries_.push_back(nullptr);
  }
  ChildEnvironment(const ChildEnvironment&) = delete;
  ChildEnvironment& operator=(const ChildEnvironment&) = delete;

  char** data() { return entries_.data(); }

 private:
  std::string display_entry_;
  std::vector<char*> entries_;
};

// The file to execute: a name with a slash as it is, made absolute because
// the child changes folder first; any other name found on PATH.
std::string executable_path(const std::string& program) {
  if (program.find('/') != std::string::npos)
    return std::filesystem::absolute(program).string();
  std::string found = find_program(program);
  if (found.empty())
    fail(ENOENT, "cannot start " + program + ": not found on PATH");
  return found;
}

// The standard streams a forked child gets.
struct ChildStreams {
  int input;
  int output;
  int error;
};

// What a child reports to its parent when it cannot reach its program.
enum class ChildStep { kStreams, kPrivileges, kFileSizeLimit, kFolder, kExecute };
struct ChildFailure {
  ChildStep step;
  int error;
};

const char* step_name(ChildStep step) {
  switch (step) {
    case ChildStep::kStreams:
      return "redirecting its standard streams";
    case ChildStep::kPrivileges:
      return "dropping privileges";
    case ChildStep::kFileSizeLimit:
      return "limiting file sizes";
    case ChildStep::kFolder:
      return "entering its folder";
    case ChildStep::kExecute:
      return "executing it";
  }
  return "starting it";
}

// In the child between fork and exec: only async-signal-safe calls.
[[noreturn]] void become_program(const char* path, char** argv, char** environment,
                                 const char* folder, const ProcessOptions& options,
                                 ChildStreams streams, int report) {
  const auto give_up = [report](ChildStep step) {
    const ChildFailure failure{step, errno};
    [[maybe_unused]] const ssize_t written = ::write(report, &failure, sizeof failure);
    ::_exit(127);
  };
  if (::dup2(streams.input, STDIN_FILENO) < 0 || ::dup2(streams.output, STDOUT_FILENO) < 0 ||
      ::dup2(streams.error, STDERR_FILENO) < 0)
    give_up(ChildStep::kStreams);
  // The test may ignore SIGPIPE for itself; the program starts as usual.
  ::signal(SIGPIPE, SIG_DFL);
  if (options.drop_privileges && ::geteuid() == 0) {
    constexpr uid_t kNobody = 65534;
    if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
      give_up(ChildStep::kPrivileges);
  }
  if (options.file_size_limit > 0) {
    const rlimit limit{options.file_size_limit, options.file_size_limit};
    if (::signal(SIGXFSZ, SIG_IGN) == SIG_ERR || ::setrlimit(RLIMIT_FSIZE, &limit) != 0)
      give_up(ChildStep::kFileSizeLimit);
  }
  if (::chdir(folder) != 0)
    give_up(ChildStep::kFolder);
  ::execve(path, argv, environment);
  give_up(ChildStep::kExecute);
  ::_exit(127);  // not reached: give_up does not return
}

// Forks a child that runs `program` as `options` say, with `streams` as its
// standard streams, and returns once the program runs. Everything the child
// needs is made ready before the fork.
pid_t start_child(const std::string& program, const std::vector<std::string>& arguments,
                  const std::string& folder, const ProcessOptions& options, ChildStreams streams) {
  const std::string path = executable_path(program);
  std::vector<char*> argv = argument_vector(program, arguments);
  ChildEnvironment environment(options.display);
  // Closed by a successful exec: end of file there means the program runs.
  Pipe report;
  const pid_t pid = ::fork();
  if (pid < 0)
    fail(errno, "cannot start " + program);
  if (pid == 0) {
    become_program(path.c_str(), argv.data(), environment.data(), folder.c_str(), options, streams,
                   report.write.get());
  }
  report.write.reset();
  ChildFailure failure{};
  ssize_t got = 0;
  do {
    got = ::read(report.read.get(), &failure, sizeof failure);
  } while (got < 0 && errno == EINTR);
  if (got == static_cast<ssize_t>(sizeof failure)) {
    wait_to_end(pid);
    fail(failure.error,
         "cannot start " + program + " in " + folder + ": " + step_name(failure.step) + " failed");
  }
  return pid;
}

// Appends what `fd` holds now to `text`; false at its end.
bool read_some(int fd, std::string& text) {
  std::array<char, 4096> buffer;
  for (;;) {
    const ssize_t got = ::read(fd, buffer.data(), buffer.size());
    if (got > 0) {
      text.append(buffer.data(), static_cast<std::size_t>(got));
      return true;
    }
    if (got == 0 || errno != EINTR)
      return false;
  }
}

// Reads standard output and error as they come, so that neither pipe can
// fill up and stall the child; true when both ended before the deadline.
bool read_both_to_end(int output, int error, Clock::time_point deadline, ProcessResult& result) {
  std::array<pollfd, 2> streams{pollfd{.fd = output, .events = POLLIN, .revents = 0},
                                pollfd{.fd = error, .events = POLLIN, .revents = 0}};
  std::array<std::string*, 2> texts{&result.standard_output, &result.standard_error};
  while (streams[0].fd >= 0 || streams[1].fd >= 0) {
    const int ready = ::poll(streams.data(), streams.size(), poll_timeout(deadline));
    if (ready < 0 && errno != EINTR)
      fail(errno, "poll");
    if (ready == 0)
      return false;
    for (std::size_t i = 0; i < streams.size(); ++i) {
      if (streams[i].fd >= 0 && streams[i].revents != 0 && !read_some(streams[i].fd, *texts[i]))
        streams[i].fd = -1;  // poll passes over a negative descriptor
    }
  }
  return true;
}

// What posix_spawnp does to the child's descriptors, released at the end
// of the scope.
struct SpawnActions {
  SpawnActions() { ::posix_spawn_file_actions_init(&actions); }
  ~SpawnActions() { ::posix_spawn_file_actions_destroy(&actions); }
  SpawnActions(const SpawnActions&) = delete;
  SpawnActions& operator=(const SpawnActions&) = delete;
  posix_spawn_file_actions_t actions;
};

Descriptor open_null(int flags) {
  Descriptor null(::open("/dev/null", flags | O_CLOEXEC));
  if (null.get() < 0)
    fail(errno, "/dev/null");
  return null;
}

}  // namespace

ProcessResult run_process(const std::string& program, const std::vector<std::string>& arguments,
                          const std::string& folder, const ProcessOptions& options,
                          std::chrono::milliseconds timeout) {
  const auto deadline = Clock::now() + timeout;
  Descriptor input = open_null(O_RDONLY);
  Pipe output;
  Pipe error;
  const pid_t pid = start_child(program, arguments, folder, options,
                                {input.get(), output.write.get(), error.write.get()});
  output.write.reset();
  error.write.reset();

  ProcessResult result;
  std::optional<int> status;
  if (read_both_to_end(output.read.get(), error.read.get(), deadline, result))
    status = wait_until(pid, deadline);
  if (!status) {
    ::kill(pid, SIGKILL);
    status = wait_to_end(pid);
    result.timed_out = true;
  }
  result.status = *status;
  return result;
}

SpawnedProcess::SpawnedProcess(const std::string& program,
                               const std::vector<std::string>& arguments, const std::string& folder,
                               const ProcessOptions& options) {
  Pipe to_child;
  Pipe from_child;
  // A file, not a pipe, so that the program never waits for us to read what
  // it reports; unlinked at once, so that nothing is left behind.
  char error_name[] = "/tmp/scenario-stderr-XXXXXX";
  Descriptor error(::mkostemp(error_name, O_CLOEXEC));
  if (error.get() < 0)
    fail(errno, "cannot create a file for the standard error of " + program);
  ::unlink(error_name);

  ::signal(SIGPIPE, SIG_IGN);  // a child that ended must not end the test with it
  pid_ = start_child(program, arguments, folder, options,
                     {to_child.read.get(), from_child.write.get(), error.get()});
  input_ = to_child.write.release();
  output_ = from_child.read.release();
  error_ = error.release();
}

SpawnedProcess::~SpawnedProcess() {
  if (!status_)
    kill_and_reap(pid_);
  ::close(input_);
  ::close(output_);
  ::close(error_);
}

void SpawnedProcess::write_line(const std::string& line) {
  const std::string text = line + "\n";
  if (::write(input_, text.data(), text.size()) != static_cast<ssize_t>(text.size()))
    fail(errno, "cannot write to the standard input of the child");
}

bool SpawnedProcess::fill(std::chrono::milliseconds timeout) {
  pollfd readable{.fd = output_, .events = POLLIN, .revents = 0};
  if (::poll(&readable, 1, static_cast<int>(timeout.count())) <= 0)
    return false;
  return read_some(output_, pending_);
}

std::optional<std::string> SpawnedProcess::read_line(std::chrono::milliseconds timeout) {
  const auto deadline = Clock::now() + timeout;
  for (;;) {
    const auto newline = pending_.find('\n');
    if (newline != std::string::npos) {
      std::string line = pending_.substr(0, newline);
      pending_.erase(0, newline + 1);
      return line;
    }
    const int left = poll_timeout(deadline);
    if (left <= 0 || !fill(std::chrono::milliseconds(left)))
      return std::nullopt;
  }
}

std::optional<int> SpawnedProcess::wait(std::chrono::milliseconds timeout) {
  if (!status_)
    status_ = wait_until(pid_, Clock::now() + timeout);
  return status_;
}

void SpawnedProcess::send(int signal_number) {
  if (!status_)
    ::kill(pid_, signal_number);
}

bool SpawnedProcess::pause() {
  if (status_)
    return false;
  ::kill(pid_, SIGSTOP);
  int wait_status = 0;
  while (::waitpid(pid_, &wait_status, WUNTRACED) < 0) {
    if (errno != EINTR)
      fail(errno, "waitpid");
  }
  if (WIFSTOPPED(wait_status))
    return true;
  status_ = status_of(wait_status);
  return false;
}

void SpawnedProcess::resume() {
  send(SIGCONT);
}

std::string SpawnedProcess::standard_error() const {
  std::string text;
  std::array<char, 4096> buffer;
  for (;;) {
    const ssize_t got =
        ::pread(error_, buffer.data(), buffer.size(), static_cast<off_t>(text.size()));
    if (got > 0) {
      text.append(buffer.data(), static_cast<std::size_t>(got));
    } else if (got == 0 || errno != EINTR) {
      return text;
    }
  }
}

TimedRun run_timed(const std::string& program, const std::vector<std::string>& arguments) {
  Pipe output;
  SpawnActions spawn;
  ::posix_spawn_file_actions_addopen(&spawn.actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  ::posix_spawn_file_actions_adddup2(&spawn.actions, output.write.get(), STDOUT_FILENO);
  ::posix_spawn_file_actions_addopen(&spawn.actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  std::vector<char*> argv = argument_vector(program, arguments);
  // With an X server at hand the installer would open its window, whose
  // cost is the server's and not the program's, at every run.
  ChildEnvironment environment(std::nullopt);

  TimedRun run;
  const auto start = Clock::now();
  pid_t pid = 0;
  const int error = ::posix_spawnp(&pid, program.c_str(), &spawn.actions, nullptr, argv.data(),
                                   environment.data());
  if (error != 0)
    fail(error, "cannot start " + program);
  output.write.reset();
  while (read_some(output.read.get(), run.output)) {
  }
  run.status = wait_to_end(pid);
  run.seconds = std::chrono::duration<double>(Clock::now() - start).count();
  return run;
}

std::string find_program(const std::string& name) {
  const char* path = std::getenv("PATH");
  std::istringstream folders(path != nullptr ? path : "/usr/bin:/bin");
  std::string folder;
  while (std::getline(folders, folder, ':')) {
    const std::string candidate = (folder.empty() ? "." : folder) + "/" + name;
    if (::access(candidate.c_str(), X_OK) == 0)
      return candidate;
  }
  return {};
}

}  // namespace scenario::testing
