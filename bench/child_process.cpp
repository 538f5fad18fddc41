#include "bench/child_process.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <string_view>
#include <system_error>

extern char** environ;

namespace scenario::bench {
namespace {

[[noreturn]] void fail(int error, const std::string& what) {
  throw std::system_error(error, std::generic_category(), what);
}

// Closes its descriptor at the end of the scope.
struct Descriptor {
  ~Descriptor() {
    if (fd >= 0)
      ::close(fd);
  }
  int fd = -1;
};

struct SpawnActions {
  SpawnActions() { ::posix_spawn_file_actions_init(&actions); }
  ~SpawnActions() { ::posix_spawn_file_actions_destroy(&actions); }
  posix_spawn_file_actions_t actions;
};

// The environment less DISPLAY: with an X server at hand the installer
// would open its window, whose cost is the server's and not the program's,
// and put it on the screen at every run.
std::vector<char*> environment_without_display() {
  std::vector<char*> environment;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    if (std::string_view(*entry).starts_with("DISPLAY="))
      continue;
    environment.push_back(*entry);
  }
  environment.push_back(nullptr);
  return environment;
}

}  // namespace

ChildRun run_child(const std::string& program, const std::vector<std::string>& arguments) {
  int pipe_ends[2];
  if (::pipe2(pipe_ends, O_CLOEXEC) != 0)
    fail(errno, "pipe");
  Descriptor read_end{pipe_ends[0]};
  Descriptor write_end{pipe_ends[1]};

  SpawnActions spawn;
  ::posix_spawn_file_actions_addopen(&spawn.actions, 0, "/dev/null", O_RDONLY, 0);
  ::posix_spawn_file_actions_adddup2(&spawn.actions, write_end.fd, 1);
  ::posix_spawn_file_actions_addopen(&spawn.actions, 2, "/dev/null", O_WRONLY, 0);

  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& argument : arguments)
    argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);

  std::vector<char*> environment = environment_without_display();
  ChildRun run;
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  const int error = ::posix_spawnp(&pid, program.c_str(), &spawn.actions, nullptr, argv.data(),
                                   environment.data());
  if (error != 0)
    fail(error, "cannot start " + program);
  ::close(write_end.fd);
  write_end.fd = -1;

  char buffer[4096];
  for (;;) {
    const ssize_t got = ::read(read_end.fd, buffer, sizeof buffer);
    if (got > 0) {
      run.output.append(buffer, static_cast<std::size_t>(got));
    } else if (got == 0 || errno != EINTR) {
      break;
    }
  }
  int wait_status = 0;
  while (::waitpid(pid, &wait_status, 0) < 0) {
    if (errno != EINTR)
      fail(errno, "waitpid");
  }
  run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (WIFEXITED(wait_status))
    run.status = WEXITSTATUS(wait_status);
  return run;
}

}  // namespace scenario::bench
