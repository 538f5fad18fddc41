// The file and folder of the running executable on Linux, read from /proc.

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "platform/file_error.h"
#include "platform/paths.h"

namespace scenario::platform {

std::string executable_file() {
  std::vector<char> buffer(4096);
  for (;;) {
    ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (length < 0) {
      throw FileError("/proc/self/exe", std::string("percorso dell'eseguibile non leggibile: ") +
                                            std::strerror(errno));
    }
    if (static_cast<std::size_t>(length) < buffer.size())
      return std::string(buffer.data(), static_cast<std::size_t>(length));
    buffer.resize(buffer.size() * 2);
  }
}

std::string executable_folder() {
  const std::string path = executable_file();
  const auto slash = path.find_last_of('/');
  return slash == 0 ? std::string("/") : path.substr(0, slash);
}

}  // namespace scenario::platform
