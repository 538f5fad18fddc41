#include "test_support.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iomanip>
#include <sstream>
#include <stdexcept>

namespace scenario::testing {

std::string hex_bytes(std::string_view hex) {
  std::string bytes;
  int pending = -1;
  for (char c : hex) {
    if (c == ' ' || c == '\n' || c == '\t' || c == '\r')
      continue;
    int digit;
    if (c >= '0' && c <= '9') {
      digit = c - '0';
    } else if (c >= 'a' && c <= 'f') {
      digit = c - 'a' + 10;
    } else if (c >= 'A' && c <= 'F') {
      digit = c - 'A' + 10;
    } else {
      throw std::invalid_argument("hex_bytes: not a hex digit");
    }
    if (pending < 0) {
      pending = digit;
    } else {
      bytes.push_back(static_cast<char>(pending * 16 + digit));
      pending = -1;
    }
  }
  if (pending >= 0)
    throw std::invalid_argument("hex_bytes: odd number of digits");
  return bytes;
}

std::string read_bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in)
    throw std::runtime_error("cannot read " + path);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return std::move(bytes).str();
}

void write_bytes(const std::string& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out)
    throw std::runtime_error("cannot write " + path);
}

std::string to_hex(std::string_view bytes) {
  std::ostringstream out;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (i > 0)
      out << (i % 16 == 0 ? '\n' : ' ');
    out << std::hex << std::setw(2) << std::setfill('0')
        << static_cast<int>(static_cast<unsigned char>(bytes[i]));
  }
  return out.str();
}

namespace {

std::string drain(int fd) {
  std::string text;
  std::array<char, 4096> buffer;
  for (;;) {
    ssize_t n = ::read(fd, buffer.data(), buffer.size());
    if (n <= 0)
      break;
    text.append(buffer.data(), static_cast<std::size_t>(n));
  }
  return text;
}

}  // namespace

ProcessResult run_process(const std::string& program, const std::vector<std::string>& arguments,
                          const std::string& folder, ProcessOptions options) {
  // Output goes to files, so that neither pipe can fill up and block.
  char out_name[] = "/tmp/scenario-out-XXXXXX";
  char err_name[] = "/tmp/scenario-err-XXXXXX";
  int out_fd = ::mkstemp(out_name);
  int err_fd = ::mkstemp(err_name);
  pid_t pid = ::fork();
  if (pid == 0) {
    int null_fd = ::open("/dev/null", O_RDONLY);
    ::dup2(null_fd, STDIN_FILENO);
    ::dup2(out_fd, STDOUT_FILENO);
    ::dup2(err_fd, STDERR_FILENO);
    if (options.drop_privileges && ::geteuid() == 0) {
      constexpr uid_t kNobody = 65534;
      if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
        ::_exit(125);
    }
    if (options.file_size_limit > 0) {
      const rlimit limit{options.file_size_limit, options.file_size_limit};
      if (::signal(SIGXFSZ, SIG_IGN) == SIG_ERR || ::setrlimit(RLIMIT_FSIZE, &limit) != 0) {
        ::_exit(125);
      }
    }
    if (::chdir(folder.c_str()) != 0)
      ::_exit(126);
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const auto& argument : arguments)
      argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    ::execv(program.c_str(), argv.data());
    ::_exit(127);
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  ProcessResult result;
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  ::lseek(out_fd, 0, SEEK_SET);
  ::lseek(err_fd, 0, SEEK_SET);
  result.standard_output = drain(out_fd);
  result.standard_error = drain(err_fd);
  ::close(out_fd);
  ::close(err_fd);
  ::unlink(out_name);
  ::unlink(err_name);
  return result;
}

std::string le16(std::int32_t value) {
  auto v = static_cast<std::uint16_t>(value);
  return {static_cast<char>(v & 0xff), static_cast<char>(v >> 8)};
}

std::string le32(std::int64_t value) {
  auto v = static_cast<std::uint32_t>(value);
  std::string bytes;
  for (int i = 0; i < 4; ++i)
    bytes.push_back(static_cast<char>((v >> (8 * i)) & 0xff));
  return bytes;
}

std::string le64_double(double value) {
  auto v = std::bit_cast<std::uint64_t>(value);
  std::string bytes;
  for (int i = 0; i < 8; ++i)
    bytes.push_back(static_cast<char>((v >> (8 * i)) & 0xff));
  return bytes;
}

}  // namespace scenario::testing
