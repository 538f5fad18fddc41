#include "spawned_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>
#include <utility>

namespace scenario::testing {
namespace {

int status_of(int wait_status) {
  return WIFEXITED(wait_status) ? WEXITSTATUS(wait_status) : 128 + WTERMSIG(wait_status);
}

}  // namespace

SpawnedProcess::SpawnedProcess(const std::string& program,
                               const std::vector<std::string>& arguments,
                               const std::optional<std::string>& display) {
  int to_child[2];
  int from_child[2];
  char error_name[] = "/tmp/scenario-spawned-err-XXXXXX";
  const int error_fd = ::mkstemp(error_name);
  if (::pipe(to_child) != 0 || ::pipe(from_child) != 0 || error_fd < 0) {
    throw std::runtime_error("cannot start " + program);
  }
  error_path_ = error_name;
  pid_ = ::fork();
  if (pid_ == 0) {
    ::dup2(to_child[0], STDIN_FILENO);
    ::dup2(from_child[1], STDOUT_FILENO);
    ::dup2(error_fd, STDERR_FILENO);
    ::close(to_child[1]);
    ::close(from_child[0]);
    if (display) {
      ::setenv("DISPLAY", display->c_str(), 1);
    } else {
      ::unsetenv("DISPLAY");
    }
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const auto& argument : arguments)
      argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    ::execv(program.c_str(), argv.data());
    ::_exit(127);
  }
  ::close(to_child[0]);
  ::close(from_child[1]);
  ::close(error_fd);
  input_ = to_child[1];
  output_ = from_child[0];
  ::signal(SIGPIPE, SIG_IGN);  // a child that ended must not end the test with it
}

SpawnedProcess::~SpawnedProcess() {
  if (!status_ && pid_ > 0) {
    ::kill(pid_, SIGKILL);
    int ignored;
    ::waitpid(pid_, &ignored, 0);
  }
  if (input_ >= 0)
    ::close(input_);
  if (output_ >= 0)
    ::close(output_);
  ::unlink(error_path_.c_str());
}

void SpawnedProcess::write_line(const std::string& line) {
  const std::string text = line + "\n";
  if (::write(input_, text.data(), text.size()) != static_cast<ssize_t>(text.size())) {
    throw std::runtime_error("cannot write to the child's standard input");
  }
}

bool SpawnedProcess::fill(std::chrono::milliseconds timeout) {
  pollfd readable{.fd = output_, .events = POLLIN, .revents = 0};
  if (::poll(&readable, 1, static_cast<int>(timeout.count())) <= 0)
    return false;
  std::array<char, 4096> buffer;
  const ssize_t n = ::read(output_, buffer.data(), buffer.size());
  if (n <= 0)
    return false;
  pending_.append(buffer.data(), static_cast<std::size_t>(n));
  return true;
}

std::optional<std::string> SpawnedProcess::read_line(std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    const auto newline = pending_.find('\n');
    if (newline != std::string::npos) {
      std::string line = pending_.substr(0, newline);
      pending_.erase(0, newline + 1);
      return line;
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0 || !fill(left))
      return std::nullopt;
  }
}

std::optional<int> SpawnedProcess::wait(std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!status_) {
    int wait_status = 0;
    if (::waitpid(pid_, &wait_status, WNOHANG) == pid_) {
      status_ = status_of(wait_status);
      break;
    }
    if (std::chrono::steady_clock::now() >= deadline)
      return std::nullopt;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return status_;
}

std::string SpawnedProcess::rest_of_output() {
  while (fill(std::chrono::milliseconds(status_ ? 0 : 100))) {
  }
  return std::exchange(pending_, {});
}

std::string SpawnedProcess::standard_error() const {
  std::ifstream in(error_path_, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

ToolResult run_tool(const std::string& program, const std::vector<std::string>& arguments,
                    const std::string& display) {
  SpawnedProcess tool(program, arguments, display);
  std::string output;
  std::optional<int> status;
  // Read while waiting, so that a long output cannot fill the pipe and stall it.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!(status = tool.wait(std::chrono::milliseconds(0)))) {
    if (std::chrono::steady_clock::now() >= deadline)
      return {-1, output};
    output += tool.rest_of_output();
  }
  output += tool.rest_of_output();
  return {*status, output};
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
