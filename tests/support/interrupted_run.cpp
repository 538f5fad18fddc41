#include "interrupted_run.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <system_error>
#include <thread>

namespace scenario::testing {
namespace {

namespace fs = std::filesystem;

// Time the program runs between two looks.
constexpr auto kRunBetweenLooks = std::chrono::microseconds(100);

int status_of(int wait_status) {
  return WIFEXITED(wait_status) ? WEXITSTATUS(wait_status) : 128 + WTERMSIG(wait_status);
}

pid_t start(const std::string& program, const std::string& folder) {
  const pid_t pid = ::fork();
  if (pid < 0)
    throw std::runtime_error("cannot start " + program);
  if (pid == 0) {
    const int null_fd = ::open("/dev/null", O_RDWR);
    ::dup2(null_fd, STDIN_FILENO);
    ::dup2(null_fd, STDOUT_FILENO);
    ::dup2(null_fd, STDERR_FILENO);
    if (::chdir(folder.c_str()) != 0)
      ::_exit(126);
    char* const argv[] = {const_cast<char*>(program.c_str()), nullptr};
    ::execv(program.c_str(), argv);
    ::_exit(127);
  }
  return pid;
}

// A file of `folder` that the stopped process holds open with a size in
// the range, if any.
std::optional<Interruption> file_being_written(pid_t pid, const std::string& folder,
                                               std::uint64_t more_than, std::uint64_t less_than) {
  const fs::path descriptors = "/proc/" + std::to_string(pid) + "/fd";
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(descriptors, error)) {
    const fs::path target = fs::read_symlink(entry.path(), error);
    if (error || target.string().rfind(folder + "/", 0) != 0)
      continue;
    struct stat info;
    if (::stat(entry.path().c_str(), &info) != 0 || !S_ISREG(info.st_mode))
      continue;
    const auto size = static_cast<std::uint64_t>(info.st_size);
    if (size > more_than && size < less_than)
      return Interruption{.killed = true, .status = -1, .file = target.string(), .size = size};
  }
  return std::nullopt;
}

}  // namespace

Interruption kill_while_writing(const std::string& program, const std::string& folder,
                                std::uint64_t more_than, std::uint64_t less_than) {
  const pid_t pid = start(program, folder);
  for (;;) {
    std::this_thread::sleep_for(kRunBetweenLooks);
    ::kill(pid, SIGSTOP);
    int wait_status = 0;
    ::waitpid(pid, &wait_status, WUNTRACED);
    if (!WIFSTOPPED(wait_status))
      return Interruption{.killed = false, .status = status_of(wait_status), .file = {}, .size = 0};
    if (auto seen = file_being_written(pid, folder, more_than, less_than)) {
      ::kill(pid, SIGKILL);
      ::waitpid(pid, &wait_status, 0);
      seen->status = status_of(wait_status);
      return *seen;
    }
    ::kill(pid, SIGCONT);
  }
}

}  // namespace scenario::testing
