#include "xvfb_server.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace scenario::testing {

XvfbServer::XvfbServer(const std::string& program) {
  int ready[2];
  if (::pipe(ready) != 0)
    return;
  pid_ = ::fork();
  if (pid_ == 0) {
    ::close(ready[0]);
    const int null_fd = ::open("/dev/null", O_RDWR);
    ::dup2(null_fd, STDOUT_FILENO);
    ::dup2(null_fd, STDERR_FILENO);
    const std::string fd = std::to_string(ready[1]);
    ::execl(program.c_str(), "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "800x600x24",
            "-nolisten", "tcp", "-noreset", static_cast<char*>(nullptr));
    ::_exit(127);
  }
  ::close(ready[1]);
  // The number and its line end come in two writes; closing the pipe
  // between them would kill the server.
  std::string number;
  pollfd readable{.fd = ready[0], .events = POLLIN, .revents = 0};
  char c = 0;
  while (c != '\n' && ::poll(&readable, 1, 10000) > 0 && ::read(ready[0], &c, 1) == 1) {
    if (c != '\n')
      number += c;
  }
  if (c == '\n')
    name_ = ":" + number;
  ::close(ready[0]);
}

XvfbServer::~XvfbServer() {
  if (pid_ <= 0)
    return;
  ::kill(pid_, SIGTERM);
  int ignored;
  ::waitpid(pid_, &ignored, 0);
}

}  // namespace scenario::testing
